#include "hex_test_support.h"
#include "image/hex_extract.h"
#include "image/hex_load.h"
#include "protocol/engine_texts.h"
#include "workbench/load_messages.h"

#include <gtest/gtest.h>

using namespace hextest;

namespace {

struct Loaded {
    HexLoadResult result;
    MemoryImage image;
    std::string id;
    int asked = 0; // times the core-type question was asked
};

// A plain load into a blank image; the core-type question is answered `answer`.
Loaded Load(const ChipRecord& chip, const std::vector<std::string>& lines, bool answer = true) {
    Loaded out;
    out.image = BlankImage(chip, out.id);
    out.result = LoadHexLines(lines, chip, out.image, out.id, [&] {
        ++out.asked;
        return answer;
    });
    return out;
}

// What a failed load tells, worded, for the message of a failed check.
std::string Told(const HexLoadResult& r) {
    return Worded(LoadMessage(r));
}

std::string Words(std::initializer_list<int> words) {
    std::string data;
    for (int w : words)
        data += Hex(w & 0xFF, 2) + Hex(w >> 8, 2);
    return data;
}

} // namespace

TEST(LoadHexLines, EndRecordAloneGivesABlankImageForEveryCore) {
    for (const ChipRecord& chip : {Chip12(), Chip14(), Chip16(2), ChipSerialEEPROM()}) {
        std::string id;
        const MemoryImage blank = BlankImage(chip, id);
        Loaded l = Load(chip, {kEnd});
        EXPECT_TRUE(l.result.Loaded());
        EXPECT_EQ(l.image.ROMData, blank.ROMData);
        EXPECT_EQ(l.image.EEPROMData, blank.EEPROMData);
        EXPECT_EQ(l.image.FuseValue, blank.FuseValue);
        EXPECT_EQ(l.id, id);
    }
    // Without the end line the program memory part never ends.
    const HexLoadResult endless = Load(Chip16(), {Segment(0), Record(0, "00", "0102")}).result;
    EXPECT_EQ(endless.failure, HexLoadFailure::BadRegion);
    EXPECT_EQ(endless.region, MemoryRegion::Rom);
}

// What compilers for 16-bit cores write: data from the first line, the first
// extended linear address record only where the configuration bytes begin
// (one byte a record, at odd addresses too), or none at all when the file
// holds program memory only; a start address that places nothing. Every
// shape gives the bytes the same file with a leading 0x0000 record gives.
TEST(LoadHexLines, Takes16BitFilesWhateverRecordComesFirst) {
    const std::string code = Record(0, "00", Words({0xEF04, 0xF000})),
                      top = Record(0x7FFC, "00", Words({0xEF00, 0xF000}));
    const std::vector<std::string> config = {Segment(0x30), Record(1, "00", "C8"),
                                             Record(3, "00", "1E"), Record(0, "00", "00")};
    const std::vector<std::vector<std::string>> files = {
        {Segment(0), code, top, config[0], config[1], config[2], config[3], kEnd},
        {code, top, config[0], config[1], config[2], config[3], kEnd},
        {top, ":04000005000000CD2A", config[0], config[1], config[2], config[3],
         ":0400000300003800C1", Segment(0), code, kEnd},
    };
    const Loaded first = Load(Chip16(2), files[0]);
    for (const auto& file : files) {
        const Loaded l = Load(Chip16(2), file);
        ASSERT_TRUE(l.result.Loaded()) << Told(l.result);
        EXPECT_EQ(l.image.ROMData, first.image.ROMData);
        EXPECT_EQ(l.image.FuseValue, first.image.FuseValue);
        EXPECT_EQ(l.result.bytesOutside, 0);
    }
    EXPECT_EQ(first.image.ROMData[1], 0xF000);
    EXPECT_EQ(first.image.ROMData[0x3FFE], 0xEF00);
    EXPECT_EQ(first.image.FuseValue[1], 0xC800 & 0x2700);
    EXPECT_EQ(first.image.FuseValue[2], 0x1EFF & 0x0F0F); // its low byte not given: blank
    const Loaded codeOnly = Load(Chip16(2), {code, top, kEnd});
    ASSERT_TRUE(codeOnly.result.Loaded()) << Told(codeOnly.result);
    EXPECT_EQ(codeOnly.image.ROMData, first.image.ROMData);
}

// An extended segment address places its records at S × 16; a record of a
// type no reading can place is a faulty line, never data at its address.
TEST(LoadHexLines, PlacesSegmentAddressesAndRefusesUnknownTypes) {
    const Loaded l =
        Load(Chip14(), {Record(0, "02", "0001"), Record(0, "00", Words({0x2805})), kEnd});
    ASSERT_TRUE(l.result.Loaded()) << Told(l.result);
    EXPECT_EQ(l.image.ROMData[8], 0x2805);
    EXPECT_EQ(l.image.ROMData[0], 0x3FFF);
    for (const std::string& faulty : {Record(0, "06", "0000"), Record(0, "04", "000000")}) {
        const HexLoadResult r = Load(Chip14(), {Record(0, "00", "0102"), faulty, kEnd}).result;
        EXPECT_EQ(r.failure, HexLoadFailure::BadLine) << faulty;
        EXPECT_EQ(r.badLine, 1) << faulty;
    }
}

TEST(LoadHexLines, ReportsTheFaultyLineByIndex) {
    Loaded l = Load(Chip14(), {Record(0, "00", "0102"), Record(2, "00", "0304"), "", kEnd});
    EXPECT_FALSE(l.result.Loaded());
    EXPECT_EQ(l.result.badLine, 2);
    EXPECT_EQ(Told(l.result), "Error in HEX file - line 2");
}

TEST(LoadHexLines, Reads14BitFileWithEveryRegion) {
    const ChipRecord chip = Chip14();
    Loaded l = Load(chip, {Record(0x0000, "00", Words({0x2805, 0x0041, 0x3FFF})),
                           Record(0x0010, "00", Words({0x1234})), ":084000000100020003000400AE",
                           Record(0x4200, "00", "11002200"), Record(0x4300, "00", "7F00"),
                           Record(0x400E, "00", Words({0x3FF1})), kEnd});
    ASSERT_TRUE(l.result.Loaded()) << Told(l.result);
    EXPECT_EQ(l.image.ROMData[0], 0x2805);
    EXPECT_EQ(l.image.ROMData[1], 0x41);
    EXPECT_EQ(l.image.ROMData[8], 0x1234);
    EXPECT_EQ(l.image.ROMData[9], 0x3FFF);
    EXPECT_EQ(l.image.EEPROMData[0], 0x11);
    EXPECT_EQ(l.image.EEPROMData[1], 0x22);
    EXPECT_EQ(l.image.EEPROMData[0x80], 255); // beyond the chip: 0x4300 is key 0x2180
    EXPECT_EQ(l.image.EEPROMData[2], 255);
    EXPECT_EQ(l.id, "1234");
    EXPECT_EQ(l.image.FuseValue[1], 0x3FF1);
    EXPECT_EQ(l.asked, 0);
}

TEST(LoadHexLines, WideWordsAsk12BitCoreBeforeTruncating) {
    const std::vector<std::string> file = {Record(0, "00", Words({0x0123, 0x3FFF, 0x0C00})),
                                           Record(0x1FFE, "00", Words({0x0FEA})), kEnd};
    Loaded yes = Load(Chip12(), file, true);
    EXPECT_TRUE(yes.result.Loaded());
    EXPECT_EQ(yes.asked, 1);
    EXPECT_EQ(yes.image.ROMData[1], 0xFFF);
    EXPECT_EQ(yes.image.ROMData[2], 0xC00);
    EXPECT_EQ(yes.image.FuseValue[1], 0xFEA);
    EXPECT_EQ(yes.id, "FFFF"); // no ID words in the file

    Loaded no = Load(Chip12(), file, false);
    EXPECT_FALSE(no.result.Loaded());
    EXPECT_EQ(no.result.failure, HexLoadFailure::Declined);
    EXPECT_FALSE(LoadMessage(no.result));   // the user's own answer needs no message
    EXPECT_EQ(no.image.ROMData[1], 0x3FFF); // left as extracted
}

TEST(LoadHexLines, ByteWideEEPROMOfCoreType2FollowsTheByteAddress) {
    const ChipRecord chip = Chip16(2);
    std::string first, second;
    for (int i = 0; i < 16; ++i) {
        first += Hex(i, 2);
        second += Hex(0x80 + i, 2);
    }
    Loaded l = Load(chip, {Segment(0), Record(0, "00", "0102"), Segment(0x00F0),
                           Record(0x0000, "00", first), Record(0x0010, "00", second), kEnd});
    ASSERT_TRUE(l.result.Loaded()) << Told(l.result);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(l.image.EEPROMData[i], i);
        EXPECT_EQ(l.image.EEPROMData[16 + i], 0x80 + i);
    }
    EXPECT_EQ(l.image.EEPROMData[32], 255);
}

TEST(LoadHexLines, Reads16BitIdAndSevenMaskedConfigurationWords) {
    const ChipRecord chip = Chip16();
    Loaded l =
        Load(chip, {Segment(0), Record(0, "00", Words({0xABCD})), Segment(0x20),
                    Record(0x0006, "00", "0102"), Segment(0x30),
                    Record(0, "00", Words({0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0, 0xFFFF, 1})), kEnd});
    ASSERT_TRUE(l.result.Loaded()) << Told(l.result);
    EXPECT_EQ(l.image.ROMData[0], 0xABCD);
    EXPECT_EQ(l.id, "FFFFFF12");
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(l.image.FuseValue[i], chip.FuseBlank[i]);
    EXPECT_EQ(l.image.FuseValue[5], 0);
    EXPECT_EQ(l.image.FuseValue[6], chip.FuseBlank[6]);
    EXPECT_EQ(l.image.FuseValue[7], 1);
}

TEST(LoadHexLines, ProgramMemoryEndsAtAKeyBeyondTheChipWithoutAnEndLine) {
    ChipRecord chip = Chip14();
    chip.FlashChip = false;
    Loaded l = Load(chip, {Record(0, "00", Words({1, 2})), Record(0x400E, "00", Words({0x3F00}))});
    EXPECT_TRUE(l.result.Loaded()) << Told(l.result);
    EXPECT_EQ(l.image.ROMData[1], 2);
    EXPECT_EQ(l.image.FuseValue[1], 0x3F00);
    // Lines that run out inside a region name it.
    EXPECT_EQ(Told(Load(chip, {Record(0, "00", Words({1, 2}))}).result), "Error in HEX file - ROM");
    // The configuration extractor needs seven words or the end.
    MemoryImage image;
    EXPECT_FALSE(
        NewExtractFuseData({Segment(0x30), Record(0, "00", Words({1, 2}))}, Chip16(), image));
    EXPECT_TRUE(
        NewExtractFuseData({Segment(0x30), Record(0, "00", Words({1, 2})), kEnd}, Chip16(), image));
}

// A 16-bit core of type 1 with more than 0x2100 program words: the words at
// keys 0x2100 and on stay program words and do not turn into EEPROM bytes.
TEST(LoadHexLines, ProgramWordsInsideTheEEPROMWindowStayProgramWords) {
    const ChipRecord chip = Chip16(1);
    ASSERT_GT(chip.ROMSize, 0x2100);
    Loaded l = Load(chip, {Segment(0), Record(0x4200, "00", Words({0x1234, 0x5678})), kEnd});
    ASSERT_TRUE(l.result.Loaded()) << Told(l.result);
    EXPECT_EQ(l.image.ROMData[0x2100], 0x1234);
    EXPECT_EQ(l.image.EEPROMData[0], 255);
    EXPECT_EQ(l.image.EEPROMData[1], 255);
}

// Records at any byte address and of any length, as assemblers write them for
// configuration bytes and packed strings: every byte lands at its own address,
// the other half of its word keeps what it held.
TEST(LoadHexLines, PlacesEveryByteAtItsOwnAddressInEveryRegion) {
    struct Case {
        const char* what;
        ChipRecord chip;
        std::vector<std::string> records;
        std::function<int(const Loaded&)> got;
        int want;
    };
    const auto rom = [](int i) { return [i](const Loaded& l) { return l.image.ROMData[i]; }; };
    const auto eeprom = [](int i) {
        return [i](const Loaded& l) { return l.image.EEPROMData[i]; };
    };
    const auto fuse = [](int k) { return [k](const Loaded& l) { return l.image.FuseValue[k]; }; };
    const auto id = [](const Loaded& l) { return static_cast<int>(std::stoll(l.id, nullptr, 16)); };
    const ChipRecord c14 = Chip14(), c16 = Chip16(2);
    const std::string s0 = Segment(0), s20 = Segment(0x20), s30 = Segment(0x30),
                      sF0 = Segment(0xF0);
    // clang-format off
    const Case cases[] = {
        {"ROM odd start", c14, {Record(0x0001, "00", "12")}, rom(0), 0x12FF},
        {"ROM odd count", c14, {Record(0x0010, "00", "341256")}, rom(9), 0x3F56},
        {"ROM crossing", c14, {Record(0x0003, "00", "2143")}, rom(2), 0x3F43},
        {"ROM overwritten", c14, {Record(0x20, "00", "3412"), Record(0x21, "00", "05")}, rom(16),
         0x0534},
        {"EEPROM odd start", c14, {Record(0x4201, "00", "00AA")}, eeprom(1), 0xAA},
        {"EEPROM odd count", c14, {Record(0x4200, "00", "110022")}, eeprom(1), 0x22},
        {"EEPROM crossing", c14, {Record(0x4203, "00", "0033")}, eeprom(2), 0x33},
        {"EEPROM overwritten", c14, {Record(0x4200, "00", "1100"), Record(0x4200, "00", "22")},
         eeprom(0), 0x22},
        {"ID odd start", c14, {Record(0x4001, "00", "0005")}, id, 0xF5FF},
        {"ID odd count", c14, {Record(0x4000, "00", "010002")}, id, 0x12FF},
        {"ID crossing", c14, {Record(0x4003, "00", "0007")}, id, 0xFF7F},
        {"ID overwritten", c14, {Record(0x4000, "00", "01000200"), Record(0x4002, "00", "09")},
         id, 0x19FF},
        {"FUSE odd start, crossing", c14, {Record(0x400D, "00", "00F1")}, fuse(1), 0x3FF1},
        {"FUSE odd count", c14, {Record(0x400E, "00", "F2")}, fuse(1), 0x3FF2},
        {"FUSE high byte alone", c14, {Record(0x400F, "00", "2A")}, fuse(1), 0x2AFF},
        {"FUSE overwritten", c14, {Record(0x400E, "00", "F13F"), Record(0x400E, "00", "F4")},
         fuse(1), 0x3FF4},
        // INHX32 for a 16-bit core: configuration bytes from 0x300001 and
        // 0x300005 (CONFIG3H and CONFIG4L), a packed string, EEPROM and ID bytes.
        {"16-bit FUSE odd start", c16, {s30, Record(0x0001, "00", "220C0E")}, fuse(2), 0x0E0C},
        {"16-bit FUSE crossing", c16, {s30, Record(0x0005, "00", "0181")}, fuse(4), 0x0081},
        {"16-bit ROM odd count", c16, {s0, Record(0x0200, "00", "48656C6C6F")}, rom(0x102),
         0xFF6F},
        {"16-bit EEPROM odd start", c16, {sF0, Record(0x0001, "00", "0102")}, eeprom(2), 0x02},
        {"16-bit ID overwritten", c16, {s20, Record(0, "00", "0102"), Record(1, "00", "05")}, id,
         0x15FFFFFF},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::vector<std::string> lines = c.records;
        lines.push_back(kEnd);
        const Loaded l = Load(c.chip, lines);
        EXPECT_TRUE(l.result.Loaded()) << c.what << ": " << Told(l.result);
        EXPECT_EQ(c.got(l), c.want) << c.what;
        EXPECT_EQ(l.asked, 0) << c.what;
    }
}

// Word-aligned records beyond the chip, and files without any byte inside it.
TEST(LoadHexLines, CountsTheBytesThatFoundAPlace) {
    EXPECT_EQ(Load(Chip14(), {Record(0x07FE, "00", "AA55BB"), kEnd}).result.bytesTaken, 2);
    Loaded l = Load(Chip14(), {Record(0x07FE, "00", "AA55BB"), kEnd});
    EXPECT_EQ(l.image.ROMData[0x3FF], 0x15AA);
    EXPECT_EQ(Load(Chip14(), {Record(0x4400, "00", "0102"), kEnd}).result.bytesTaken, 0);
    EXPECT_EQ(Load(Chip14(), {kEnd, Record(0, "00", "0102")}).result.bytesTaken, 0);
}

// A 12-bit core's ID words follow program memory, where the assemblers put
// them (a 12F508's at 0x200..0x203). A file saved before they were kept there
// holds the blank extra entry and filler words at that address instead.
TEST(LoadHexLines, Takes12BitIdWordsAfterProgramMemory) {
    Loaded l = Load(Chip12(), {Record(0, "00", Words({0xA25})),
                               Record(0x400, "00", Words({1, 0xA, 3, 0xC})), kEnd});
    ASSERT_TRUE(l.result.Loaded()) << Told(l.result);
    EXPECT_EQ(l.id, "1A3C");
    EXPECT_EQ(l.image.ROMData[0x1FF], 0xFFF);
    EXPECT_EQ(l.result.bytesOutside, 0);

    std::string blankWords;
    for (int n = 0; n < 8; ++n)
        blankWords += "FF0F";
    Loaded old = Load(Chip12(), {Record(0x400, "00", blankWords), kEnd});
    ASSERT_TRUE(old.result.Loaded()) << Told(old.result);
    EXPECT_EQ(old.id, "FFFF");
    EXPECT_EQ(old.result.bytesOutside, 0);
}

// Bytes that no window of the chip takes are counted, so that the user learns
// the file was made for another chip. Erased words there hold no data: the
// blank fill of our own saved files, an erased word the chip does not keep.
TEST(LoadHexLines, CountsTheBytesOutsideEveryWindow) {
    const std::string blank14 = Words({0x3FFF, 0x3FFF, 0x3FFF, 0x3FFF});
    const ChipRecord c12 = Chip12(), c14 = Chip14(), c16 = Chip16(2), eeprom = ChipSerialEEPROM();
    struct Case {
        const char* what;
        const ChipRecord& chip;
        std::vector<std::string> file;
        int outside;
    } cases[] = {
        // clang-format off
        {"code of a larger chip", c14, {Record(0x07FC, "00", Words({1, 2, 3, 4})), kEnd}, 4},
        {"configuration word 2", c14, {Record(0x400E, "00", Words({0x3FFF, 0x3FFE})), kEnd}, 2},
        {"erased word 2", c14, {Record(0x400E, "00", Words({0x3F00, 0x3FFF})), kEnd}, 0},
        {"12-bit word past the ID", c12, {Record(0x408, "00", Words({0xC25})), kEnd}, 2},
        {"saved blank fill", c14, {Record(0x800, "00", blank14), Record(0x4300, "00", "FF00"), kEnd}, 0},
        {"serial EEPROM's program record", eeprom, {Record(0, "00", Words({0xFF, 0x3FFF})), kEnd}, 0},
        {"after the end line", c14, {kEnd, Record(0x900, "00", "01")}, 0},
        {"16-bit ID, configuration and EEPROM", c16, {Segment(0x20), Record(0, "00", "0102030405060708"),
            Segment(0x30), Record(0, "00", std::string(28, '0')), Segment(0xF0), Record(0xFF, "00", "01"), kEnd}, 0},
        {"16-bit configuration word 8", c16, {Segment(0x30), Record(14, "00", "0000"), kEnd}, 2},
        // The halves of a word from two records, as compilers write configuration bytes.
        {"word 2 a byte a record", c14, {Record(0x4010, "00", "00"), Record(0x4011, "00", "FF"), kEnd}, 2},
        {"erased word 2 a byte a record", c14, {Record(0x4011, "00", "3F"), Record(0x4010, "00", "FF"), kEnd}, 0},
        {"lone high byte 0x00", c14, {Record(0x4011, "00", "00"), kEnd}, 1},
        {"lone high byte 0x3F", c14, {Record(0x4011, "00", "3F"), kEnd}, 0},
        {"a byte given twice", c14, {Record(0x0800, "00", "01"), Record(0x0800, "00", "02"), kEnd}, 1},
        // clang-format on
    };
    for (const Case& c : cases) {
        const Loaded l = Load(c.chip, c.file);
        ASSERT_TRUE(l.result.Loaded()) << c.what << ": " << Told(l.result);
        EXPECT_EQ(l.result.bytesOutside, c.outside) << c.what;
    }
}

// The count says how many bytes, in words a user reads.
TEST(LoadHexLines, NamesOneByteOutsideInTheSingular) {
    EXPECT_EQ(OutsideMemoryText(1, "a.hex", "16F84A"),
              "1 byte of a.hex lies outside 16F84A's memory and was not loaded");
    EXPECT_EQ(OutsideMemoryText(2, "a.hex", "16F84A"),
              "2 bytes of a.hex lie outside 16F84A's memory and were not loaded");
}

// A record that runs past 64K: its bytes below are the top of a 64K chip's
// program memory, those above lie outside it.
TEST(LoadHexLines, SplitsARecordThatRunsPast64K) {
    ChipRecord chip = Chip16(2);
    chip.ROMSize = 0x8000;
    const Loaded l = Load(chip, {Record(0xFFF8, "00", std::string(16, '0') + "0102030405060708"),
                                 Record(0, "00", "0400"), kEnd});
    ASSERT_TRUE(l.result.Loaded()) << Told(l.result);
    EXPECT_EQ(l.image.ROMData[0x7FFC], 0);
    EXPECT_EQ(l.image.ROMData[0x7FFF], 0);
    EXPECT_EQ(l.image.ROMData[0], 4);
    EXPECT_EQ(l.result.bytesOutside, 8);
}

// A file for a chip with more than 64K bytes of program memory continues in
// segment 1. Those words are outside every supported chip; they must not fold
// onto the first words.
TEST(LoadHexLines, LeavesProgramMemoryPast64KOutside) {
    const Loaded l = Load(Chip16(2), {Segment(0), Record(0, "00", "1234"), Segment(1),
                                      Record(0, "00", "5678"), kEnd});
    ASSERT_TRUE(l.result.Loaded()) << Told(l.result);
    EXPECT_EQ(l.image.ROMData[0], 0x3412);
    EXPECT_EQ(l.result.bytesOutside, 2);
}

// A merge right after a chip change finds empty lists: they are blank-filled
// first, so every word of the file lands and nothing is written outside them.
TEST(LoadHexLines, MergeIntoEmptyListsBlankFillsThemFirst) {
    const ChipRecord chip = Chip14();
    MemoryImage image;
    std::string id = "FFFF";
    HexLoadResult r =
        LoadHexLines({Record(0x07F0, "00", Words({7})), Record(0x4200, "00", "5A00"), kEnd}, chip,
                     image, id, nullptr);
    ASSERT_TRUE(r.Loaded()) << Told(r);
    ASSERT_EQ(image.ROMData.size(), 0x401u);
    ASSERT_EQ(image.EEPROMData.size(), 0x81u);
    EXPECT_EQ(image.ROMData[0x3F8], 7);
    EXPECT_EQ(image.ROMData[0], 0x3FFF);
    EXPECT_EQ(image.EEPROMData[0], 0x5A);
    EXPECT_EQ(image.EEPROMData[1], 255);
}

// Unscanned or hostile lines: far segments, counts the data does not hold,
// addresses past every window, and lists shorter than the chip.
TEST(Extractors, NeverReachOutsideTheLists) {
    const std::vector<std::vector<std::string>> files = {
        {Segment(0xFFFF), Record(0xFFFE, "00", Words({1, 2, 3, 4, 5, 6, 7, 8})), kEnd},
        {Segment(0x00F0), Record(0xFFF0, "00", std::string(32, 'A')), kEnd},
        {":FF000000", ":FFFFFF00AABB", ":10F000000102", kEnd},
        {Segment(0x0020), Record(0xFFF8, "00", "0102030405060708"), Record(0, "00", "01"), kEnd},
        {"::::::::::::::", ":020000040zz0FA", Record(0x4000, "00", "0G00"), kEnd},
    };
    for (ChipRecord chip : {Chip12(), Chip14(), Chip16(), Chip16(2), ChipSerialEEPROM()}) {
        for (const auto& file : files) {
            MemoryImage image;
            image.ROMData.assign(3, 0);
            image.EEPROMData.assign(3, 0);
            std::string id = "0000";
            NewExtractROMData(file, chip, image);
            NewExtractEEPROMData(file, chip, image);
            NewExtractIDData(file, chip, id);
            NewExtractFuseData(file, chip, image);
            EXPECT_EQ(image.ROMData.size(), 3u);
            EXPECT_EQ(image.EEPROMData.size(), 3u);
            EXPECT_LE(id.size(), 8u);
        }
    }
}
