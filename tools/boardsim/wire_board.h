#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace boardsim {

// What a server puts on the line: something that hears the host's bytes and
// line changes and has answers ready at given times. The simulated Board is
// one; a recorded board (recorded_board.h) is another.
class WireBoard {
public:
    virtual ~WireBoard() = default;
    virtual void SetTime(std::int64_t us) = 0;
    virtual void Receive(std::string_view bytes) = 0;
    virtual void SetDtr(bool high) = 0;
    virtual void SetRts(bool high) = 0;
    virtual bool Dtr() const = 0;
    virtual bool Rts() const = 0;
    // The next delivery ready now, or empty; everything ready now.
    virtual std::string TakeDelivery() = 0;
    virtual std::string TakeReady() = 0;
    // When the next answer is ready; -1 when none is queued.
    virtual std::int64_t NextReadyTime() const = 0;
    virtual void SentDelivery(std::string_view piece, std::int64_t atUs) = 0;
    virtual void SetBaud(int baud) = 0;
};

} // namespace boardsim
