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
    Status(StatusWord::Error);
    Timer(false);
    Finish(Outcome::WrongBoard);
    panel_.Tell({MessageWord::WrongBoard, {.style = programmerStyle_, .boardStyle = model}});
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
        Status(StatusWord::Confirming);
        run_.details.socketChip = keeper_.ChipWithDeviceId(deviceId);
        const EngineMessage question(
            MessageWord::UnknownChip,
            {.chip = chip_.ChipName, .socketChip = run_.details.socketChip, .deviceId = deviceId});
        if (panel_.Ask(question) != Dialogs::Answer::Yes) {
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

// Read Chip Info shows what the chip says of itself; the calibration read's
// values go with its report (the configuration answer).
void ProgrammerEngine::ReportChipInfo() {
    Finish(Outcome::Done);
    if (!Protocol.ChipIDRequest)
        return;
    const int word = ChipIdWord(Protocol.ConfigBytes);
    panel_.Tell(
        {MessageWord::ChipInfo,
         {.chip = chip_.ChipName, .deviceId = DeviceIdOf(word), .revision = RevisionOf(word)}});
}
