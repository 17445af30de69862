#include "chipdb/chip_extract.h"
#include "chipdb/chip_list.h"
#include "chipdb/chip_text.h"
#include "chipdb/hex_text.h"
#include "platform/text_file.h"
#include "protocol/engine_texts.h"
#include "workbench/load_messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

// The shipped chip file against gputils' device headers and linker scripts:
// sizes, and the values of every configuration option. Read here with a
// reader of its own, so a fault of the generator's reader shows up.

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const fs::path kHeaders = "/usr/share/gputils/header";
const fs::path kLinkerScripts = "/usr/share/gputils/lkr";
constexpr long kWideConfig = 0x300000;

Lines ReadLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return SplitLines(bytes.str());
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// "_NAME   EQU  H'3FFC'" gives NAME and 0x3FFC.
bool ParseEqu(const std::string& line, std::string& name, long& value) {
    std::istringstream words(line);
    std::string equ, hex;
    if (line.empty() || line[0] != '_' || !(words >> name >> equ >> hex) || equ != "EQU" ||
        hex.size() < 4 || hex.compare(0, 2, "H'") != 0)
        return false;
    name = name.substr(1);
    value = std::strtol(hex.substr(2).c_str(), nullptr, 16);
    return true;
}

struct Register {
    long address = 0;
    int width = 0;
    std::set<int> values; // every option value, aliases included
};

// Configuration registers by address, with the option values of each.
std::map<long, Register> HeaderRegisters(const fs::path& path, bool wide) {
    std::map<std::string, long> addresses;
    std::map<long, Register> registers;
    std::string section;
    for (const std::string& line : ReadLines(path)) {
        std::string name;
        long value = 0;
        if (line.rfind(";-----", 0) == 0) {
            std::istringstream words(line.substr(6));
            std::string options;
            words >> section >> options;
            if (options != "Options")
                section.clear();
        } else if (ParseEqu(line, name, value)) {
            if (name.rfind("CONFIG", 0) == 0 && name.find('_') == std::string::npos) {
                addresses[name] = value;
            } else if (addresses.count(section)) {
                Register& r = registers[addresses[section]];
                r.address = addresses[section];
                r.width = wide ? 0xFF : r.address < 0x2000 ? 0xFFF : 0x3FFF;
                r.values.insert(int(value) & r.width);
            }
        }
    }
    return registers;
}

// Program memory words and data EEPROM bytes from the linker script's pages.
std::pair<int, int> LinkerSizes(const fs::path& path, bool wide) {
    long romEnd = 0, idStart = wide ? 0x200000 : 0x2000, eeprom = 0;
    std::vector<std::pair<long, long>> pages;
    for (const std::string& line : ReadLines(path)) {
        std::istringstream words(line);
        std::string kind, name, start, end;
        if (!(words >> kind >> name >> start >> end) || kind != "CODEPAGE")
            continue;
        const long from = std::strtol(start.c_str() + 8, nullptr, 16); // START=0x
        const long to = std::strtol(end.c_str() + 6, nullptr, 16);     // END=0x
        if (name.find("eedata") != std::string::npos)
            eeprom = to - from + 1;
        else if (name.find("idlocs") != std::string::npos)
            idStart = from;
        else
            pages.push_back({from, to});
    }
    for (auto [from, to] : pages)
        if (from < idStart)
            romEnd = std::max(romEnd, to + 1);
    return {int(wide ? romEnd / 2 : romEnd), int(eeprom)};
}

int Cleared(int value, int width) {
    return ~value & width;
}

// A value the headers name, or several named values of the same list taken
// together (a list that folds per-block protection bits into one choice).
bool FromHeader(int value, const Register& r, const std::vector<int>& row) {
    if (r.values.count(value))
        return true;
    int covered = 0;
    for (int h : row)
        if (r.values.count(h) && Cleared(h, r.width) &&
            !(Cleared(h, r.width) & ~Cleared(value, r.width)))
            covered |= Cleared(h, r.width);
    return covered != 0 && covered == Cleared(value, r.width);
}

// One fuse editor row as the register it acts on and its values there.
struct RowValues {
    long address = -1;
    std::vector<int> values;
};

RowValues ProjectRow(const FuseRow& row, int word, bool wide, long firstRegister) {
    RowValues out;
    int common = 0xFFFF;
    std::vector<int> items;
    for (const std::string& item : row.items) {
        items.push_back(VerifyHEX(item.substr(item.size() - 4)));
        common &= items.back();
    }
    const bool high = wide && (common & 0xFF00) != 0xFF00;
    out.address = wide ? kWideConfig + 2 * (word - 1) + (high ? 1 : 0) : firstRegister;
    for (int v : items)
        out.values.push_back(wide ? (high ? v >> 8 : v & 0xFF) : v);
    if (wide && (common & 0xFF00) != 0xFF00 && (common & 0xFF) != 0xFF)
        out.address = -1; // a list acting on two registers at once
    return out;
}

void CrossCheck(const std::string& name, const ChipInfoResult& info) {
    const ChipRecord& c = info.record;
    const bool wide = c.CoreType == 1 || c.CoreType == 2;
    const fs::path header = kHeaders / ("p" + Lower(name) + ".inc");
    const fs::path lkr = kLinkerScripts / (Lower(name) + "_g.lkr");
    ASSERT_TRUE(fs::exists(header) && fs::exists(lkr)) << name << " has no gputils files";
    const auto [rom, eeprom] = LinkerSizes(lkr, wide);
    EXPECT_EQ(c.ROMSize, rom) << name;
    EXPECT_EQ(c.EEPROMSize, eeprom) << name;

    std::map<long, Register> registers = HeaderRegisters(header, wide);
    ASSERT_FALSE(registers.empty()) << name;
    if (!wide) // one configuration word: the first of the chip's
        registers.erase(std::next(registers.begin()), registers.end());
    std::map<long, std::set<int>> recorded;
    for (int n = 1; n <= 30; ++n) {
        if (!info.rows[n].InUse())
            continue;
        RowValues row = ProjectRow(info.rows[n], c.FuseListWord[n], wide, registers.begin()->first);
        ASSERT_TRUE(registers.count(row.address)) << name << " LIST" << n;
        const Register& r = registers[row.address];
        for (int v : row.values) {
            EXPECT_TRUE(v == r.width || FromHeader(v, r, row.values))
                << name << " LIST" << n << " value " << std::hex << v;
            recorded[r.address].insert(v);
        }
    }
    std::array<int, 8> optionBits{};
    for (const auto& [address, r] : registers) {
        int bits = 0;
        for (int h : r.values) {
            bits |= Cleared(h, r.width);
            EXPECT_TRUE(recorded[address].count(h))
                << name << " misses option " << std::hex << h << " of " << address;
        }
        const int word = wide ? int(address - kWideConfig) / 2 + 1 : 1;
        optionBits[word] |= wide && address % 2 ? bits << 8 : bits;
    }
    for (int k = 1; k <= (wide ? 7 : 1); ++k) {
        // 18F: every option bit set and the rest 0; otherwise every option bit set.
        if (wide)
            EXPECT_EQ(c.FuseBlank[k], optionBits[k]) << name << " FUSEBLANK word " << k;
        else
            EXPECT_EQ(c.FuseBlank[k] & optionBits[k], optionBits[k]) << name;
    }
}

TEST(ShippedChipFile, MatchesTheGputilsHeaders) {
    if (!fs::is_directory(kHeaders) || !fs::is_directory(kLinkerScripts))
        GTEST_SKIP() << "gputils is not installed";
    const Lines lines = ReadLines(fs::path(TESSARO_SOURCE_DIR) / "data/chipinfo.cid");
    ChipFileLoadResult r = LoadChipFile(lines, 1);
    ASSERT_TRUE(r.Loaded()) << Worded(LoadMessage(r));
    int checked = 0;
    for (int p = 0; p < int(r.ChipNames.size()); ++p) {
        ChipInfoResult info = ExtractChipInfo(r.ChipData, p);
        ASSERT_TRUE(info.ok) << r.ChipNames[p];
        if (info.record.CoreType == 0)
            continue; // serial EEPROMs: no gputils files
        CrossCheck(r.ChipNames[p], info);
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

} // namespace
