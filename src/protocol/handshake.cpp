// The opening of every operation: parameters, model, configuration read, and
// the check that the chip in the socket is the chip selected.
#include "chipdb/hex_text.h"
#include "link/programmer_style.h"
#include "platform/dialogs.h"
#include "platform/translate.h"
#include "protocol/command_set.h"
#include "protocol/engine.h"
#include "protocol/engine_messages.h"

namespace {
constexpr int kModelCount = 5;
} // namespace

// Waits for "PI": the board took the start of an operation.
void ProgrammerEngine::OnAwaitStart() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 2)
        return; // "P" and "I" may come apart
    Reply("PI", Command(cmd::ReadModel), EngineState::AwaitModel);
}

// Waits for the board's model code.
void ProgrammerEngine::OnAwaitModel() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 1)
        return;
    run_.details.modelAnswer = static_cast<unsigned char>(rx[0]);
    if (rx == "X") {
        // Firmware without ReadModel: a bare CommandStart gets us back in step.
        Accept();
        Send(Command(cmd::CommandStart));
        Enter(EngineState::AwaitProgramMode);
        return;
    }
    const int model = static_cast<unsigned char>(rx[0]);
    if (model >= kModelCount)
        return Fail();
    if (model != StyleInfo(programmerStyle_).style)
        return ModelMismatch(model);
    Accept();
    Send(Command(cmd::VoltagesOn));
    Enter(EngineState::AwaitConfigVoltages);
}

void ProgrammerEngine::ModelMismatch(int model) {
    Accept();
    panel_.SetStatus(kErrorStatus);
    Timer(false);
    Finish(Outcome::WrongBoard);
    panel_.boxes().Error(Arg(N_("You are trying to connect to [ %1 ]\r\rPlease select [ %2 ] to "
                                "match your programmer board."),
                             StyleInfo(programmerStyle_).messageName,
                             StyleInfo(model).messageName));
    EndCommand();
    Timer(true);
}

// Waits for "P": the board is ready for the chip.
void ProgrammerEngine::OnAwaitProgramMode() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != 1)
        return;
    Reply("P", Command(cmd::VoltagesOn), EngineState::AwaitConfigVoltages);
}

// Waits for "V": the supply is on for reading the configuration.
void ProgrammerEngine::OnAwaitConfigVoltages() {
    Reply("V", Command(cmd::ReadConfig), EngineState::AwaitConfig);
}

std::optional<std::string> ProgrammerEngine::ConfigAnswer() {
    const std::string& rx = Protocol.RxText;
    if (rx.size() != kConfigAnswerBytes)
        return std::nullopt;
    if (rx[0] != 'C') {
        Fail();
        return std::nullopt;
    }
    return rx.substr(1);
}

// Waits for the configuration answer ("C" and its bytes).
void ProgrammerEngine::OnAwaitConfig() {
    std::optional<std::string> config = ConfigAnswer();
    if (!config)
        return;
    Protocol.ConfigBytes = std::move(*config);
    Accept();
    SendOff();
    Enter(EngineState::AwaitConfigVoltagesOff);
}

// Waits for "v": the supply is off after the configuration.
void ProgrammerEngine::OnAwaitConfigVoltagesOff() {
    if (!Answered("v"))
        return;
    ChipCheck();
}

void ProgrammerEngine::ChipCheck() {
    Accept();
    const int deviceId = DeviceIdOf(ChipIdWord(Protocol.ConfigBytes));
    if (!chip_.MatchesDeviceId(deviceId)) {
        Timer(false);
        panel_.SetStatus(N_("Confirming..."));
        run_.details.socketChip = keeper_.ChipWithDeviceId(deviceId);
        if (panel_.boxes().QuestionYesNo(UnknownChipQuestion(deviceId)) != Dialogs::Answer::Yes) {
            Finish(Outcome::Declined);
            EndCommand();
            Timer(true);
            return;
        }
    }
    Timer(true);
    if (Protocol.StartState != EngineState::NoState) {
        Enter(Protocol.StartState);
        SendOn();
        return;
    }
    Timer(false);
    ReportChipInfo();
    Timer(true);
    EndCommand();
}

// The question when the chip in the socket reports another device ID, with
// the chip of the chip file that has it, when one has.
std::string ProgrammerEngine::UnknownChipQuestion(int deviceId) const {
    if (!run_.details.socketChip.empty())
        return Arg(N_("The programmer does not recognise the [%1]\r\rThe chip in the socket "
                      "reports the ID of a %2.\r\rContinue anyway?"),
                   chip_.ChipName, run_.details.socketChip);
    return Arg(N_("The programmer does not recognise the [%1]\r\rThe chip in the socket reports "
                  "an ID that no chip of the chip file has: 0x%2\r\rContinue anyway?"),
               chip_.ChipName, HexOfValue(deviceId, 4));
}

// Read Chip Info shows what the chip says of itself; the calibration read's
// values go with its report (the configuration answer).
void ProgrammerEngine::ReportChipInfo() {
    Finish(Outcome::Done);
    if (!Protocol.ChipIDRequest)
        return;
    const int word = ChipIdWord(Protocol.ConfigBytes);
    panel_.boxes().Information(Arg(N_("[%1]   Version %2\r\rChip ID = %3"), chip_.ChipName,
                                   RevisionOf(word), HexOfValue(DeviceIdOf(word), 4)));
}
