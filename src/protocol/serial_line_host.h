#pragma once

#include "link/serial.h"
#include "protocol/programmer_host.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The board's port: 19200 baud, 8 data bits, no parity, line errors as
// events and never boxes of its own (the host tells what they mean),
// `onRx` for each receive event. The host owns it and closes it before the
// engine it feeds goes.
std::unique_ptr<TSerial> MakeBoardPort(std::vector<std::string> portFolders, TNotifyEvent onRx);

// The line to the board over a serial component, as every host with a port
// has it: send, DTR, purge, and the receive pump that takes every byte a
// receive event brings in one piece.
class SerialLine : public BoardLine {
public:
    explicit SerialLine(TSerial& serial) : serial_(serial) {}

    void Send(const std::string& bytes) override;
    void SetProgrammerReset(bool level) override;
    void PurgeRx() override;
    // "COM n", or the name given for a port opened by its device or server;
    // empty while the port is closed.
    std::string PortName() const override;
    void SetPortName(std::string name) { name_ = std::move(name); }

    // Every byte waiting, for one call of the engine's OnBytes.
    std::string TakeReceived();

    // Shown every byte sent ("tx") and taken ("rx"), for tracing a board's fault.
    using Tap = std::function<void(const char* direction, const std::string& bytes)>;
    void SetTap(Tap tap) { tap_ = std::move(tap); }

private:
    TSerial& serial_;
    std::string name_;
    Tap tap_;
};
