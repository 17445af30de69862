#include "link/recording_port.h"

RecordingPort::RecordingPort(std::unique_ptr<SerialPort> inner,
                             std::shared_ptr<SessionRecorder> recorder)
    : inner_(std::move(inner)), recorder_(std::move(recorder)) {
    recorder_->Port("open");
}

RecordingPort::~RecordingPort() {
    inner_.reset();
    recorder_->Port("close");
}

int RecordingPort::SetLine(ModemLine line, bool on) {
    const int error = inner_->SetLine(line, on);
    recorder_->Line(line == ModemLine::Dtr ? "DTR" : "RTS", on, error);
    return error;
}

int RecordingPort::Write(const std::string& bytes, int timeoutMs) {
    // On the wire first: the record costs the board no time.
    const int error = inner_->Write(bytes, timeoutMs);
    recorder_->Bytes(true, bytes, error);
    return error;
}

int RecordingPort::ReadByte(uint8_t& byte, bool& got) {
    const int error = inner_->ReadByte(byte, got);
    if (got)
        recorder_->HoldBoardBytes(std::string(1, static_cast<char>(byte)));
    return error;
}

int RecordingPort::TakeQueued(std::string& bytes) {
    const std::size_t before = bytes.size();
    const int error = inner_->TakeQueued(bytes);
    recorder_->HoldBoardBytes(std::string_view(bytes).substr(std::min(before, bytes.size())));
    return error;
}

int RecordingPort::PurgeAll() {
    const int error = inner_->PurgeAll();
    recorder_->Port("purge");
    return error;
}

int RecordingPort::WaitEvents(PortEvents& events, PortWatch watch, int timeoutMs) {
    recorder_->Flush(); // while the program has nothing to do
    const int error = inner_->WaitEvents(events, watch, timeoutMs);
    if (error == 0 && events.Break)
        recorder_->Line("BREAK", true);
    return error;
}

PortOpener RecordingOpener(std::shared_ptr<SessionRecorder> recorder) {
    return [recorder](const PortTarget& target) {
        OpenResult opened = OpenPortTarget(target);
        if (opened.port != nullptr)
            opened.port = std::make_unique<RecordingPort>(std::move(opened.port), recorder);
        return opened;
    };
}
