#pragma once

#include "board.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace boardsim {

// A host attached to a board inside the same process, on a virtual clock that
// only the host moves: a one-second reset pulse costs nothing.
class InProcessLink {
public:
    explicit InProcessLink(Board& board) : board_(board) {}

    Board& board() { return board_; }
    std::int64_t Now() const { return now_; }
    void Advance(std::int64_t us);

    void Write(std::string_view bytes);
    void SetDtr(bool high);
    void SetRts(bool high);

    // The next delivery ready now (one receive event), or empty.
    std::string ReadDelivery();
    // Everything ready now.
    std::string ReadAll();
    // Moves the clock to when everything queued is ready and returns it all.
    std::string Drain();

private:
    Board& board_;
    std::int64_t now_ = 0;
};

} // namespace boardsim
