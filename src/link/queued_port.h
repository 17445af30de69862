#pragma once

#include "link/port_io.h"
#include "link/serial_port.h"

// What every back-end shares: received bytes wait in a queue for the owner,
// and the owner's read of one byte fills the queue from the device first
// when it is empty.
class QueuedPort : public SerialPort {
public:
    // A read error here is left for the next wait to report.
    int ReadByte(uint8_t& byte, bool& got) final {
        got = rx_.Pop(byte) || (Fill() == 0 && rx_.Pop(byte));
        return 0;
    }
    int TakeQueued(std::string& bytes) final {
        rx_.TakeAll(bytes);
        return 0;
    }

protected:
    // Moves into the queue what the device has brought so far; never waits.
    virtual int Fill() = 0;

    RxQueue rx_;
    bool dead_ = false; // the port failed: its waits only wait out their time
};
