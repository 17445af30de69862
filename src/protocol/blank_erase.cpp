// The blank check, on its own or opening a Program, and the erase that writes
// the chip's own calibration word and bandgap bits back.
#include "fuses/fuse_messages.h"
#include "platform/dialogs.h"
#include "protocol/command_set.h"
#include "protocol/engine.h"
#include "protocol/engine_messages.h"

namespace {
constexpr int kRomNotErased = 1;
constexpr int kEepromNotErased = 2;
constexpr int kIdNotErased = 4;
constexpr int kFuseNotErased = 8;

std::string Line(const char* what, bool notErased) {
    return std::string(what) + (notErased ? " = Not Erased" : " = Erased");
}
} // namespace

void ProgrammerEngine::BlankButtClick() {
    if (!host_.ChipSelected()) {
        host_.dialogs().Information(SelectChipText);
        return;
    }
    Protocol.AfterBlankState = -1;
    ProgressMax(chip_.ROMSize);
    if (!chip_.FlashChip) {
        InitialiseProgrammerVariables(200);
        return;
    }
    switch (host_.AskEraseChoice()) {
    case EraseChoice::Cancel:
        return;
    case EraseChoice::Check:
        InitialiseProgrammerVariables(chip_.ROMSize == 0 ? 202 : 200);
        return;
    case EraseChoice::Erase:
        if (host_.dialogs().QuestionYesNo(
                "This will totally erase the chip.\r\rDo you wish to continue?") !=
            Dialogs::Answer::No)
            InitialiseProgrammerVariables(250);
        return;
    }
}

// ---- Blank check ----

void ProgrammerEngine::State200() {
    if (!Step("V"))
        return;
    Protocol.ProtocolState = 201;
    Protocol.DataIndex = 0;
    host_.SetStatus("Erase Check...");
    Send(BlankCheckROMBytes(chip_.WordMask));
}

// A 'B' for every 256 words checked, then 'Y' or 'N'. Answers that arrive
// together are taken one by one.
void ProgrammerEngine::State201() {
    const std::string rx = Protocol.RxText;
    Accept(); // taken, whatever it is: a wrong answer is a received-data error
    if (rx.find_first_not_of("BYN") != std::string::npos)
        return Fail();
    for (char answer : rx) {
        if (answer != 'N') {
            Protocol.DataIndex += kBlankCheckStep;
            Progress(Protocol.DataIndex);
        }
        if (answer == 'B')
            continue;
        if (answer == 'N')
            Protocol.BlankFlags = kRomNotErased;
        SendCycle();
        Protocol.ProtocolState = 202;
        return;
    }
}

void ProgrammerEngine::State202() {
    Reply("V", Command(cmd::BlankCheckEEPROM), 203);
}

void ProgrammerEngine::State203() {
    const char answer = Protocol.RxText[0];
    Accept();
    if (answer != 'Y' && answer != 'N')
        return Fail();
    SendOff();
    Protocol.ProtocolState = 204;
    if (answer == 'N')
        Protocol.BlankFlags |= kEepromNotErased;
}

void ProgrammerEngine::State204() {
    if (!Answered("v"))
        return;
    const std::string& config = Protocol.ConfigBytes;
    if (chip_.WordMask != 0xFF) {
        for (int p = 3; p <= 10; ++p)
            if ((ConfigByte(config, p) & 0x0F) != 0x0F)
                Protocol.BlankFlags |= kIdNotErased;
        for (int k = 1; k <= 7; ++k) {
            int blank = chip_.FuseBlank[static_cast<std::size_t>(k)];
            int word = ChipConfigWord(config, k);
            // The bandgap bits are the chip's own and stay through an erase.
            if (k == 1 && (chip_.CalFlags & 2) != 0) {
                blank &= 0x0FFF;
                word &= 0x0FFF;
            }
            if (word != blank)
                Protocol.BlankFlags |= kFuseNotErased;
        }
    }
    LastDetails.blankFlags = Protocol.BlankFlags;
    const std::string report = BlankReport();
    host_.SetStatus("Blank results...");
    Timer(false);
    Progress(0);
    Accept();
    if (Protocol.AfterBlankState == -1) {
        Finish(Protocol.BlankFlags == 0 ? Outcome::Done : Outcome::Difference);
        host_.dialogs().Information(report);
        EndCommand();
    } else {
        BlankInsideProgram(report);
    }
    Timer(true);
}

std::string ProgrammerEngine::BlankReport() {
    const int flags = Protocol.BlankFlags;
    std::string report = "Blank Results: \r\r";
    if (chip_.ROMSize != 0)
        report += Line("ROM", flags & kRomNotErased);
    if (chip_.EEPROMSize != 0)
        report += "\r" + Line("EEPROM", flags & kEepromNotErased);
    if (chip_.ROMSize != 0) {
        // 12-bit chips keep their ID in program memory, out of the blank check's reach.
        if (chip_.WordMask != 0x0FFF)
            report += "\r" + Line("ID", flags & kIdNotErased);
        report += "\r" + Line("Fuse", flags & kFuseNotErased);
    }
    return report;
}

// The blank check that opens a Program decides: program, erase first, or stop.
void ProgrammerEngine::BlankInsideProgram(const std::string& report) {
    const CalibrationVerdict calibration =
        chip_.CalWord ? host_.CalibrationFound(Protocol.ConfigBytes) : CalibrationVerdict::Check;
    if (calibration == CalibrationVerdict::Refuse ||
        (calibration == CalibrationVerdict::Check && !CalibrationAccepted())) {
        Finish(Outcome::Declined);
        EndCommand();
        return;
    }
    if (Protocol.BlankFlags == 0) {
        SendOn();
        Protocol.ProtocolState = Protocol.AfterBlankState;
        return;
    }
    if (!host_.IgnoreBlankCheckOn()) {
        const std::string question =
            report + (chip_.FlashChip ? "\r\rContinue to erase and program this chip?"
                                      : "\r\rContinue to program this chip?");
        if (host_.dialogs().QuestionYesNo(question) == Dialogs::Answer::Yes) {
            Protocol.ProtocolState = chip_.FlashChip ? 205 : Protocol.AfterBlankState;
            SendOn();
            return;
        }
    }
    // Declined, or Ignore Blank Check: a chip that is not blank is left alone.
    Finish(Outcome::Difference);
    EndCommand();
}

// Programming over a chip's factory calibration loses it: ask when the image
// would write other values than the chip holds.
bool ProgrammerEngine::CalibrationAccepted() {
    if (!chip_.CalWord || !chip_.FlashChip)
        return true;
    const std::string& config = Protocol.ConfigBytes;
    const int chipValue = ConfigByte(config, 25);
    const int newValue = RomWord(chip_.ROMSize - 1) & 0xFF;
    bool differs = chipValue != newValue;
    if (chip_.BandGap)
        differs = differs || (image_.FuseValue[1] & 0x3000) != (ChipConfigWord(config, 1) & 0x3000);
    if (!differs)
        return true;
    return host_.dialogs().QuestionYesNo("Calibration data from chip does not match new "
                                         "programming data\r\rContinue programming with new "
                                         "data?") == Dialogs::Answer::Yes;
}

void ProgrammerEngine::State205() {
    if (!Step("V"))
        return;
    host_.SetStatus("Erasing...");
    Send(Command(cmd::EraseChip));
    Protocol.ProtocolState = 206;
}

void ProgrammerEngine::State206() {
    Reply("Y", CycleVoltagesFor(chip_.CoreType), Protocol.AfterBlankState);
}

// ---- Erase ----

void ProgrammerEngine::State250() {
    if (!Step("V"))
        return;
    host_.SetStatus("Erasing...");
    Send(Command(cmd::EraseChip));
    if (chip_.ROMSize == 0) {
        Protocol.ProtocolState = 255;
        ProgressMax(chip_.EEPROMSize);
    } else {
        Protocol.ProtocolState = chip_.CalWord ? 251 : 253;
    }
}

void ProgrammerEngine::State251() {
    Reply("Y", Command(cmd::CycleVoltages), 252);
}

// The chip's own calibration word, read before the erase, goes back in.
void ProgrammerEngine::State252() {
    Reply("V", WriteCalibrationBytes(Protocol.ConfigBytes, chip_.FuseBlank[1]), 253);
}

void ProgrammerEngine::State253() {
    const std::string rx = Protocol.RxText;
    if (rx.size() != 1)
        return Fail();
    Timer(false);
    host_.SetStatus("Erase result...");
    Accept();
    if (rx[0] != 'Y' && rx[0] != 'C' && rx[0] != 'F')
        return Fail();
    Send(Command(cmd::VoltagesOff));
    Protocol.ProtocolState = 500;
    if (rx[0] == 'Y') {
        Finish(Outcome::Done);
        host_.dialogs().Information("Chip has been erased");
    } else if (rx[0] == 'C') {
        Finish(Outcome::Failed);
        host_.dialogs().Error(std::string("Error writing new Calibration") +
                              ((chip_.CalFlags & 2) != 0 ? " and BandGap" : ""));
    } else {
        Finish(Outcome::Failed);
        host_.dialogs().Error("Error writing new BandGap");
    }
    Timer(true);
}

// A serial EEPROM is erased page by page: a 'C' for every 256 bytes, then 'Y'.
void ProgrammerEngine::State255() {
    const std::string rx = Protocol.RxText;
    if (rx.find_first_not_of("CY") != std::string::npos) {
        if (rx.find('?') != std::string::npos)
            return; // still busy, or an error string the watchdog will name
        return Fail();
    }
    Accept();
    for (char answer : rx) {
        if (answer == 'C') {
            Protocol.DataIndex += kEraseStep;
            Progress(Protocol.DataIndex);
            continue;
        }
        Send(EchoBytes('Y'));
        Progress(0);
        Protocol.ProtocolState = 253;
        return;
    }
}
