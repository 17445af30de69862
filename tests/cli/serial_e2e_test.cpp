// Serial numbers written by tessaro-cli: where they land, in which byte
// order, and that a number is never given out twice.
#include "child_process.h"
#include "cli/cli_test_support.h"
#include "cli/serial_numbers.h"

#include <fstream>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

namespace {
using namespace clitest;
using boardsim::Model;

TEST(Serial, NumbersLandInEepromAndRomInTheirByteOrderAndAreLogged) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const std::string file = WritePatternHex(f, "16F628A");
    const std::string log = f.Path("line.log");
    const std::vector<std::string> base = {"program", file,       "--chip", "16F628A", "--log",
                                           log,       "--serial", "1000",   "--yes"};

    CliRun first = RunTool(f, With(base, {"--serial-at", "eeprom:0x10"}));
    ASSERT_EQ(first.code, 0) << first.err;
    sim.server.WithBoard([](boardsim::Board& b) {
        EXPECT_EQ(b.chip().Eeprom(7), 0x47); // the file's own bytes stay
        EXPECT_EQ(b.chip().Eeprom(0x14), 0xFF);
        const int want[] = {0x00, 0x00, 0x03, 0xE8};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(b.chip().Eeprom(0x10 + i), want[i]) << i;
    });
    CliRun second = RunTool(f, With(base, {"--serial-at", "rom:0x100", "--serial-bytes", "2",
                                           "--serial-order", "little"}));
    ASSERT_EQ(second.code, 0) << second.err;
    sim.server.WithBoard([](boardsim::Board& b) {
        EXPECT_EQ(b.chip().Rom(0x100), 0x34E9); // RETLW 0xE9
        EXPECT_EQ(b.chip().Rom(0x101), 0x3403);
        EXPECT_EQ(b.chip().Rom(0x102), 0x3FFF);
    });

    const auto lines = LogLines(log);
    ASSERT_EQ(lines.size(), 4u);
    const char* serials[] = {"1000", "1000", "1001", "1001"};
    const char* results[] = {"started", "done", "started", "done"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].at("serial"), serials[i]);
        EXPECT_EQ(lines[i].at("result"), results[i]);
        EXPECT_EQ(lines[i].at("board"), "COM1");
    }
    // The checksum is the chip's, serial included.
    EXPECT_EQ(lines[0].at("image_crc32"), lines[1].at("image_crc32"));
    EXPECT_NE(lines[1].at("image_crc32"), lines[3].at("image_crc32"));
    EXPECT_EQ(ReadFile(log + ".serial"), "next 1002\n");
    // Read back, the chip is the image the log names.
    CliRun read = RunTool(f, {"read", f.Path("back.hex"), "--chip", "16F628A", "--json"});
    ASSERT_EQ(read.Results().size(), 1u) << read.err;
    EXPECT_EQ(read.Results()[0]["image_crc32"], lines[3].at("image_crc32"));
}

TEST(Serial, SixteenBitProgramMemoryTakesTheBytesAsTheyAre) {
    SimBoard sim(Model::Birch_B, "18F252");
    ProgramFolder f(sim.Url());
    const std::string file = WritePatternHex(f, "18F252");
    CliRun run = RunTool(f, {"program", file, "--chip", "18F252", "--serial", "0x12345678",
                             "--serial-at", "rom:0x200", "--serial-state", f.Path("state")});
    ASSERT_EQ(run.code, 0) << run.err;
    sim.server.WithBoard([](boardsim::Board& b) {
        EXPECT_EQ(b.chip().Rom(0x200), 0x3412);
        EXPECT_EQ(b.chip().Rom(0x201), 0x7856);
    });
}

// 12-bit cores read a table of RETLW 0x8nn; the calibration word at the top is never a place.
TEST(Serial, TwelveBitProgramMemoryTakesOneRetlwPerByte) {
    const ChipRecord chip = Record("12F508");
    MemoryImage image = Pattern(chip);
    SerialOptions o;
    o.inRom = true;
    o.address = 0x1FE;
    o.bytes = 2;
    EXPECT_NE(CheckSerialPlace(o, chip, image.ROMData, image.EEPROMData).find("program's own data"), std::string::npos);
    o.address = 0x100;
    ASSERT_EQ(CheckSerialPlace(o, chip, image.ROMData, image.EEPROMData), "");
    ImagePatch patch;
    ASSERT_EQ(SerialPatch(chip, o, 0xABCD, patch), "");
    ApplyPatch(image, chip, patch);
    EXPECT_EQ(image.ROMData[0x100], 0x8AB);
    EXPECT_EQ(image.ROMData[0x101], 0x8CD);
    EXPECT_NE(SerialPatch(chip, o, 0x10000, patch), "");
}

TEST(Serial, BadSerialInputExits3BeforeTheBoardIsTouched) {
    SimBoard sim(Model::Elm, "16F628A");
    ProgramFolder f(sim.Url());
    const std::string file = WritePatternHex(f, "16F628A");
    std::ofstream(f.Path("one.txt")) << "0x10\n\n";
    const std::vector<std::string> base = {"--chip", "16F628A", "--serial-state", f.Path("s")};
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
        {{"program", file, "--serial", "70000", "--serial-bytes", "2", "--serial-at",
          "eeprom:0x20"},
         "serial 70000 does not fit in 2 bytes"},
        {{"program", file, "--serial", "300", "--serial-bytes", "1", "--serial-at", "eeprom:0x20"},
         "serial 300 does not fit in 1 byte"},
        {{"program", file, "--serial", "1", "--serial-at", "rom:0x20"}, "the program's own data"},
        {{"program", file, "--serial", "1", "--serial-at", "eeprom:126"}, "does not fit in the"},
        {{"program", file, "--serial", "1", "--serial-at", "flash:0"}, "--serial-at takes"},
        {{"program", file, "--serial", "1"}, "need --serial-at"},
        {{"auto", file, "--serial-list", f.Path("one.txt"), "--serial-at", "eeprom:0x20", "--count",
          "2"},
         "has 1 number left, not 2"},
        {{"verify", file, "--serial", "1", "--serial-at", "eeprom:0x20"}, "belong to program"},
    };
    for (const auto& [args, reason] : bad) {
        CliRun run = RunTool(f, With(args, base));
        EXPECT_EQ(run.code, 3) << reason;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
    }
    EXPECT_FALSE(sim.WaitForCommand("", 100));
    EXPECT_EQ(ReadFile(f.Path("s")), "");
}

// Two processes take numbers from one state file as fast as they can.
TEST(Serial, TwoProcessesSharingAStateFileNeverGetTheSameNumber) {
    ProgramFolder f;
    SerialOptions o;
    o.counter = true;
    o.start = 500;
    o.state = f.Path("shared.serial");
    constexpr int kEach = 40;
    // Each child is this test run again with the role "STATE|OUT".
    const std::string role = ChildRole();
    if (!role.empty()) {
        o.state = role.substr(0, role.find('|'));
        SerialSource source(o);
        std::ofstream out(role.substr(role.find('|') + 1), std::ios::binary);
        for (int i = 0; i < kEach; ++i) {
            std::uint64_t value = 0;
            std::string error;
            ASSERT_TRUE(source.Take(value, error)) << error;
            out << value << '\n' << std::flush;
        }
        return;
    }
    std::vector<ChildProcess> children;
    for (int c = 0; c < 2; ++c)
        children.push_back(
            ChildProcess::OfThisTest(o.state + "|" + f.Path("taken" + std::to_string(c))));
    for (ChildProcess& child : children)
        EXPECT_EQ(child.Wait(), 0);
    std::set<std::string> seen;
    for (int c = 0; c < 2; ++c) {
        std::istringstream taken(ReadFile(f.Path("taken" + std::to_string(c))));
        for (std::string value; std::getline(taken, value);)
            EXPECT_TRUE(seen.insert(value).second) << value << " given twice";
    }
    EXPECT_EQ(seen.size(), 2u * kEach);
    EXPECT_EQ(*seen.begin(), "500");
    EXPECT_EQ(ReadFile(o.state), "next " + std::to_string(500 + 2 * kEach) + "\n");
}

} // namespace
