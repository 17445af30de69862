#include "link/rfc2217_codec.h"

namespace telnet {

std::string EscapeIac(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + 4);
    for (char c : bytes) {
        out.push_back(c);
        if (static_cast<uint8_t>(c) == IAC)
            out.push_back(c);
    }
    return out;
}

std::string Negotiation(uint8_t verb, uint8_t option) {
    return {static_cast<char>(IAC), static_cast<char>(verb), static_cast<char>(option)};
}

std::string ComPortCommand(uint8_t command, const std::string& value) {
    std::string out = {static_cast<char>(IAC), static_cast<char>(SB), static_cast<char>(OptComPort),
                       static_cast<char>(command)};
    out += EscapeIac(value);
    out.push_back(static_cast<char>(IAC));
    out.push_back(static_cast<char>(SE));
    return out;
}

std::string BigEndian32(uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
            static_cast<char>(value >> 8), static_cast<char>(value)};
}

void Reader::Feed(const uint8_t* bytes, size_t count, Input& out) {
    for (size_t i = 0; i < count; ++i)
        FeedByte(bytes[i], out);
}

void Reader::FeedByte(uint8_t b, Input& out) {
    switch (state_) {
    case State::Data:
        if (b == IAC)
            state_ = State::Iac;
        else
            out.data.push_back(static_cast<char>(b));
        return;
    case State::Iac:
        state_ = State::Data;
        if (b == IAC) {
            out.data.push_back(static_cast<char>(b));
        } else if (b >= WILL && b <= DONT) {
            verb_ = b;
            state_ = State::Verb;
        } else if (b == SB) {
            sub_.clear();
            state_ = State::Sub;
        }
        return; // other commands (NOP, GA, a stray SE) carry nothing for us
    case State::Verb:
        out.negotiations.emplace_back(verb_, b);
        state_ = State::Data;
        return;
    case State::Sub:
        if (b == IAC)
            state_ = State::SubIac;
        else if (sub_.size() < MaxSubnegotiation)
            sub_.push_back(static_cast<char>(b));
        return;
    case State::SubIac:
        if (b == IAC) {
            state_ = State::Sub;
            if (sub_.size() < MaxSubnegotiation)
                sub_.push_back(static_cast<char>(b));
        } else if (b == SE) {
            out.subnegotiations.push_back(sub_);
            state_ = State::Data;
        } else {
            // A command inside a sub-negotiation ends it without meaning.
            state_ = State::Data;
        }
        return;
    }
}

} // namespace telnet
