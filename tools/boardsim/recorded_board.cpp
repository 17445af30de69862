#include "recorded_board.h"

namespace boardsim {

namespace {
bool IsHost(const RecordedStep& step) {
    return step.kind == RecordedStep::Kind::Host || step.kind == RecordedStep::Kind::Dtr ||
           step.kind == RecordedStep::Kind::Rts;
}
bool IsLine(const RecordedStep& step) {
    return step.kind == RecordedStep::Kind::Dtr || step.kind == RecordedStep::Kind::Rts;
}
} // namespace

RecordedBoard::RecordedBoard(RecordedSession session, Notice notice)
    : s_(std::move(session)), notice_(std::move(notice)) {
    while (host_ < s_.steps.size() && !IsHost(s_.steps[host_])) {
        ++host_;
    }
}

void RecordedBoard::Matched() {
    heardAt_ = now_;
    heardT_ = s_.steps[host_].t;
    offset_ = 0;
    ++host_;
    while (host_ < s_.steps.size() && !IsHost(s_.steps[host_])) {
        ++host_;
    }
}

void RecordedBoard::Receive(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size() && !diverged_; ++i) {
        // Line changes the host has not made are passed over.
        while (host_ < s_.steps.size() && IsLine(s_.steps[host_])) {
            Matched();
        }
        if (host_ >= s_.steps.size()) {
            diverged_ = true;
            notice_("the host sent more than the recording has");
            break;
        }
        const RecordedStep& step = s_.steps[host_];
        if (step.bytes[offset_] != bytes[i]) {
            diverged_ = true;
            notice_("line " + std::to_string(step.line) + ": the recording's host sent " +
                    HexText(step.bytes.substr(offset_)) + ", this host " +
                    HexText(std::string(bytes.substr(i))) + "; no more answers");
            break;
        }
        if (++offset_ == step.bytes.size()) {
            Matched();
        }
    }
}

// The host's line change, where the recording has it among the line changes
// that come next.
void RecordedBoard::Line(RecordedStep::Kind kind, bool high) {
    for (std::size_t at = host_; at < s_.steps.size() && IsLine(s_.steps[at]); ++at) {
        if (s_.steps[at].kind == kind && s_.steps[at].level == high) {
            while (host_ <= at) {
                Matched();
            }
            return;
        }
    }
}

void RecordedBoard::SetDtr(bool high) {
    dtr_ = high;
    Line(RecordedStep::Kind::Dtr, high);
}

void RecordedBoard::SetRts(bool high) {
    rts_ = high;
    Line(RecordedStep::Kind::Rts, high);
}

std::size_t RecordedBoard::NextBoard() const {
    std::size_t next = board_;
    while (next < s_.steps.size() && s_.steps[next].kind != RecordedStep::Kind::Board) {
        ++next;
    }
    return next;
}

std::int64_t RecordedBoard::NextReadyTime() const {
    const std::size_t next = NextBoard();
    if (diverged_ || next >= s_.steps.size() || host_ < next) {
        return -1;
    }
    return heardAt_ + (s_.steps[next].t - heardT_);
}

std::string RecordedBoard::TakeDelivery() {
    const std::int64_t ready = NextReadyTime();
    if (ready < 0 || ready > now_) {
        return {};
    }
    board_ = NextBoard();
    return s_.steps[board_++].bytes;
}

std::string RecordedBoard::TakeReady() {
    std::string all;
    for (std::string piece = TakeDelivery(); !piece.empty(); piece = TakeDelivery()) {
        all += piece;
    }
    return all;
}

bool RecordedBoard::Finished() const {
    return host_ >= s_.steps.size() && NextBoard() >= s_.steps.size();
}

} // namespace boardsim
