// The workbench as the engine's host: its clock, its panel (the view), its
// keeper of the image; and what the faces ask of the engine.
#include "workbench/workbench.h"

#include "fuses/fuse_values.h"
#include "image/file_date.h"
#include "protocol/command_set.h"
#include "protocol/engine.h"
#include "protocol/serial_line_host.h"

namespace {
constexpr int kTickMs = 100;
} // namespace

Workbench::Workbench(BenchView& view, Ticker& ticker, Sleeper sleep, FilePlaces places)
    : view_(view), ticker_(ticker), sleep_(std::move(sleep)), places_(std::move(places)),
      serial_(MakeBoardPort(PortFolders(places_), [this](TSerial&) { Received(); })),
      line_(std::make_unique<SerialLine>(*serial_)),
      engine_(std::make_unique<ProgrammerEngine>(EngineHosts{*line_, *this, *this, *this}, chip_,
                                                 image_)) {
    image_.HexFileName = places_.ProgramDir;
}

Workbench::~Workbench() {
    // The port closes (dropping DTR and RTS) before the engine it feeds goes.
    serial_.reset();
}

void Workbench::Received() {
    engine_->OnBytes(line_->TakeReceived());
}

void Workbench::Tick() {
    // While the board's device is gone nothing can answer: an operation cut
    // off has had its say, and the reset that follows its return is the one
    // awaited.
    if (portLost_ && engine_->Idle()) {
        SetTimer(false);
        StatusReported({StatusWord::BoardUnplugged});
        return;
    }
    engine_->OnTick();
}

void Workbench::SetTimer(bool on) {
    timerOn_ = on;
    if (on)
        ticker_.Start(kTickMs);
    else
        ticker_.Stop();
}

void Workbench::OperationStarted(Operation operation) {
    // A new operation: what the last one said is over. The automatic loop's
    // own end keeps its last chip's.
    if (operation != Operation::AutoProgram)
        messages_.Forget();
    view_.OperationStarted(operation);
}

void Workbench::OperationEnded(const OperationReport& report) {
    OperationReport told = report;
    told.message = messages_.Last();
    view_.OperationEnded(told);
}

void Workbench::OtherBoardGreeted(int style) {
    switch (otherBoard) {
    case OtherBoard::SwitchStyle:
        ChooseStyle(style);
        break;
    case OtherBoard::Adopt:
        SetStyle(style);
        engine_->ResetProgrammer(true);
        break;
    case OtherBoard::Refuse:
        otherBoardSeen_ = style;
        break;
    }
}

void Workbench::ImageRead() {
    if (!chip_.HasProgramMemory()) {
        view_.ImageChanged(kImageData);
        return;
    }
    UpdateFusesForCore(fuseRows_, chip_, image_.FuseValue);
    view_.ImageChanged(kImageData | kImageConfig);
}

bool Workbench::ReloadIfNewer() {
    return !IsNewerHexFile(adviseNewerFileLoad, image_.HexFileDate,
                           HexFileDateOf(image_.HexFileName)) ||
           LoadImage(false);
}

bool Workbench::ReloadNewerFile() {
    return ReloadIfNewer() && (!beforeProgram || beforeProgram());
}

CalibrationVerdict Workbench::CalibrationFound(const std::string& configBytes) {
    return onCalibration ? onCalibration(configBytes) : CalibrationVerdict::Check;
}

bool Workbench::Idle() const {
    return engine_->Idle();
}

bool Workbench::Busy() const {
    return engine_->Busy();
}

bool Workbench::AtRest() const {
    return engine_->Idle() && !timerOn_;
}

bool Workbench::AutoProgramOn() const {
    return engine_->AutoProgramOn();
}

bool Workbench::UpgradeLoaded() const {
    return engine_->UpgradeLoaded();
}

Outcome Workbench::LastOutcome() const {
    return engine_->Outcome();
}

int Workbench::Style() const {
    return engine_->Style();
}

int Workbench::LastGreeting() const {
    return engine_->LastGreeting();
}

void Workbench::ForgetGreeting() {
    engine_->ForgetGreeting();
}

bool Workbench::ResetPending() const {
    return engine_->ResetPending();
}

int Workbench::ResetIdleLevel() const {
    return engine_->ResetIdleLevel();
}

ChipCalibration Workbench::CalibrationOf(const OperationReport& report) {
    return CalibrationOf(report.configBytes);
}

ChipCalibration Workbench::CalibrationOf(const std::string& configBytes) {
    if (configBytes.size() < kConfigAnswerBytes - 1)
        return {};
    return {CalibrationWordRead(configBytes), ChipConfigWord(configBytes, 1) & kBandGapBits};
}

void Workbench::SetTrace(std::function<void(EngineState, EngineState)> trace) {
    engine_->SetTrace(std::move(trace));
}

void Workbench::SetLineTap(std::function<void(const char*, const std::string&)> tap) {
    line_->SetTap(std::move(tap));
}

const char* Workbench::StateName(EngineState state) {
    return ProgrammerEngine::StateName(state);
}
