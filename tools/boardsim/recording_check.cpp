#include "recording_check.h"

#include <algorithm>

namespace boardsim {

namespace {

class Checker {
public:
    Checker(Board& board, int timingUs) : board_(board), timingUs_(timingUs) {}

    void Host(const RecordedStep& step) {
        At(step.t);
        switch (step.kind) {
        case RecordedStep::Kind::Host:
            board_.Receive(step.bytes);
            break;
        case RecordedStep::Kind::Dtr:
            board_.SetDtr(step.level);
            break;
        case RecordedStep::Kind::Rts:
            board_.SetRts(step.level);
            break;
        default:
            break;
        }
    }

    // The simulator's next bytes, as many as the recorded board gave here;
    // those ready by the recorded time first, then what it would say later.
    void Answer(const RecordedStep& step) {
        At(step.t);
        Collect();
        while (said_.size() < step.bytes.size() && board_.HasOutput()) {
            board_.SetTime(std::max(board_.Time(), board_.NextReadyTime()));
            Collect();
        }
        const std::size_t n = std::min(said_.size(), step.bytes.size());
        const std::string simulated = said_.substr(0, n);
        const std::int64_t readyUs = n > 0 ? ready_[n - 1] : board_.Time();
        said_.erase(0, n);
        ready_.erase(ready_.begin(), ready_.begin() + static_cast<std::ptrdiff_t>(n));
        const bool late = timingUs_ >= 0 && readyUs > step.t + timingUs_;
        if (simulated != step.bytes || late) {
            differences_.push_back(
                {step.line, HexText(step.bytes), HexText(simulated), step.t, readyUs});
        }
    }

    std::vector<CheckDifference> Take() { return std::move(differences_); }

private:
    void At(std::int64_t us) { board_.SetTime(std::max(board_.Time(), us)); }
    void Collect() {
        const std::string piece = board_.TakeReady();
        said_ += piece;
        ready_.insert(ready_.end(), piece.size(), board_.Time());
    }

    Board& board_;
    int timingUs_;
    std::string said_;                // the simulator's answers not yet compared
    std::vector<std::int64_t> ready_; // when each of them was ready
    std::vector<CheckDifference> differences_;
};

} // namespace

std::vector<CheckDifference> CheckRecording(Board& board, const RecordedSession& session,
                                            int timingUs) {
    Checker checker(board, timingUs);
    for (const RecordedStep& step : session.steps) {
        if (step.kind == RecordedStep::Kind::Board) {
            checker.Answer(step);
        } else if (step.kind != RecordedStep::Kind::Close) {
            checker.Host(step);
        }
    }
    return checker.Take();
}

} // namespace boardsim
