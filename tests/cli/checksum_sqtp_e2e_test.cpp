// The chip maker's checksum in tessaro-cli (checksum FILE, results, log
// lines), and SQTP files as serial lists: each part's record lands where it
// says, and a record that cannot is refused before any chip is touched.
#include "cli/cli_test_support.h"

#include <fstream>

#include <gtest/gtest.h>

namespace {
using namespace clitest;

// Intel HEX data records, each `bytes` at byte address `at` (below 64K).
std::string SqtpText(int at, const std::vector<std::vector<int>>& parts) {
    std::string text;
    for (const std::vector<int>& bytes : parts) {
        std::vector<int> record = {static_cast<int>(bytes.size()), at >> 8, at & 0xFF, 0};
        record.insert(record.end(), bytes.begin(), bytes.end());
        int sum = 0;
        char hex[4];
        text += ':';
        for (const int b : record) {
            std::snprintf(hex, sizeof hex, "%02X", b);
            text += hex;
            sum += b;
        }
        std::snprintf(hex, sizeof hex, "%02X", -sum & 0xFF);
        text += std::string(hex) + "\r\n";
    }
    return text + ":00000001FF\r\n";
}

std::string WriteText(const ProgramFolder& f, const std::string& name, const std::string& text) {
    std::ofstream(f.Path(name), std::ios::binary) << text;
    return f.Path(name);
}

TEST(CliChecksum, ShowsTheTablesValueAndSaysASerialEepromHasNone) {
    ProgramFolder f;
    const ChipRecord chip = Record("16F877A");
    MemoryImage image;
    image.ROMData.assign(static_cast<std::size_t>(chip.ROMSize), chip.WordMask);
    image.ROMData.front() = image.ROMData.back() = 0x25E6;
    image.FuseValue = chip.FuseBlank;
    const std::string file = WriteHex(f, "pattern.hex", image, chip, "");
    const CliRun text = RunTool(f, {"checksum", file, "--chip", "16F877A"});
    EXPECT_EQ(text.code, 0) << text.err;
    EXPECT_EQ(text.out, "checksum: 0xDB9D\n");
    const CliRun json = RunTool(f, {"checksum", file, "--chip", "16F877A", "--json"});
    ASSERT_EQ(json.Results().size(), 1u) << json.err;
    EXPECT_EQ(json.Results()[0].at("checksum"), "0xDB9D");
    EXPECT_EQ(RunTool(f, {"checksum", file, "--chip", "16F877A", "--port", "COM2"}).code, 3);

    const ChipRecord serial = Record("24C02");
    MemoryImage bytes;
    bytes.EEPROMData.assign(static_cast<std::size_t>(serial.EEPROMSize), 0x5A);
    const std::string eeprom = WriteHex(f, "eeprom.hex", bytes, serial, "");
    const CliRun none = RunTool(f, {"checksum", eeprom, "--chip", "24C02"});
    EXPECT_EQ(none.out, "checksum: none (a serial EEPROM has no checksum)\n") << none.err;
    const CliRun noneJson = RunTool(f, {"checksum", eeprom, "--chip", "24C02", "--json"});
    ASSERT_EQ(noneJson.Results().size(), 1u);
    EXPECT_EQ(noneJson.Results()[0].at("checksum"), "null");
}

TEST(CliSqtp, EachPartsRecordLandsWhereItSaysAndTheLogCarriesItsChecksum) {
    SimBoard sim(boardsim::Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const std::string file = WritePatternHex(f, "16F628A");
    // Program word 0x100 (byte 0x200): two RETLWs per part.
    const std::string parts = WriteText(
        f, "line.num", SqtpText(0x200, {{0x01, 0x34, 0x02, 0x34}, {0x01, 0x34, 0x03, 0x34}}));
    const std::string log = f.Path("line.log");
    const std::vector<std::string> run = {"program", file,    "--chip", "16F628A", "--serial-list",
                                          parts,     "--log", log,      "--json",  "--yes"};
    for (const int last : {0x3402, 0x3403}) {
        const CliRun program = RunTool(f, run);
        ASSERT_EQ(program.code, 0) << program.err;
        sim.server.WithBoard([last](boardsim::Board& b) {
            EXPECT_EQ(b.chip().Rom(0x100), 0x3401);
            EXPECT_EQ(b.chip().Rom(0x101), last);
            EXPECT_EQ(b.chip().Rom(0x102), 0x3FFF);
        });
    }
    EXPECT_EQ(RunTool(f, run).code, 3); // the file has no part left

    const auto lines = LogLines(log);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2].at("serial"), "259"); // 0x0103: the RETLW operands
    EXPECT_EQ(lines[2].at("checksum"), lines[3].at("checksum"));
    EXPECT_NE(lines[1].at("checksum"), lines[3].at("checksum"));
    // Read back, the chip's checksum is the one logged.
    const CliRun read = RunTool(f, {"read", f.Path("back.hex"), "--chip", "16F628A", "--json"});
    ASSERT_EQ(read.Results().size(), 1u) << read.err;
    EXPECT_EQ(read.Results()[0].at("checksum"), lines[3].at("checksum"));
    const CliRun back = RunTool(f, {"checksum", f.Path("back.hex"), "--chip", "16F628A"});
    EXPECT_EQ(back.out, "checksum: " + lines[3].at("checksum") + "\n");
}

TEST(CliSqtp, ARecordThatCannotLandIsRefusedBeforeAnyChip) {
    ProgramFolder f; // no board: the refusal comes before the port is opened
    const std::string file = WritePatternHex(f, "12F675");
    const auto refused = [&](int at, const char* why) {
        const std::string parts = WriteText(f, "p.num", SqtpText(at, {{0x05, 0x34}}));
        const CliRun run = RunTool(f, {"program", file, "--chip", "12F675", "--serial-list", parts,
                                       "--serial-state", f.Path("state")});
        EXPECT_EQ(run.code, 3) << at;
        EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
    };
    refused(0x7FE, "would write over the calibration word");
    refused(0x0010, "would write over the program's own data");
    refused(0x5000, "lie outside the 12F675");
    const std::string parts = WriteText(f, "p.num", SqtpText(0x200, {{0x05, 0x34}}));
    const CliRun placed = RunTool(f, {"program", file, "--chip", "12F675", "--serial-list", parts,
                                      "--serial-at", "rom:0x100", "--serial-state", f.Path("s")});
    EXPECT_EQ(placed.code, 3);
    EXPECT_NE(placed.err.find("no --serial-at with it"), std::string::npos) << placed.err;
}

} // namespace
