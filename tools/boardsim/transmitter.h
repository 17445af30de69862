#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace boardsim {

// The board's sending side: every byte gets the time at which it has fully left
// the wire, and bytes are grouped into deliveries (what a host sees in one
// receive event). Times are microseconds on the board's clock.
class Transmitter {
public:
    // 0 turns pacing off: bytes are ready as soon as they are sent.
    void SetBaud(int baud) { baud_ = baud; }
    // Cut the output into pieces of these sizes (cycling) instead of one piece per answer.
    void SetSplit(const std::vector<int>& sizes, std::int64_t gapUs);
    void SetJoin(bool join) { join_ = join; }

    // Queue one answer; its first byte starts no earlier than `earliest`. An open
    // answer shares its delivery with the next one until EndDelivery.
    void Send(std::string_view bytes, std::int64_t earliest, bool open = false);
    void EndDelivery();
    // Drops what has not yet fully left the wire by `now` (the board was reset).
    void DropUnsent(std::int64_t now);

    bool Empty() const { return queue_.empty(); }
    std::size_t Pending() const { return queue_.size(); }
    // Time the next delivery is complete; -1 when nothing is queued.
    std::int64_t NextReady() const;
    // Time the line is free again (the last queued byte's end).
    std::int64_t LineFree() const { return txFree_; }

    // The next delivery if all of it is ready by `now` (with joined answers: every
    // byte ready), or an empty string.
    std::string TakeDelivery(std::int64_t now);
    // Every byte ready by `now`.
    std::string TakeReady(std::int64_t now);

private:
    std::size_t DeliveryEnd() const;

    struct OutByte {
        char byte;
        std::int64_t ready;
        bool endsDelivery;
    };

    std::deque<OutByte> queue_;
    int baud_ = 0;
    std::int64_t txFree_ = 0;
    std::int64_t fraction_ = 0; // remainder of byte times, in 1/baud microseconds
    std::vector<int> split_;
    std::size_t splitIndex_ = 0;
    int pieceLeft_ = 0;
    std::int64_t splitGapUs_ = 0;
    std::int64_t lastPieceEnd_ = -1;
    bool join_ = false;
};

} // namespace boardsim
