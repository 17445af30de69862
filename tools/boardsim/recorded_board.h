#pragma once

#include "recorded_session.h"
#include "wire_board.h"

#include <cstdint>
#include <functional>
#include <string>

namespace boardsim {

// The board of a recording, served in place of a simulated one: each of its
// answers is given once the host has sent everything the recording has
// before it, as long after the host's last byte as the recording has it. The
// host's line changes are followed where the recording has them and passed
// over otherwise (a port's opening differs from program to program); a host
// byte the recording does not have ends the answers, with a notice.
class RecordedBoard final : public WireBoard {
public:
    using Notice = std::function<void(const std::string&)>;
    RecordedBoard(RecordedSession session, Notice notice);

    void SetTime(std::int64_t us) override { now_ = us > now_ ? us : now_; }
    void Receive(std::string_view bytes) override;
    void SetDtr(bool high) override;
    void SetRts(bool high) override;
    bool Dtr() const override { return dtr_; }
    bool Rts() const override { return rts_; }
    std::string TakeDelivery() override;
    std::string TakeReady() override;
    std::int64_t NextReadyTime() const override;
    void SentDelivery(std::string_view, std::int64_t) override {}
    void SetBaud(int) override {}

    bool Diverged() const { return diverged_; }
    // Every answer given and every host step heard.
    bool Finished() const;

private:
    void Line(RecordedStep::Kind kind, bool high);
    void Matched();
    std::size_t NextBoard() const;

    RecordedSession s_;
    Notice notice_;
    std::int64_t now_ = 0;
    std::size_t host_ = 0;     // the next host step not yet heard
    std::size_t offset_ = 0;   // its bytes heard so far
    std::size_t board_ = 0;    // the next answer not yet given
    std::int64_t heardAt_ = 0; // when the last host step was heard
    std::int64_t heardT_ = 0;  // and its time in the recording
    bool dtr_ = false;
    bool rts_ = false;
    bool diverged_ = false;
};

} // namespace boardsim
