#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

// Value types of the serial component. Enumerations keep the order of their
// values: the first has ordinal 0.

class TSerial;

enum class eParity : uint8_t { None, Odd, Even, Mark, Space };
enum class eDataBits : uint8_t { Bits7, Bits8 };
enum class eStopBits : uint8_t { Bits1, Bits2 };
enum class eFlowControl : uint8_t { None, RtsCts, DtrDsr, XonXoff };
enum class eNotifyErr : uint8_t { Box, Event, None };
enum class eModemInSignal : uint8_t { Cts, Dsr, Rlsd };

using TNotifyEvent = std::function<void(TSerial& Sender)>;
using TSignalChangeEvent =
    std::function<void(TSerial& Sender, eModemInSignal Signal, bool SignalState)>;

// The fifteen rates a port accepts.
inline constexpr std::array<int32_t, 15> ValidBaudrates = {110,   300,   600,    1200,   2400,
                                                           4800,  9600,  14400,  19200,  38400,
                                                           56000, 57600, 115200, 128000, 256000};

// What a back-end needs to configure a port.
struct PortSettings {
    int32_t Baudrate = 9600;
    eParity Parity = eParity::None;
    eDataBits DataBits = eDataBits::Bits7;
    eStopBits StopBits = eStopBits::Bits1;
    eFlowControl FlowMode = eFlowControl::None;
    bool CheckParity = true;
    // The driver's queues, for a back-end whose system lets them be sized
    // (SetupComm on Windows).
    uint16_t RxQueueSize = 1024;
    uint16_t TxQueueSize = 1024;
};

enum class ModemLine : uint8_t { Rts, Dtr };

// What the owner has handlers for besides received bytes: the rest need not
// be watched.
struct PortWatch {
    bool Lines = false; // modem lines, break and ring
};

// What one wait found on the port.
struct PortEvents {
    bool RxChar = false;
    bool CtsChanged = false;
    bool DsrChanged = false;
    bool RlsdChanged = false;
    bool Break = false;
    bool Ring = false;
    bool Cts = false;
    bool Dsr = false;
    bool Rlsd = false;
    // A port error noticed while waiting (an unanswered request, say); the
    // port itself is still usable. 0 when none.
    int Error = 0;

    bool Any() const {
        return RxChar || CtsChanged || DsrChanged || RlsdChanged || Break || Ring || Error != 0;
    }
};
