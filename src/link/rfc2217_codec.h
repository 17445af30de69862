#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Telnet framing and the COM-PORT-OPTION commands of a network serial server.
namespace telnet {

inline constexpr uint8_t IAC = 255, DONT = 254, DO = 253, WONT = 252, WILL = 251, SB = 250,
                         SE = 240;
inline constexpr uint8_t OptBinary = 0, OptEcho = 1, OptSuppressGoAhead = 3, OptComPort = 44;

// COM-PORT-OPTION commands from client to server; the server answers with the
// same number plus ServerOffset.
inline constexpr uint8_t SetBaudrate = 1, SetDatasize = 2, SetParity = 3, SetStopsize = 4,
                         SetControl = 5, NotifyLinestate = 6, NotifyModemstate = 7,
                         SetLinestateMask = 10, PurgeData = 12, ServerOffset = 100;

// SET-CONTROL values.
inline constexpr uint8_t NoFlowControl = 1, XonXoffFlow = 2, HardwareFlow = 3, DtrOn = 8,
                         DtrOff = 9, RtsOn = 11, RtsOff = 12, DsrFlow = 19;

// NOTIFY-MODEMSTATE and NOTIFY-LINESTATE bits.
inline constexpr uint8_t ModemCts = 0x10, ModemDsr = 0x20, ModemRi = 0x40, ModemRlsd = 0x80,
                         ModemRiTrailingEdge = 0x04, LineBreak = 0x10;

// Doubles every IAC so the bytes pass as data.
std::string EscapeIac(const std::string& bytes);
std::string Negotiation(uint8_t verb, uint8_t option);
std::string ComPortCommand(uint8_t command, const std::string& value);
std::string BigEndian32(uint32_t value);

// What one stretch of received bytes held.
struct Input {
    std::string data;
    std::vector<std::pair<uint8_t, uint8_t>> negotiations; // verb, option
    std::vector<std::string> subnegotiations;              // option byte, then payload
};

// Splits the byte stream from the server into data, negotiations and
// sub-negotiations, across any split of the stream.
class Reader {
public:
    static constexpr size_t MaxSubnegotiation = 256;

    void Feed(const uint8_t* bytes, size_t count, Input& out);

private:
    enum class State : uint8_t { Data, Iac, Verb, Sub, SubIac };
    void FeedByte(uint8_t b, Input& out);

    State state_ = State::Data;
    uint8_t verb_ = 0;
    std::string sub_;
};

} // namespace telnet
