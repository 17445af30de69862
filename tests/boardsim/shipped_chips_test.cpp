// Every chip of the shipped chip file in the simulator's socket: the board
// answers with the chip's device ID, blank configuration words, calibration
// word and sizes, as Read Chip Info and the blank check would see them.
#include "sim_fixtures.h"

#include "chip_hex.h"
#include "chip_info.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace boardsim::test {
namespace {

using Keys = std::map<std::string, std::string>;

// KEY=value lines of each record, by chip name; blanks dropped from the values.
std::vector<std::pair<std::string, Keys>> ShippedRecords(const std::vector<std::string>& lines) {
    std::vector<std::pair<std::string, Keys>> records;
    for (std::string line : lines) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos || line.rfind("LIST", 0) == 0)
            continue;
        if (line.rfind("CHIPNAME=", 0) == 0)
            records.push_back({line.substr(eq + 1), {}});
        else if (!records.empty()) {
            std::string value = line.substr(eq + 1);
            value.erase(std::remove(value.begin(), value.end(), ' '), value.end());
            records.back().second[line.substr(0, eq)] = value;
        }
    }
    return records;
}

int Hex(const std::string& text) {
    return int(std::strtol(text.c_str(), nullptr, 16));
}

int Word(const std::string& answer, std::size_t at) {
    return static_cast<unsigned char>(answer[at]) | static_cast<unsigned char>(answer[at + 1]) << 8;
}

TEST(ShippedChips, EveryChipAnswersAsItsRecordSays) {
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(std::string(TESSARO_SOURCE_DIR) + "/data/chipinfo.cid", lines));
    const auto records = ShippedRecords(lines);
    ASSERT_GT(records.size(), 100u);
    for (const auto& [name, keys] : records) {
        SCOPED_TRACE(name);
        const ChipInfoResult info = FindChipInfo(lines, name);
        ASSERT_TRUE(info.ok) << info.error;
        const int core = std::atoi(keys.at("CORETYPE").c_str());
        const int rom = Hex(keys.at("ROMSIZE"));
        const int eeprom = Hex(keys.at("EEPROMSIZE"));
        const bool calWord = keys.at("CALWORD") == "Y";
        const bool bandGap = keys.at("BANDGAP") == "Y";
        Rig rig(info.config);
        rig.Ask(InitBlock(rom, eeprom, core, (calWord ? 1 : 0) | (bandGap ? 2 : 0)));
        EXPECT_EQ(rig.Ask(Bytes({0x0C})).size(), std::size_t((eeprom + 15) / 16 * 16));
        if (rom == 0)
            continue;
        const int mask = info.config.core == CoreClass::Core12   ? 0x0FFF
                         : info.config.core == CoreClass::Core14 ? 0x3FFF
                                                                 : 0xFFFF;
        EXPECT_EQ(rig.Ask(Bytes({0x10, mask >> 8})).back(), 'Y');
        const std::string config = rig.Ask(Bytes({0x0D}));
        ASSERT_EQ(config.size(), 27u);
        const int id = Hex(keys.at("CHIPID"));
        EXPECT_EQ(id == 0xFFFF ? Word(config, 1) : Word(config, 1) & 0x3FE0,
                  id == 0xFFFF ? mask : id);
        const std::string blank = keys.at("FUSEBLANK");
        for (int k = 0; k < (mask == 0xFFFF ? 7 : 1); ++k) {
            const int compared = bandGap ? 0x0FFF : 0xFFFF; // the bandgap bits are the chip's own
            EXPECT_EQ(Word(config, 11 + 2 * k) & compared,
                      Hex(blank.substr(std::size_t(k) * 4, 4)) & compared)
                << "configuration word " << k + 1;
        }
        if (calWord) { // MOVLW or RETLW of the factory value
            EXPECT_EQ(Word(config, 25) & 0xFF00, mask == 0x0FFF ? 0x0C00 : 0x3400);
        }
    }
}

} // namespace
} // namespace boardsim::test
