#include "telnet_codec.h"

namespace boardsim {

using namespace telnet;

namespace {
constexpr std::size_t kMaxSub = 64;

bool Supported(std::uint8_t option) {
    return option == BINARY || option == SGA || option == COM_PORT;
}
} // namespace

std::string TelnetServerCodec::Escape(std::string_view data) {
    std::string out;
    out.reserve(data.size());
    for (char c : data) {
        out += c;
        if (static_cast<std::uint8_t>(c) == IAC) {
            out += c;
        }
    }
    return out;
}

std::vector<PortEvent> TelnetServerCodec::Feed(std::string_view in, std::string& reply) {
    std::vector<PortEvent> events;
    for (char c : in) {
        Step(static_cast<std::uint8_t>(c), events, reply);
    }
    return events;
}

void TelnetServerCodec::AppendData(std::vector<PortEvent>& events, std::uint8_t byte) {
    if (events.empty() || events.back().kind != PortEvent::Kind::Data) {
        events.push_back({});
    }
    events.back().data += static_cast<char>(byte);
}

void TelnetServerCodec::Step(std::uint8_t b, std::vector<PortEvent>& events, std::string& reply) {
    switch (state_) {
    case State::Data:
        if (b == IAC) {
            state_ = State::Iac;
        } else {
            AppendData(events, b);
        }
        return;
    case State::Iac:
        return AfterIac(b, events);
    case State::Verb:
        Negotiate(verb_, b, reply);
        state_ = State::Data;
        return;
    case State::Sub:
    case State::SubIac:
        return InSub(b, events, reply);
    }
}

void TelnetServerCodec::AfterIac(std::uint8_t b, std::vector<PortEvent>& events) {
    if (b == IAC) {
        AppendData(events, b);
        state_ = State::Data;
    } else if (b == SB) {
        sub_.clear();
        subOverflow_ = false;
        state_ = State::Sub;
    } else if (b >= WILL && b <= DONT) {
        verb_ = b;
        state_ = State::Verb;
    } else {
        state_ = State::Data; // NOP, GA and the like carry nothing for a port
    }
}

void TelnetServerCodec::InSub(std::uint8_t b, std::vector<PortEvent>& events, std::string& reply) {
    if (state_ == State::Sub && b == IAC) {
        state_ = State::SubIac;
        return;
    }
    if (state_ == State::SubIac && b == SE) {
        if (!subOverflow_) {
            SubOption(events, reply);
        }
        state_ = State::Data;
        return;
    }
    // A byte of the sub-negotiation; IAC IAC inside it is one 0xFF.
    if (sub_.size() < kMaxSub) {
        sub_ += static_cast<char>(b);
    } else {
        subOverflow_ = true;
    }
    state_ = State::Sub;
}

void TelnetServerCodec::Negotiate(std::uint8_t verb, std::uint8_t option, std::string& reply) {
    auto answer = [&](std::uint8_t v) {
        reply += static_cast<char>(IAC);
        reply += static_cast<char>(v);
        reply += static_cast<char>(option);
    };
    // Answer only changes of state, so that two servers never loop.
    if (verb == WILL) {
        if (!Supported(option)) {
            answer(DONT);
        } else if (!remoteOn_[option]) {
            remoteOn_[option] = true;
            answer(DO);
        }
    } else if (verb == WONT) {
        if (remoteOn_[option]) {
            remoteOn_[option] = false;
            answer(DONT);
        }
    } else if (verb == DO) {
        if (!Supported(option)) {
            answer(WONT);
        } else if (!localOn_[option]) {
            localOn_[option] = true;
            answer(WILL);
        }
    } else if (localOn_[option]) {
        localOn_[option] = false;
        answer(WONT);
    }
}

void TelnetServerCodec::AppendSub(std::string& reply, std::uint8_t code, std::string_view payload) {
    reply += static_cast<char>(IAC);
    reply += static_cast<char>(SB);
    reply += static_cast<char>(COM_PORT);
    reply += static_cast<char>(code);
    reply += Escape(payload);
    reply += static_cast<char>(IAC);
    reply += static_cast<char>(SE);
}

void TelnetServerCodec::Control(std::uint8_t value, std::vector<PortEvent>& events) {
    if (value == CONTROL_DTR_ON || value == CONTROL_DTR_OFF) {
        dtr_ = value == CONTROL_DTR_ON;
        events.push_back({PortEvent::Kind::Dtr, {}, dtr_ ? 1 : 0});
    } else if (value == CONTROL_RTS_ON || value == CONTROL_RTS_OFF) {
        rts_ = value == CONTROL_RTS_ON;
        events.push_back({PortEvent::Kind::Rts, {}, rts_ ? 1 : 0});
    } else if (value >= 1 && value <= 3) {
        flow_ = value;
    }
}

void TelnetServerCodec::Baud(const std::string& payload, std::vector<PortEvent>& events,
                             std::string& reply) {
    if (payload.size() == 4) {
        std::uint32_t baud = 0;
        for (char c : payload) {
            baud = baud << 8 | static_cast<std::uint8_t>(c);
        }
        if (baud != 0 && baud <= 4'000'000) {
            baud_ = static_cast<int>(baud);
            events.push_back({PortEvent::Kind::Baud, {}, baud_});
        }
    }
    std::string value(4, '\0');
    for (int i = 0; i < 4; ++i) {
        value[static_cast<std::size_t>(i)] = static_cast<char>((baud_ >> (24 - 8 * i)) & 0xFF);
    }
    AppendSub(reply, SET_BAUDRATE + SERVER_OFFSET, value);
}

void TelnetServerCodec::SubOption(std::vector<PortEvent>& events, std::string& reply) {
    if (sub_.size() < 2 || static_cast<std::uint8_t>(sub_[0]) != COM_PORT) {
        return;
    }
    const auto code = static_cast<std::uint8_t>(sub_[1]);
    const std::string payload = sub_.substr(2);
    const auto first = payload.empty() ? std::uint8_t{0} : static_cast<std::uint8_t>(payload[0]);
    const std::uint8_t answerCode = static_cast<std::uint8_t>(code + SERVER_OFFSET);
    auto one = [&](std::uint8_t value) {
        AppendSub(reply, answerCode, std::string(1, static_cast<char>(value)));
    };
    switch (code) {
    case SET_BAUDRATE:
        return Baud(payload, events, reply);
    case SET_DATASIZE:
        dataSize_ = first ? first : dataSize_;
        return one(dataSize_);
    case SET_PARITY:
        parity_ = first ? first : parity_;
        return one(parity_);
    case SET_STOPSIZE:
        stopSize_ = first ? first : stopSize_;
        return one(stopSize_);
    case SET_CONTROL:
        Control(first, events);
        if (first == 0) {
            return one(flow_);
        }
        if (first == CONTROL_DTR_REQUEST) {
            return one(dtr_ ? CONTROL_DTR_ON : CONTROL_DTR_OFF);
        }
        if (first == CONTROL_RTS_REQUEST) {
            return one(rts_ ? CONTROL_RTS_ON : CONTROL_RTS_OFF);
        }
        return one(first);
    case PURGE_DATA:
        events.push_back({PortEvent::Kind::Purge, {}, first});
        return one(first);
    default:
        // Every other command is acknowledged by echoing it.
        AppendSub(reply, answerCode, payload);
        return;
    }
}

} // namespace boardsim
