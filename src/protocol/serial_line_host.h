#pragma once

#include "link/serial.h"
#include "protocol/programmer_host.h"

#include <memory>
#include <string>
#include <vector>

// The line to the board as every host with a serial port has it: the port set
// up for the board, the host's line calls over it (send, DTR, purge), and the
// receive pump that takes every byte a receive event brings in one piece.
class SerialLineHost : public ProgrammerHost {
public:
    void Send(const std::string& bytes) override;
    // DTR drives the board's reset; nothing happens while the port is closed.
    void SetProgrammerReset(int level) override;
    void PurgeRx() override;
    bool PortOpen() const override;
    int PortNumber() const override;

protected:
    // The board's port: 19200 baud, 8 data bits, no parity, line errors as
    // events, `onRx` for each receive event. The host owns it and closes it
    // before the engine it feeds goes.
    std::unique_ptr<TSerial> MakeBoardPort(Dialogs* dialogs, std::vector<std::string> portFolders,
                                           TNotifyEvent onRx);
    // Every byte waiting, for one call of the engine's OnBytes.
    std::string TakeReceived();

private:
    TSerial* line_ = nullptr;
};
