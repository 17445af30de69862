#pragma once

// The serial component as the main window sets it up (19200 baud, 8 data
// bits, no parity check, errors as events), in a program folder with ports/,
// served by the test's thread as the programs serve it.

#include "link/serial.h"
#include "platform/scripted_dialogs.h"
#include "ports_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// Serves the component's port on this thread until done() holds (true) or
// the time is up (false).
bool ServeUntil(TSerial& serial, const std::function<bool()>& done, int timeoutMs);
inline void ServeFor(TSerial& serial, int milliseconds) {
    ServeUntil(
        serial, [] { return false; }, milliseconds);
}

struct SerialOwner : ::testing::Test {
    ProgramFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TSerial> serial;
    std::string received; // what the receive handler read
    int errors = 0;

    // The component goes first: its close still calls the handlers above.
    void TearDown() override { serial.reset(); }

    void Make();
    // COMn leads to a network serial server on loopback.
    void PointAt(int com, int tcpPort) {
        folder.WriteCom(com, "rfc2217://127.0.0.1:" + std::to_string(tcpPort) + "\n");
    }
    bool ReceiveAtLeast(size_t count) {
        return ServeUntil(
            *serial, [&] { return received.size() >= count; }, 2000);
    }
};
