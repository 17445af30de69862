#include "link/serial.h"

// Handler registration and the framed-message assembler of TSerial.

TSerial::Handlers TSerial::HandlersCopy() const {
    std::lock_guard lock(mutex_);
    return handlers_;
}

bool TSerial::Serving(unsigned generation) const {
    std::lock_guard lock(mutex_);
    return Active_ && !Closing_ && generation == generation_;
}

void TSerial::SetOnRxData(TNotifyEvent handler) {
    SetHandler(&Handlers::OnRxData, std::move(handler));
}

void TSerial::SetOnTxEmpty(TNotifyEvent handler) {
    SetHandler(&Handlers::OnTxEmpty, std::move(handler));
}

void TSerial::SetOnMessage(TRxMessageEvent handler) {
    SetHandler(&Handlers::OnMessage, std::move(handler));
}

void TSerial::SetOnError(TNotifyEvent handler) {
    SetHandler(&Handlers::OnError, std::move(handler));
}

void TSerial::SetOnBreak(TNotifyEvent handler) {
    SetHandler(&Handlers::OnBreak, std::move(handler));
}

void TSerial::SetOnRing(TNotifyEvent handler) {
    SetHandler(&Handlers::OnRing, std::move(handler));
}

void TSerial::SetOnSignalChange(TSignalChangeEvent handler) {
    SetHandler(&Handlers::OnSignalChange, std::move(handler));
}

// One received byte into the message being assembled. A new start character
// drops a partial message; the end character and the bytes appended after it
// belong to the message. done is set when a message is complete.
void TSerial::FeedMessageByte(uint8_t b, std::string& complete, bool& done) {
    auto c = static_cast<char>(b);
    done = false;
    if (MessageState_ == 2) {
        RxMessage_.push_back(c);
        if (--AppendRemaining_ == 0) {
            MessageState_ = 3;
            done = true;
        }
    } else if (c == MessageStartChar_) {
        MessageState_ = 1;
        RxMessage_.assign(1, c);
    } else if (c == MessageEndChar_) {
        if (MessageState_ != 1)
            return;
        RxMessage_.push_back(c);
        MessageState_ = 2;
        AppendRemaining_ = MessageAppendCount_;
        if (AppendRemaining_ == 0) {
            MessageState_ = 3;
            done = true;
        }
    } else if (MessageState_ == 1) {
        RxMessage_.push_back(c);
    }
    if (done)
        complete = RxMessage_;
}
