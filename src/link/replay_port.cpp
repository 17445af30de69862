#include "link/replay_port.h"

#include "link/queued_port.h"

#include <chrono>
#include <thread>

namespace {
using Kind = RecordedEvent::Kind;

std::int64_t SteadyUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

std::string HostEventText(const RecordedEvent& e, std::size_t offset) {
    switch (e.kind) {
    case Kind::HostBytes:
        return HexOfBytes(std::string_view(e.bytes).substr(offset));
    case Kind::Line:
        return e.line + (e.level ? "=1" : "=0");
    case Kind::Open:
        return "open";
    case Kind::Close:
        return "close";
    case Kind::Purge:
        return "purge";
    default:
        return {};
    }
}

ReplayBoard::ReplayBoard(Recording recording, bool fast, Clock clock)
    : r_(std::move(recording)), fast_(fast), clock_(clock ? std::move(clock) : SteadyUs) {
    host_ = NextHost(0);
    baseNow_ = clock_();
}

std::size_t ReplayBoard::NextHost(std::size_t from) const {
    while (from < r_.events.size() && !r_.events[from].IsHost())
        ++from;
    return from;
}

void ReplayBoard::Matched(std::size_t index) {
    baseNow_ = clock_();
    baseT_ = r_.events[index].t;
    host_ = NextHost(index + 1);
    offset_ = 0;
}

void ReplayBoard::Differ(std::size_t index, std::string expected, std::string found) {
    const int line = index < r_.events.size() ? r_.events[index].lineNo : r_.lastLine;
    difference_ = Difference{line, std::move(expected), std::move(found)};
}

// The program acts where the recording has ended: past a recording cut short
// the replay is over; past a whole one it differs.
bool ReplayBoard::Ended() {
    if (host_ < r_.events.size())
        return false;
    if (r_.cutShort)
        pastEnd_ = true;
    return true;
}

int ReplayBoard::Host(Kind kind, const std::string& found) {
    if (!Over() && !Ended()) {
        const RecordedEvent& e = r_.events[host_];
        if (e.kind == kind) {
            Matched(host_);
            return e.error;
        }
        Differ(host_, HostEventText(e, offset_), found);
    } else if (!Over()) {
        Differ(r_.events.size(), "", found);
    }
    if (onOver_)
        onOver_();
    return 0;
}

int ReplayBoard::SetLine(const char* line, bool level) {
    if (!Over() && !Ended()) {
        const RecordedEvent& e = r_.events[host_];
        if (e.kind == Kind::Line && e.line == line && e.level == level) {
            Matched(host_);
            return e.error;
        }
    }
    return Host(Kind::Other, std::string(line) + (level ? "=1" : "=0"));
}

int ReplayBoard::Write(const std::string& bytes) {
    int error = 0;
    for (std::size_t i = 0; i < bytes.size() && !Over(); ++i) {
        const auto rest = [&] { return HexOfBytes(std::string_view(bytes).substr(i)); };
        if (Ended()) {
            if (!Over())
                Differ(r_.events.size(), "", rest());
            break;
        }
        const RecordedEvent& e = r_.events[host_];
        if (e.kind != Kind::HostBytes || e.bytes[offset_] != bytes[i]) {
            Differ(host_, HostEventText(e, offset_), rest());
            break;
        }
        if (++offset_ == e.bytes.size()) {
            error = e.error != 0 ? e.error : error;
            Matched(host_);
        }
    }
    if (Over() && onOver_)
        onOver_();
    return Over() ? 0 : error;
}

std::int64_t ReplayBoard::WaitUs() const {
    std::size_t next = board_;
    while (next < r_.events.size() && r_.events[next].kind != Kind::BoardBytes)
        ++next;
    if (Over() || next >= r_.events.size() || host_ < next)
        return -1;
    if (fast_)
        return 0;
    const std::int64_t due = baseNow_ + (r_.events[next].t - baseT_);
    return std::max<std::int64_t>(0, due - clock_());
}

std::string ReplayBoard::TakeDue() {
    if (WaitUs() != 0)
        return {};
    while (r_.events[board_].kind != Kind::BoardBytes)
        ++board_;
    return r_.events[board_++].bytes;
}

std::optional<ReplayBoard::Difference> ReplayBoard::Unmatched() const {
    if (Over() || host_ >= r_.events.size())
        return std::nullopt;
    return Difference{r_.events[host_].lineNo, HostEventText(r_.events[host_], offset_), ""};
}

namespace {
class ReplayPort final : public QueuedPort {
public:
    explicit ReplayPort(ReplayBoard& board) : board_(board) {}
    ~ReplayPort() override { board_.Close(); }

    int Apply(const PortSettings&) override { return 0; }
    int SetLine(ModemLine line, bool on) override {
        return board_.SetLine(line == ModemLine::Dtr ? "DTR" : "RTS", on);
    }
    int Write(const std::string& bytes, int) override { return board_.Write(bytes); }
    int PurgeAll() override {
        rx_.Clear();
        return board_.Purge();
    }
    int QueueCounts(int& rx, int& tx) override {
        rx = static_cast<int>(rx_.Size());
        tx = 0;
        return 0;
    }
    int WaitEvents(PortEvents& events, PortWatch, int timeoutMs) override {
        events = PortEvents();
        std::int64_t wait = board_.WaitUs();
        const std::int64_t limit = std::int64_t{timeoutMs} * 1000;
        if (wait != 0 && !rx_.TakeNewData()) {
            // Nothing comes before the program acts, and it acts only after
            // this wait: the wait is waited out (the program's ticks go on).
            std::this_thread::sleep_for(
                std::chrono::microseconds(wait < 0 || wait > limit ? limit : wait));
        }
        Fill();
        events.RxChar = rx_.TakeNewData();
        return 0;
    }
    std::vector<Waitable> Waitables() const override { return {}; }

private:
    int Fill() override {
        const std::string due = board_.TakeDue();
        if (!due.empty())
            rx_.Append(reinterpret_cast<const std::uint8_t*>(due.data()), due.size());
        return 0;
    }

    ReplayBoard& board_;
};
} // namespace

PortOpener ReplayOpener(ReplayBoard& board) {
    return [&board](const PortTarget&) {
        OpenResult opened;
        board.Open();
        opened.port = std::make_unique<ReplayPort>(board);
        return opened;
    };
}
