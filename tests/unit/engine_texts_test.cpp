// The catalogue that words the engine's values: every text it makes is one
// the translations have, so a text changed in one place and not the other fails.
#include "chipdb/chip_text.h"
#include "link/programmer_style.h"
#include "platform/scripted_dialogs.h"
#include "protocol/engine_texts.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A language whose translation of each source text is the text in capitals:
// a small letter left in a shown text was no source text.
class CapitalLanguage {
public:
    CapitalLanguage() {
        SetTextLookup([](std::string_view source) -> std::optional<std::string> {
            const std::vector<std::string_view>& sources = SourceTexts();
            if (std::find(sources.begin(), sources.end(), source) == sources.end())
                return std::nullopt;
            return UpperCaseAscii(source);
        });
    }
    ~CapitalLanguage() { SetTextLookup({}); }
    CapitalLanguage(const CapitalLanguage&) = delete;
    CapitalLanguage& operator=(const CapitalLanguage&) = delete;
};

// Every word of `text` comes from a source text when shown; the particulars
// (the boards' names, which have small letters) stay as they are.
void ExpectTranslatable(const std::string& text, const std::string& what) {
    SCOPED_TRACE(what + ": " + text);
    ASSERT_FALSE(text.empty());
    std::string shown = Translated(text);
    EXPECT_EQ(UpperCaseAscii(shown), UpperCaseAscii(text));
    for (int style : {1, 2})
        for (std::size_t at; (at = shown.find(StyleInfo(style).messageName)) != std::string::npos;)
            shown.erase(at, std::string(StyleInfo(style).messageName).size());
    EXPECT_EQ(shown, UpperCaseAscii(shown)) << "not a source text";
}

Particulars Sample() {
    Particulars p;
    p.chip = "16F628A";
    p.port = "COM 3";
    p.style = 1;
    p.boardStyle = 2;
    p.address = 0x10;
    p.good = 0x3FFF;
    p.bad = 0x1234;
    p.deviceId = 0x1060;
    p.revision = 3;
    p.word = 0x3430;
    p.blank = {kBlankRom | kBlankEeprom | kBlankId | kBlankFuse, kBlankEeprom};
    p.text = "Baudrate is not valid"; // a port's own words, a source text
    p.path = "TESSARO.INI";
    p.count = 3;
    return p;
}

// Every message with the sample, then the variants of those whose words
// depend on their particulars.
std::vector<EngineMessage> EveryMessage() {
    std::vector<EngineMessage> all;
    for (int i = 0; i <= static_cast<int>(MessageWord::Last); ++i)
        all.emplace_back(static_cast<MessageWord>(i), Sample());
    const auto with = [&all](MessageWord what, auto change) {
        Particulars p = Sample();
        change(p);
        all.emplace_back(what, p);
    };
    with(MessageWord::Difference, [](Particulars& p) { p.region = MemoryRegion::Eeprom; });
    with(MessageWord::Difference, [](Particulars& p) {
        p.region = MemoryRegion::Id;
        p.address = 0x2002;
    });
    for (int address : {0xFFF, 0x2007, 0x30000A})
        with(MessageWord::Difference, [address](Particulars& p) {
            p.region = MemoryRegion::Fuse;
            p.address = address;
        });
    with(MessageWord::UnknownChip, [](Particulars& p) { p.socketChip = "16F628"; });
    with(MessageWord::ResetFailed, [](Particulars& p) { p.port.clear(); });
    with(MessageWord::TrySocketChip, [](Particulars& p) { p.socketChip = "16F628"; });
    for (MemoryRegion region : {MemoryRegion::Eeprom, MemoryRegion::Id, MemoryRegion::Fuse})
        with(MessageWord::HexFileBadRegion, [region](Particulars& p) { p.region = region; });
    for (MessageWord what : {MessageWord::BlankResults, MessageWord::ProgramNotBlank,
                             MessageWord::EraseAndProgramNotBlank})
        for (BlankFindings blank : {BlankFindings{kBlankEeprom, 0}, BlankFindings{15, 15}})
            with(what, [blank](Particulars& p) { p.blank = blank; });
    return all;
}

TEST(EngineTexts, EveryValueIsWordedInSourceTextsOfTheTranslations) {
    const CapitalLanguage capitals;
    for (int i = 0; i <= static_cast<int>(StatusWord::Last); ++i)
        ExpectTranslatable(Worded(EngineStatus{static_cast<StatusWord>(i), Sample()}),
                           "status " + std::to_string(i));
    ExpectTranslatable(Worded(EngineStatus{StatusWord::OutsideMemory, {.count = 1}}), "one byte");
    for (const EngineMessage& m : EveryMessage())
        ExpectTranslatable(Worded(m), "message " + std::to_string(static_cast<int>(m.what)));
}

TEST(EngineTexts, EachValueHasWordsOfItsOwn) {
    std::map<std::string, int> statuses;
    for (int i = 0; i <= static_cast<int>(StatusWord::Last); ++i)
        EXPECT_TRUE(
            statuses.emplace(Worded(EngineStatus{static_cast<StatusWord>(i), Sample()}), i).second)
            << "status " << i;
    std::set<std::string> messages;
    for (const EngineMessage& m : EveryMessage())
        EXPECT_TRUE(messages.insert(Worded(m)).second) << Worded(m);
}

TEST(EngineTexts, TheWordsOfTheParticulars) {
    Particulars p = Sample();
    p.region = MemoryRegion::Fuse;
    p.address = 0x300004;
    EXPECT_EQ(Worded(EngineMessage(MessageWord::Difference, p)),
              "Fuse error 0x300004\r\rGood 0x3FFF\rBad 0x1234");
    p.region = MemoryRegion::Eeprom;
    p.address = 0x10;
    p.good = 0xFF;
    p.bad = 0x12;
    EXPECT_EQ(Worded(EngineMessage(MessageWord::Difference, p)),
              "EEPROM error at 0x0010\r\rGood 0xFF\rBad 0x12");
    p.region = MemoryRegion::Id;
    p.address = 0x2003;
    EXPECT_EQ(Worded(EngineMessage(MessageWord::Difference, p)),
              "ID error 0x2003\r\rGood 0x00FF\rBad 0x0012");
    // A chip without program memory: its blank report's one line follows a blank one.
    EXPECT_EQ(
        Worded(EngineMessage(MessageWord::BlankResults, {.blank = {kBlankEeprom, kBlankEeprom}})),
        "Blank Results: \r\r\rEEPROM = Not Erased");
    EXPECT_NE(Worded(EngineMessage(MessageWord::ResetFailed, {.style = 1})).find("[ None ]"),
              std::string::npos);
    EXPECT_EQ(Worded(std::optional<EngineMessage>()), "");
    // The workbench's own, with what they name.
    EXPECT_EQ(Worded(EngineMessage(MessageWord::CannotWritePort, {.text = "denied", .count = 4})),
              "Cannot write ports/com4: denied");
    EXPECT_EQ(Worded(EngineMessage(MessageWord::TrySocketChip, {.socketChip = "16F84A"})),
              "Select the [16F84A] and try again?");
    EXPECT_EQ(Worded(EngineMessage(MessageWord::SettingsNotSaved, {.text = "full", .path = "/p"})),
              "The settings could not be saved to /p:\rfull");
    EXPECT_EQ(Worded(EngineStatus{StatusWord::OutsideMemory,
                                  {.chip = "16F84A", .text = "a.hex", .count = 1}}),
              "1 byte of a.hex lies outside 16F84A's memory and was not loaded");
    EXPECT_EQ(Worded(EngineMessage(MessageWord::ChipFileSyntax, {.text = "[16F84A"})),
              "Chip configuration file contains syntax errors.\r\r[16F84A");
}

// The chip file's and the HEX file's load failures: errors, each part of the
// chip named as the HEX file's error always named it; the core-type question.
TEST(EngineTexts, LoadFailuresAreErrorsThatNameWhatFailed) {
    const std::pair<MemoryRegion, const char*> regions[] = {{MemoryRegion::Rom, "ROM"},
                                                            {MemoryRegion::Eeprom, "EEPROM"},
                                                            {MemoryRegion::Id, "ID"},
                                                            {MemoryRegion::Fuse, "FUSE"}};
    for (const auto& [region, name] : regions) {
        const EngineMessage m(MessageWord::HexFileBadRegion, {.region = region});
        EXPECT_EQ(Worded(m), std::string("Error in HEX file - ") + name);
        EXPECT_EQ(m.kind, MessageKind::Error);
    }
    const EngineMessage line(MessageWord::HexFileBadLine, {.count = 0});
    EXPECT_EQ(Worded(line), "Error in HEX file - line 0");
    for (MessageWord what : {MessageWord::HexFileUnreadable, MessageWord::HexFileBadLine,
                             MessageWord::ChipFileMissingOrEmpty, MessageWord::ChipFileSyntax,
                             MessageWord::ChipFileNoChips})
        EXPECT_EQ(EngineMessage(what).kind, MessageKind::Error) << Worded(EngineMessage(what));
    const EngineMessage core(MessageWord::DifferentCoreType);
    EXPECT_EQ(core.kind, MessageKind::Question);
    EXPECT_EQ(Worded(core), "This data appears to be for a different core type\rand may not "
                            "function with the selected device.\r\rData will be truncated. "
                            "Continue loading?");
}

TEST(EngineTexts, QuestionsAreAskedAndTheRestTold) {
    ScriptedDialogs withCancel;
    withCancel.answers.push_back(Dialogs::Answer::Cancel);
    EXPECT_EQ(AskWithCancel(withCancel, MessageWord::ReadOverChanges), Dialogs::Answer::Cancel);
    ASSERT_EQ(withCancel.shown.size(), 1u);
    EXPECT_EQ(withCancel.shown[0].kind, "question3");
    EXPECT_EQ(withCancel.shown[0].text, "Data file has changed.\r\rDo you wish to save it?");
    for (const EngineMessage& m : EveryMessage()) {
        ScriptedDialogs dialogs;
        dialogs.answers.push_back(Dialogs::Answer::No);
        const Dialogs::Answer answer = SayIn(dialogs, m);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        const std::string& kind = dialogs.shown[0].kind;
        switch (m.kind) {
        case MessageKind::Question:
            EXPECT_EQ(kind, "question");
            EXPECT_EQ(answer, Dialogs::Answer::No);
            EXPECT_TRUE(dialogs.shown[0].text.ends_with('?')) << dialogs.shown[0].text;
            break;
        case MessageKind::Error:
            EXPECT_EQ(kind, "error");
            break;
        case MessageKind::Information:
            EXPECT_EQ(kind, "information");
            break;
        }
    }
}

} // namespace
