// The chip operations started from the main window, and the received-data
// handler that advances whatever exchange with the board is under way.
#include "app/proj_fm.h"
#include "link/serial.h"

void TProjFm::Serial1RxData() {
    uint8_t byte = 0;
    while (Serial1->ReadChar(byte) == 1)
        Protocol.RxText += static_cast<char>(byte);
    Protocol.IdleTicks = 0;
    // State 0: the only thing the board says unasked is its greeting after a reset.
    if (Protocol.ProtocolState == 0)
        HandleGreeting();
}

void TProjFm::ProgButtClick() {}
void TProjFm::ReadButtClick() {}
void TProjFm::VerfButtClick() {}
void TProjFm::BlankButtClick() {}
void TProjFm::ReadChipID1Click() {}
void TProjFm::CanButtClick() {}
