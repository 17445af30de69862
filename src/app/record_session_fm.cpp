// Help > Record Session... and --record: the board session written down, every
// byte each way and every line change, for a bug report or a check against
// the simulator. A recording starts and ends with the port's opening and
// closing, so that it begins with the board's greeting: starting or stopping
// it while the window runs opens the port again (the board is reset).
#include "app/proj_fm.h"
#include "link/json_value.h"
#include "link/programmer_style.h"
#include "link/recording_port.h"
#include "link/serial.h"
#include "platform/os_name.h"
#include "platform/sha256.h"
#include "platform/translate.h"

#include <QAction>
#include <QCoreApplication>

#include <ctime>

namespace {
const char* const kRecordingFilter = N_("Session recordings (*.jsonl)");

std::string UtcNow() {
    const std::time_t now = std::time(nullptr);
    char text[32] = "";
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", std::gmtime(&now));
    return text;
}

// The words of the command line's results.
const char* OperationWord(Operation operation) {
    static const char* const words[] = {"none",  "program", "verify",      "read", "blank",
                                        "erase", "info",    "calibration", "auto"};
    return words[static_cast<int>(operation)];
}

const char* OutcomeWord(Outcome outcome) {
    static const char* const words[] = {"none",      "done",       "difference",
                                        "failed",    "declined",   "cancelled",
                                        "no_answer", "bad_answer", "wrong_board"};
    return words[static_cast<int>(outcome)];
}

std::string Field(const char* key, const std::string& value) {
    return std::string(",\"") + key + "\":" + JsonQuoted(value);
}
} // namespace

bool TProjFm::StartRecording(const std::string& path) {
    Workbench& bench = *Bench_;
    const PortSettings settings = bench.LineSettings();
    std::string header =
        "\"program\":" + JsonQuoted(QCoreApplication::applicationVersion().toStdString());
    header += Field("os", OperatingSystemName());
    header += Field("port", "COM" + std::to_string(bench.PortNumber())) + Field("port_kind", "com");
    header += ",\"baud\":" + std::to_string(settings.Baudrate) + Field("line", "8N1");
    header += Field("style", StyleInfo(bench.Style()).messageName);
    header += Field("chip", bench.ChipSelected() ? bench.Chip().ChipName : "");
    header += Field("operation", "session") + ",\"options\":{}";
    const std::string& file = bench.FileName();
    if (!file.empty())
        header += Field("file", file) + Field("hex_sha256", FileSha256Hex(file));
    header += Field("started", UtcNow());
    std::string error;
    Recorder_ = SessionRecorder::Create(path, header, error);
    if (Recorder_ == nullptr) {
        dialogs().Error(Arg(N_("Cannot write the recording %1: %2"), path, error));
        RecordSession1->setChecked(false);
        return false;
    }
    bench.RecordPorts(Recorder_);
    bench.SetTrace([recorder = Recorder_](EngineState, EngineState to) {
        recorder->State(static_cast<int>(to), Workbench::StateName(to));
    });
    RecordSession1->setChecked(true);
    return true;
}

void TProjFm::StopRecording() {
    Bench_->RecordPorts(nullptr);
    Bench_->SetTrace({});
    // The recorded port closes, and the next opens without a recording.
    if (Bench_->PortOpen())
        Bench_->SerialOn();
    Recorder_.reset();
    RecordSession1->setChecked(false);
}

void TProjFm::RecordSession1Click() {
    if (!Bench_->Idle()) {
        dialogs().Beep();
        return;
    }
    if (Recording()) {
        StopRecording();
        return;
    }
    const std::string path =
        dialogs().SaveFile(N_("Record Session"), "", "session.jsonl", kRecordingFilter);
    if (path.empty() || !StartRecording(path))
        return;
    if (Bench_->PortOpen())
        Bench_->SerialOn();
}

void TProjFm::RecordResult(const OperationReport& report) {
    if (Recorder_ != nullptr)
        Recorder_->Result(std::string("{\"operation\":\"") + OperationWord(report.operation) +
                          "\",\"result\":\"" + OutcomeWord(report.outcome) + "\"}");
}
