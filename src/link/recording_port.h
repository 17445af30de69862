#pragma once

#include "link/serial_port.h"
#include "link/session_recording.h"

#include <memory>

// A port that writes down everything that passes through it: the bytes each
// way, exactly as they crossed (received bytes when the owner takes them,
// their line written after the owner's answer has gone out),
// the line changes, purges, and its opening and closing. It wraps any
// back-end, so the window, the command line and each board of a gang run
// record alike.
class RecordingPort final : public SerialPort {
public:
    RecordingPort(std::unique_ptr<SerialPort> inner, std::shared_ptr<SessionRecorder> recorder);
    ~RecordingPort() override;

    int Apply(const PortSettings& settings) override { return inner_->Apply(settings); }
    int SetLine(ModemLine line, bool on) override;
    int Write(const std::string& bytes, int timeoutMs) override;
    int ReadByte(uint8_t& byte, bool& got) override;
    int TakeQueued(std::string& bytes) override;
    int PurgeAll() override;
    int QueueCounts(int& rx, int& tx) override { return inner_->QueueCounts(rx, tx); }
    int WaitEvents(PortEvents& events, PortWatch watch, int timeoutMs) override;
    std::vector<Waitable> Waitables() const override { return inner_->Waitables(); }

private:
    std::unique_ptr<SerialPort> inner_;
    std::shared_ptr<SessionRecorder> recorder_;
};

// The opener of a recorded run: the port the target names, wrapped.
PortOpener RecordingOpener(std::shared_ptr<SessionRecorder> recorder);
