#pragma once

#include "link/serial_port.h"
#include "link/session_recording.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The board of a recording, for the program to run against with no board and
// no port. The host's side of the recording is what the program must do, in
// order: every byte it sends, line change, purge, opening and closing is held
// against the recording's next host event; the board's bytes are given to the
// program once every host event before them has been matched, at the
// recorded pace after the last of them (or at once, when fast). The first
// host action that differs ends the replay; so does the end of a recording
// cut short.
class ReplayBoard {
public:
    struct Difference {
        int line = 0;         // of the recording's file
        std::string expected; // what the recording has there
        std::string found;    // what the program did
    };
    using Clock = std::function<std::int64_t()>; // microseconds, never decreasing

    ReplayBoard(Recording recording, bool fast, Clock clock = {});

    // The program's side.
    int Open() { return Host(RecordedEvent::Kind::Open, "open"); }
    int Close() { return Host(RecordedEvent::Kind::Close, "close"); }
    int Purge() { return Host(RecordedEvent::Kind::Purge, "purge"); }
    int SetLine(const char* line, bool level);
    int Write(const std::string& bytes);

    // The board's next delivery if it is due now; empty otherwise.
    std::string TakeDue();
    // Microseconds until the next delivery is due: 0 now, -1 none before the
    // program does something.
    std::int64_t WaitUs() const;

    // A difference was found, or the program went past a recording cut short.
    bool Over() const { return difference_.has_value() || pastEnd_; }
    const std::optional<Difference>& Differs() const { return difference_; }
    bool PastEnd() const { return pastEnd_; }
    // The host events the program has not done (a run that stopped early).
    std::optional<Difference> Unmatched() const;
    // Called when the replay becomes Over, and at each host action after.
    void SetOnOver(std::function<void()> handler) { onOver_ = std::move(handler); }
    const Recording& recording() const { return r_; }

private:
    int Host(RecordedEvent::Kind kind, const std::string& found);
    std::size_t NextHost(std::size_t from) const;
    void Matched(std::size_t index);
    void Differ(std::size_t index, std::string expected, std::string found);
    bool Ended();

    Recording r_;
    bool fast_;
    Clock clock_;
    std::size_t host_ = 0;     // the next host event not yet done
    std::size_t offset_ = 0;   // bytes of it done
    std::size_t board_ = 0;    // the next board event not yet delivered
    std::int64_t baseNow_ = 0; // when the last host event was matched (the clock)
    std::int64_t baseT_ = 0;   // and its time in the recording
    std::optional<Difference> difference_;
    bool pastEnd_ = false;
    std::function<void()> onOver_;
};

// A port that is a ReplayBoard: what the engine reads and writes goes to it.
PortOpener ReplayOpener(ReplayBoard& board);

// How a host event reads in a difference: hex bytes, DTR=1, open.
std::string HostEventText(const RecordedEvent& e, std::size_t offset = 0);
