#include "hex_test_support.h"
#include "image/hex_load.h"
#include "image/hex_save.h"
#include "protocol/engine_texts.h"
#include "test_platform.h"
#include "workbench/load_messages.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <random>
#include <sstream>

using namespace hextest;

namespace {

struct Saved {
    MemoryImage image;
    std::string id;
};

// A random image as a load or a read could leave it: words within the core's
// mask, configuration words within their blank values, hex ID digits.
Saved RandomImage(const ChipRecord& chip, std::mt19937& rng, bool asRead) {
    Saved s;
    s.image = BlankImage(chip, s.id);
    if (asRead) {
        s.image.ROMData.resize(static_cast<std::size_t>(chip.ROMSize));
        s.image.EEPROMData.resize(static_cast<std::size_t>(chip.EEPROMSize));
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(chip.ROMSize); ++i)
        s.image.ROMData[i] = static_cast<int>(rng() & static_cast<unsigned>(chip.WordMask));
    for (std::size_t i = 0; i < static_cast<std::size_t>(chip.EEPROMSize); ++i)
        s.image.EEPROMData[i] = static_cast<int>(rng() & 0xFF);
    for (int i = 1; i <= 7; ++i)
        s.image.FuseValue[i] = static_cast<int>(rng()) & chip.FuseBlank[i];
    for (char& c : s.id)
        c = "0123456789ABCDEF"[rng() & 15];
    return s;
}

// What a reload must give back: what the core class's file keeps, blank for the rest.
Saved Expected(const ChipRecord& chip, const Saved& saved) {
    Saved e;
    e.image = BlankImage(chip, e.id);
    const int mask = chip.WordMask;
    if (mask != 0xFF)
        std::copy_n(saved.image.ROMData.begin(), chip.ROMSize, e.image.ROMData.begin());
    if (chip.FlashChip && (mask == 0x3FFF || mask == 0xFF || chip.CoreType == 2))
        std::copy_n(saved.image.EEPROMData.begin(), chip.EEPROMSize, e.image.EEPROMData.begin());
    if (mask != 0xFF)
        e.id = saved.id;
    const int fuses = mask == 0xFF ? 0 : (mask == 0xFFFF ? 7 : 1);
    for (int i = 1; i <= fuses; ++i)
        e.image.FuseValue[i] = saved.image.FuseValue[i];
    return e;
}

std::vector<ChipRecord> EveryCoreClass() {
    ChipRecord big14 = Chip14(); // its extra entry's record meets the ID record at 0x4000
    big14.ROMSize = 0x2000;
    big14.EEPROMSize = 0x100;
    ChipRecord big16 = Chip16(); // its extra entry would need byte address 0x10000
    big16.ROMSize = 0x8000;
    ChipRecord nonFlash14 = Chip14();
    nonFlash14.FlashChip = false;
    return {Chip12(), Chip14(), big14, nonFlash14, Chip16(), Chip16(2), big16, ChipSerialEEPROM()};
}

// Runs `command` and returns its standard output; nothing when it fails.
std::optional<std::string> RunCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return std::nullopt;
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;)
        out.append(buf, n);
    if (pclose(pipe) != 0)
        return std::nullopt;
    return out;
}

// The file's bytes by address, as read by an independent Intel HEX reader.
std::map<long, int> BytesByIndependentReader(const std::string& path) {
    const auto out =
        RunCommand("/usr/bin/python3 -c \"import sys, intelhex\n"
                   "h = intelhex.IntelHex(sys.argv[1])\n"
                   "for s, e in h.segments(): print(s, h.tobinstr(s, e - 1).hex())\" '" +
                   path + "'");
    std::map<long, int> bytes;
    EXPECT_TRUE(out) << "the Intel HEX reader refused " << path;
    if (!out)
        return bytes;
    std::istringstream in(*out);
    long start = 0;
    for (std::string run; in >> start >> run;)
        for (std::size_t i = 0; i + 1 < run.size(); i += 2)
            bytes[start + static_cast<long>(i / 2)] = std::stoi(run.substr(i, 2), nullptr, 16);
    return bytes;
}

int WordAt(const std::map<long, int>& bytes, long address) {
    const auto low = bytes.find(address), high = bytes.find(address + 1);
    if (low == bytes.end() || high == bytes.end())
        return -1;
    return low->second | high->second << 8;
}

} // namespace

TEST(HexRoundTrip, EverySavedImageLoadsBackAsTheCoreClassKeepsIt) {
    TempFolder folder;
    std::mt19937 rng(20261208);
    for (const ChipRecord& chip : EveryCoreClass()) {
        for (int round = 0; round < 12; ++round) {
            SCOPED_TRACE("mask " + std::to_string(chip.WordMask) + " ROMSize " +
                         std::to_string(chip.ROMSize) + " round " + std::to_string(round));
            Saved saved = RandomImage(chip, rng, round % 2 == 1);
            const std::string path = folder.File("round.hex");
            ASSERT_TRUE(SaveHexFile(path, saved.image, chip, saved.id));
            Saved loaded;
            loaded.image = BlankImage(chip, loaded.id);
            const HexLoadResult r = LoadTheHexFile(path, chip, loaded.image, loaded.id, nullptr);
            ASSERT_TRUE(r.Loaded()) << Worded(LoadMessage(r));
            const Saved expected = Expected(chip, saved);
            EXPECT_EQ(loaded.image.ROMData, expected.image.ROMData);
            EXPECT_EQ(loaded.image.EEPROMData, expected.image.EEPROMData);
            EXPECT_EQ(loaded.image.FuseValue, expected.image.FuseValue);
            EXPECT_EQ(loaded.id, expected.id);
        }
    }
}

// Our files read by another program give the words, EEPROM bytes, ID digits and
// configuration words at the addresses the chips' programming documents name.
TEST(HexRoundTrip, AnIndependentReaderSeesTheSameImage) {
    SKIP_ON_WINDOWS("the independent reader is Debian's python3-intelhex: Wine starts a Linux "
                    "program but does not wait for it");
    if (!RunCommand("/usr/bin/python3 -c 'import intelhex'"))
        GTEST_FAIL() << "python3-intelhex is missing (scripts/deps installs it)";
    TempFolder folder;
    std::mt19937 rng(4);
    for (const ChipRecord& chip : {Chip12(), Chip14(), Chip16(2), ChipSerialEEPROM()}) {
        SCOPED_TRACE("mask " + std::to_string(chip.WordMask));
        Saved saved = RandomImage(chip, rng, false);
        const std::string path = folder.File("x.hex");
        ASSERT_TRUE(SaveHexFile(path, saved.image, chip, saved.id));
        EXPECT_TRUE(RunCommand("srec_info '" + path + "' -Intel >/dev/null 2>&1"))
            << "srecord refused the file";
        const auto bytes = BytesByIndependentReader(path);
        const int mask = chip.WordMask;
        for (int i = 0; mask != 0xFF && i < chip.ROMSize; ++i)
            ASSERT_EQ(WordAt(bytes, 2L * i), saved.image.ROMData[i]) << "word " << i;
        const long idBase =
            mask == 0xFFFF ? 0x200000 : (mask == 0xFFF ? 2L * chip.ROMSize : 0x4000);
        const int idStep = mask == 0xFFFF ? 1 : 2;
        for (std::size_t k = 0; mask != 0xFF && k < saved.id.size(); ++k)
            EXPECT_EQ(bytes.at(idBase + idStep * static_cast<long>(k)),
                      std::stoi(saved.id.substr(k, 1), nullptr, 16));
        const bool keepsEEPROM = mask == 0x3FFF || mask == 0xFF;
        for (int i = 0; keepsEEPROM && i < chip.EEPROMSize; ++i)
            ASSERT_EQ(WordAt(bytes, 0x4200 + 2L * i), saved.image.EEPROMData[i]);
        for (int i = 0; mask == 0xFFFF && i < chip.EEPROMSize; ++i)
            ASSERT_EQ(bytes.at(0xF00000 + i), saved.image.EEPROMData[i]);
        const long fuseBase = mask == 0xFFFF ? 0x300000 : (mask == 0xFFF ? 0x1FFE : 0x400E);
        for (int i = 1; mask != 0xFF && i <= (mask == 0xFFFF ? 7 : 1); ++i)
            EXPECT_EQ(WordAt(bytes, fuseBase + 2L * (i - 1)), saved.image.FuseValue[i]);
    }
}
