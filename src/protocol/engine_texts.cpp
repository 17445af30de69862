// The engine's values in words. Every text here is a source text of the
// translations; the words are English until they are shown.
#include "protocol/engine_texts.h"

#include "chipdb/hex_text.h"
#include "fuses/fuse_messages.h"
#include "image/hex_load.h"
#include "image/hex_save.h"
#include "link/programmer_style.h"

#include <cstdio>

namespace {
template <class Word> struct Plain {
    Word word;
    const char* text;
};

// The statuses without particulars.
constexpr Plain<StatusWord> kStatuses[] = {
    {StatusWord::Ready, kReady},
    {StatusWord::Error, N_("Error...")},
    {StatusWord::Resetting, N_("Resetting Tessaro...")},
    {StatusWord::SystemMatching, N_("System matching...")},
    {StatusWord::ResetError, N_("Reset error...")},
    {StatusWord::CommsError, N_("Comms Error...")},
    {StatusWord::I2cError, N_("I2C Error...")},
    {StatusWord::FunctionError, N_("Function Error...")},
    {StatusWord::WaitingForRemoval, N_("Waiting for chip removal...")},
    {StatusWord::WaitingForInsertion, N_("Waiting for chip insertion...")},
    {StatusWord::Initializing, N_("Initializing...")},
    {StatusWord::Confirming, N_("Confirming...")},
    {StatusWord::EraseCheck, N_("Erase Check...")},
    {StatusWord::BlankResults, N_("Blank results...")},
    {StatusWord::Erasing, N_("Erasing...")},
    {StatusWord::EraseResult, N_("Erase result...")},
    {StatusWord::Upgrading, N_("Upgrading...")},
    {StatusWord::ProgrammingRom, N_("Programming ROM...")},
    {StatusWord::ProgrammingError, N_("Programming error...")},
    {StatusWord::ProgrammingEeprom, N_("Programming EEPROM...")},
    {StatusWord::VerifyingEeprom, N_("Verifying EEPROM...")},
    {StatusWord::ProgrammingId, N_("Programming ID...")},
    {StatusWord::ProgrammingConfig, N_("Programming config...")},
    {StatusWord::ProgrammingResult, N_("Programming result...")},
    {StatusWord::ProgrammingFuse, N_("Programming Fuse...")},
    {StatusWord::ReadingRom, N_("Reading ROM...")},
    {StatusWord::ReadingEeprom, N_("Reading EEPROM...")},
    {StatusWord::VerifyingRom, N_("Verifying ROM...")},
    {StatusWord::VerifyResult, N_("Verify result...")},
    {StatusWord::ChipError, N_("Chip error...")},
    {StatusWord::FileError, N_("File error...")},
    {StatusWord::BoardUnplugged, N_("Board unplugged")},
    {StatusWord::Saving, kSavingStatus},
    {StatusWord::ProgramReady, kProgramReadyStatus},
};

// The messages and questions without particulars.
constexpr Plain<MessageWord> kMessages[] = {
    {MessageWord::SelectChip, SelectChipText},
    {MessageWord::NothingToProgram, N_("Nothing to program")},
    {MessageWord::NothingToVerify, N_("Nothing to verify")},
    // Program and Verify refuse an image shorter than the chip (a Read that
    // was cut off leaves none, but a short image must never be sent or
    // compared as whole).
    {MessageWord::ImageIncomplete,
     N_("The memory image does not hold the whole chip.\r\rLoad a file or read the chip again.")},
    {MessageWord::ChipIdNotSupported, N_("Chip ID is not supported for this device.")},
    {MessageWord::AutoWithSerialEeprom, N_("Cannot use Auto Program Mode with serial EEPROMs")},
    {MessageWord::AutoWithIcsp, N_("Cannot use Auto Program Mode when ICSP is enabled")},
    {MessageWord::CodeProtection, N_("WARNING!\r\rThis device has code protection that cannot be "
                                     "erased.\rDo you wish to continue?")},
    {MessageWord::EraseWholeChip,
     N_("This will totally erase the chip.\r\rDo you wish to continue?")},
    {MessageWord::EepromNotResponding, N_("EEPROM not responding.")},
    {MessageWord::CalibrationMismatch,
     N_("Calibration data from chip does not match new programming "
        "data\r\rContinue programming with new data?")},
    {MessageWord::ChipErased, N_("Chip has been erased")},
    {MessageWord::CalibrationWriteError, N_("Error writing new Calibration")},
    {MessageWord::CalibrationBandGapWriteError, N_("Error writing new Calibration and BandGap")},
    {MessageWord::BandGapWriteError, N_("Error writing new BandGap")},
    {MessageWord::IdFuseProgrammingError, N_("ID FUSE programming error.")},
    {MessageWord::ProgrammingComplete, N_("Programming complete.")},
    {MessageWord::WideProgrammingComplete, N_("Programming complete")},
    {MessageWord::DataVerified, N_("Data verified")},
    {MessageWord::DataChanged, N_("Data file has changed. Do you wish to save it?")},
    {MessageWord::ReadOverChanges, N_("Data file has changed.\r\rDo you wish to save it?")},
    {MessageWord::NothingToSave, kNothingToSave},
    {MessageWord::SaveProblem, kSaveProblem},
    {MessageWord::ChipFileMissing, N_("chipinfo.cid file is missing")},
    {MessageWord::ChipFileMissingOrEmpty,
     N_("Chip configuration file is missing or contains no data")},
    {MessageWord::ChipFileNoChips, N_("Chip configuration file contains no chip information")},
    {MessageWord::HexFileUnreadable, N_("Error loading file")},
    {MessageWord::DifferentCoreType,
     N_("This data appears to be for a different core type\rand may not function with the "
        "selected device.\r\rData will be truncated. Continue loading?")},
    {MessageWord::PortProblem, N_("There appears to be a problem accessing the COM Port")},
    {MessageWord::UpgradeChipMissing,
     N_("Error: Upgrade chip missing from Chip Selector.\r\rPlease "
        "use OPTIONS -> Edit Chip List to include 16F628.")},
    {MessageWord::UpgradeFileError, kUpgradeFileError},
    {MessageWord::InsertUpgradeChip,
     N_("Please insert 16F628 as per screen graphic.\r\rDo you wish to continue?")},
    {MessageWord::BlankCalibration,
     N_("The chip's calibration word reads blank\rGive its value with --calibration "
        "(from the log or the chip's label); the chip is left alone")},
};

// The board's faults, after which it is reset.
constexpr Plain<MessageWord> kBoardFaults[] = {
    {MessageWord::BoardNotResponding, N_("The board is not responding")},
    {MessageWord::I2cNotResponding, N_("I2C EEPROM is not responding.")},
    {MessageWord::FunctionNotSupported, N_("Function not supported by this programmer firmware.")},
    {MessageWord::ReceivedDataError, N_("Received data error.\r")},
};

template <class Word, std::size_t N> const char* Find(const Plain<Word> (&table)[N], Word word) {
    for (const Plain<Word>& entry : table)
        if (entry.word == word)
            return entry.text;
    return nullptr;
}

const char* StyleName(int style) {
    return StyleInfo(style).messageName;
}

// One line for each part of the chip the blank check looked at: each is
// translated where it is shown.
std::string BlankReport(const BlankFindings& blank) {
    const auto line = [&blank](const char* what, int part) {
        return Arg((blank.notErased & part) != 0 ? N_("%1 = Not Erased") : N_("%1 = Erased"), what);
    };
    std::string report = N_("Blank Results: ");
    report += "\r\r";
    if ((blank.checked & kBlankRom) != 0)
        report += line(N_("ROM"), kBlankRom);
    if ((blank.checked & kBlankEeprom) != 0)
        report += "\r" + line(N_("EEPROM"), kBlankEeprom);
    if ((blank.checked & kBlankId) != 0)
        report += "\r" + line(N_("ID"), kBlankId);
    if ((blank.checked & kBlankFuse) != 0)
        report += "\r" + line(N_("Fuse"), kBlankFuse);
    return report;
}

// A configuration word's address as the chip's data sheet writes it ("2007", "300000").
std::string ConfigAddress(int address) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(address));
    return text;
}

std::string Difference(const Particulars& p) {
    std::string where;
    int digits = 4;
    switch (p.region) {
    case MemoryRegion::Rom:
        where = Arg(N_("ROM error at 0x%1"), HexOfValue(p.address, 4));
        break;
    case MemoryRegion::Eeprom:
        where = Arg(N_("EEPROM error at 0x%1"), HexOfValue(p.address, 4));
        digits = 2;
        break;
    case MemoryRegion::Id:
        where = Arg(N_("ID error 0x20%1"), HexOfValue(p.address - 0x2000, 2));
        break;
    case MemoryRegion::Fuse:
        where = Arg(N_("Fuse error 0x%1"), ConfigAddress(p.address));
        break;
    }
    return Arg(kDifference, where, HexOfValue(p.good, digits), HexOfValue(p.bad, digits));
}

std::string UnknownChip(const Particulars& p) {
    if (!p.socketChip.empty())
        return Arg(N_("The programmer does not recognise the [%1]\r\rThe chip in the socket "
                      "reports the ID of a %2.\r\rContinue anyway?"),
                   p.chip, p.socketChip);
    return Arg(N_("The programmer does not recognise the [%1]\r\rThe chip in the socket reports "
                  "an ID that no chip of the chip file has: 0x%2\r\rContinue anyway?"),
               p.chip, HexOfValue(p.deviceId, 4));
}

// The messages about the board.
std::string BoardMessage(MessageWord what, const Particulars& p) {
    if (what == MessageWord::OtherBoard)
        return Arg(
            N_("Program mode = %1, connected board = %2.\r\rWill attempt to match the board"),
            StyleName(p.style), StyleName(p.boardStyle));
    if (what == MessageWord::WrongBoard)
        return Arg(N_("You are trying to connect to [ %1 ]\r\rPlease select [ %2 ] to match your "
                      "programmer board."),
                   StyleName(p.style), StyleName(p.boardStyle));
    return Arg(N_("Reset failed. Please check...\r\rCommunications port, currently [ %1 ]\rBoard "
                  "connections and power\rMode =  [ %2 ], does your programmer board match this "
                  "setting?"),
               p.port.empty() ? std::string(N_("None")) : p.port, StyleName(p.style));
}
// A part of the chip as a HEX file's error names it.
const char* HexRegionName(MemoryRegion region) {
    switch (region) {
    case MemoryRegion::Eeprom:
        return "EEPROM";
    case MemoryRegion::Id:
        return "ID";
    case MemoryRegion::Fuse:
        return "FUSE";
    case MemoryRegion::Rom:
        break;
    }
    return "ROM";
}

// The host's messages that name their particulars.
std::string HostMessage(MessageWord what, const Particulars& p) {
    switch (what) {
    case MessageWord::ChipFileSyntax:
        return Arg(N_("Chip configuration file contains syntax errors.\r\r%1"), p.text);
    case MessageWord::HexFileBadLine:
        return Arg(N_("Error in HEX file - line %1"), p.count);
    case MessageWord::HexFileBadRegion:
        return Arg(N_("Error in HEX file - %1"), HexRegionName(p.region));
    case MessageWord::ChipListNotSaved:
        return Arg(N_("The chip list could not be saved to %1:\r%2"), p.path, p.text);
    case MessageWord::SettingsNotSaved:
        return Arg(N_("The settings could not be saved to %1:\r%2"), p.path, p.text);
    case MessageWord::CannotWritePort:
        return Arg(N_("Cannot write ports/com%1: %2"), p.count, p.text);
    case MessageWord::RecentFileGone:
        return Arg(N_("The file %1 is no longer there.\rIt has been taken off the Recent Files "
                      "list."),
                   p.path);
    case MessageWord::TrySocketChip:
        return Arg(N_("Select the [%1] and try again?"), p.socketChip);
    default:
        return {};
    }
}
} // namespace

std::string Worded(const EngineStatus& status) {
    const Particulars& p = status.of;
    switch (status.word) {
    case StatusWord::BoardConnected:
        return Arg(N_("%1 board connected"), StyleName(p.style));
    case StatusWord::CheckingFor:
        return Arg(N_("Checking for %1..."), p.chip);
    case StatusWord::KeepingCalibration:
        return Arg(N_("Keeping the chip's calibration 0x%1"), HexOfValue(p.word, 4));
    case StatusWord::OutsideMemory:
        return OutsideMemoryText(p.count, p.text, p.chip);
    default:
        break;
    }
    const char* text = Find(kStatuses, status.word);
    return text != nullptr ? text : std::string();
}

std::string Worded(const EngineMessage& message) {
    const Particulars& p = message.of;
    switch (message.what) {
    case MessageWord::OtherBoard:
    case MessageWord::WrongBoard:
    case MessageWord::ResetFailed:
        return BoardMessage(message.what, p);
    case MessageWord::UnknownChip:
        return UnknownChip(p);
    case MessageWord::ChipInfo:
        return Arg(N_("[%1]   Version %2\r\rChip ID = %3"), p.chip, p.revision,
                   HexOfValue(p.deviceId, 4));
    case MessageWord::BlankResults:
        return BlankReport(p.blank);
    case MessageWord::ProgramNotBlank:
        return BlankReport(p.blank) + "\r\r" + N_("Continue to program this chip?");
    case MessageWord::EraseAndProgramNotBlank:
        return BlankReport(p.blank) + "\r\r" + N_("Continue to erase and program this chip?");
    case MessageWord::Difference:
        return Difference(p);
    case MessageWord::RomProgrammingError:
        return Arg(N_("ROM programming error at address 0x%1"), HexOfValue(p.address, 4));
    case MessageWord::ChipFileSyntax:
    case MessageWord::HexFileBadLine:
    case MessageWord::HexFileBadRegion:
    case MessageWord::ChipListNotSaved:
    case MessageWord::SettingsNotSaved:
    case MessageWord::CannotWritePort:
    case MessageWord::RecentFileGone:
    case MessageWord::TrySocketChip:
        return HostMessage(message.what, p);
    default:
        break;
    }
    if (const char* fault = Find(kBoardFaults, message.what))
        return Arg(kAboutToReset, fault);
    const char* text = Find(kMessages, message.what);
    return text != nullptr ? text : std::string();
}

std::string Worded(const std::optional<EngineMessage>& message) {
    return message ? Worded(*message) : std::string();
}

Dialogs::Answer SayIn(Dialogs& dialogs, const EngineMessage& message) {
    const std::string text = Worded(message);
    switch (message.kind) {
    case MessageKind::Information:
        dialogs.Information(text);
        break;
    case MessageKind::Error:
        dialogs.Error(text);
        break;
    case MessageKind::Question:
        return dialogs.QuestionYesNo(text);
    }
    return Dialogs::Answer::Yes;
}

Dialogs::Answer AskWithCancel(Dialogs& dialogs, const EngineMessage& question) {
    return dialogs.QuestionYesNoCancel(Worded(question));
}
