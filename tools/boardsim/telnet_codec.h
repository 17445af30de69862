#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace boardsim {

namespace telnet {
inline constexpr std::uint8_t IAC = 255;
inline constexpr std::uint8_t DONT = 254;
inline constexpr std::uint8_t DO = 253;
inline constexpr std::uint8_t WONT = 252;
inline constexpr std::uint8_t WILL = 251;
inline constexpr std::uint8_t SB = 250;
inline constexpr std::uint8_t SE = 240;
inline constexpr std::uint8_t BINARY = 0;
inline constexpr std::uint8_t SGA = 3;
inline constexpr std::uint8_t COM_PORT = 44;
// COM-PORT-OPTION commands, client to server; the server answers with code + 100.
inline constexpr std::uint8_t SET_BAUDRATE = 1;
inline constexpr std::uint8_t SET_DATASIZE = 2;
inline constexpr std::uint8_t SET_PARITY = 3;
inline constexpr std::uint8_t SET_STOPSIZE = 4;
inline constexpr std::uint8_t SET_CONTROL = 5;
inline constexpr std::uint8_t PURGE_DATA = 12;
inline constexpr std::uint8_t SERVER_OFFSET = 100;
// SET-CONTROL values.
inline constexpr std::uint8_t CONTROL_DTR_REQUEST = 7;
inline constexpr std::uint8_t CONTROL_DTR_ON = 8;
inline constexpr std::uint8_t CONTROL_DTR_OFF = 9;
inline constexpr std::uint8_t CONTROL_RTS_REQUEST = 10;
inline constexpr std::uint8_t CONTROL_RTS_ON = 11;
inline constexpr std::uint8_t CONTROL_RTS_OFF = 12;
} // namespace telnet

// What the serial side must do, in the order the client asked for it.
struct PortEvent {
    enum class Kind { Data, Dtr, Rts, Baud, Purge };
    Kind kind = Kind::Data;
    std::string data; // Kind::Data
    int value = 0;    // level (0/1), baud rate or purge selector
};

// The server side of a Telnet COM-PORT-OPTION (RFC 2217) connection: splits the
// client's stream into data and port commands, answers the commands and the
// option negotiation, and escapes outgoing data.
class TelnetServerCodec {
public:
    // Parses received bytes; returns the events and appends answers to `reply`.
    std::vector<PortEvent> Feed(std::string_view in, std::string& reply);
    // Data for the client with every 0xFF doubled.
    static std::string Escape(std::string_view data);

    bool Dtr() const { return dtr_; }
    bool Rts() const { return rts_; }
    int Baud() const { return baud_; }
    void SetLines(bool dtr, bool rts) {
        dtr_ = dtr;
        rts_ = rts;
    }

private:
    enum class State { Data, Iac, Verb, Sub, SubIac };

    void Step(std::uint8_t b, std::vector<PortEvent>& events, std::string& reply);
    void AfterIac(std::uint8_t b, std::vector<PortEvent>& events);
    void InSub(std::uint8_t b, std::vector<PortEvent>& events, std::string& reply);
    static void AppendData(std::vector<PortEvent>& events, std::uint8_t byte);
    void Baud(const std::string& payload, std::vector<PortEvent>& events, std::string& reply);
    void Negotiate(std::uint8_t verb, std::uint8_t option, std::string& reply);
    void SubOption(std::vector<PortEvent>& events, std::string& reply);
    void Control(std::uint8_t value, std::vector<PortEvent>& events);
    static void AppendSub(std::string& reply, std::uint8_t code, std::string_view payload);

    State state_ = State::Data;
    std::uint8_t verb_ = 0;
    std::string sub_;
    bool subOverflow_ = false;
    bool localOn_[256] = {};
    bool remoteOn_[256] = {};
    int baud_ = 19200;
    std::uint8_t dataSize_ = 8;
    std::uint8_t parity_ = 1;   // none
    std::uint8_t stopSize_ = 1; // one
    std::uint8_t flow_ = 1;     // none
    bool dtr_ = false;
    bool rts_ = false;
};

} // namespace boardsim
