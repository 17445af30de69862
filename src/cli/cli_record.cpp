// tessaro-cli --record: the run's session written down as it happens, one
// JSON line per event, from the port's opening to its closing.
#include "cli/cli_session.h"

#include "cli/gang.h"
#include "link/programmer_style.h"
#include "link/recording_port.h"
#include "link/serial.h"
#include "platform/os_name.h"
#include "platform/sha256.h"
#include "workbench/bench_messages.h"
#include "workbench/workbench.h"

namespace {
// The board's part of a file name: its port with everything but letters and
// digits left out (/dev/ttyUSB0: devttyUSB0; rfc2217://host:4000: rfc2217host4000).
std::string PortPart(const std::string& port) {
    std::string part;
    for (const char c : port)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            part += c;
    return part.empty() ? "port" : part;
}

} // namespace

std::string BoardRecordingPath(const std::string& path, const std::string& port) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::size_t at = hasExt ? dot : path.size();
    return path.substr(0, at) + "-" + PortPart(port) + path.substr(at);
}

namespace {

std::string LineSettings(const PortSettings& s) {
    static const char parity[] = "NOEMS";
    return std::string(1, s.DataBits == eDataBits::Bits8 ? '8' : '7') +
           parity[static_cast<int>(s.Parity)] + (s.StopBits == eStopBits::Bits2 ? '2' : '1');
}

std::string PortKind(const std::string& port) {
    if (port.rfind("rfc2217:", 0) == 0)
        return "network";
    return ComNumberOf(port) > 0 ? "com" : "device";
}

std::string Options(const CliOptions& o) {
    JsonLine options;
    options.Bool("icsp", o.icsp).Bool("ignore_blank_check", o.ignoreBlankCheck);
    if (o.idGiven)
        options.Str("id", o.id);
    std::vector<std::string> fuses;
    for (const auto& [label, option] : o.fuses)
        fuses.push_back(label + "=" + option);
    if (!fuses.empty())
        options.Raw("fuses", JsonStringArray(fuses));
    if (o.count > 0)
        options.Int("count", o.count);
    if (o.calibration >= 0)
        options.Int("calibration", o.calibration);
    options.Bool("yes", o.yes);
    return options.Text();
}
} // namespace

bool CliSession::StartRecording() {
    const std::string& path = o_.record;
    JsonLine h;
    h.Str("program", TESSARO_VERSION).Str("os", OperatingSystemName());
    h.Str("port", port_).Str("port_kind", PortKind(port_));
    const PortSettings settings = Bench().LineSettings();
    h.Int("baud", settings.Baudrate).Str("line", LineSettings(settings));
    if (o_.style >= 0)
        h.Str("style", StyleInfo(o_.style).messageName);
    else
        h.Null("style");
    // An upgrade's chip is the board's own, whatever the command line names.
    h.Str("chip", o_.command == CliCommand::Upgrade ? kUpgradeChip : o_.chip);
    h.Str("operation", CommandRow(o_.command).word);
    h.Raw("options", Options(o_)).Raw("args", JsonStringArray(o_.args));
    if (!o_.file.empty() && CommandRow(o_.command).file == CliFile::In)
        h.Str("file", o_.file).Str("hex_sha256", FileSha256Hex(o_.file));
    else if (!o_.file.empty())
        h.Str("file", o_.file);
    h.Str("started", UtcTime(std::chrono::system_clock::now()));
    const std::string text = h.Text();
    std::string error;
    recorder_ = SessionRecorder::Create(path, text.substr(1, text.size() - 2), error);
    if (recorder_ == nullptr) {
        out_.Say(MeSays(N_("cannot write the recording %1: %2"), path, error), true);
        return false;
    }
    Bench().RecordPorts(recorder_);
    host_.AddStateTap([this](EngineState, EngineState to) {
        recorder_->State(static_cast<int>(to), Workbench::StateName(to));
    });
    return true;
}

void CliSession::RecordResult(const std::string& json) {
    recorder_->Result(json);
}
