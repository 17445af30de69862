#include "transmitter.h"

#include <algorithm>

namespace boardsim {

namespace {
constexpr std::int64_t kBitsTimesMicro = 10'000'000; // 10 bits per byte, in microseconds
}

void Transmitter::SetSplit(const std::vector<int>& sizes, std::int64_t gapUs) {
    split_.clear();
    for (int size : sizes) {
        if (size > 0) {
            split_.push_back(size);
        }
    }
    splitIndex_ = 0;
    pieceLeft_ = 0;
    splitGapUs_ = gapUs;
    lastPieceEnd_ = -1;
}

void Transmitter::Send(std::string_view bytes, std::int64_t earliest, bool open) {
    if (bytes.empty()) {
        return;
    }
    std::int64_t t = std::max(earliest, txFree_);
    if (t > txFree_) {
        fraction_ = 0;
    }
    for (char byte : bytes) {
        const bool splitting = !split_.empty();
        if (splitting && pieceLeft_ == 0) {
            pieceLeft_ = split_[splitIndex_++ % split_.size()];
            if (lastPieceEnd_ >= 0) {
                t = std::max(t, lastPieceEnd_ + splitGapUs_);
            }
        }
        if (baud_ > 0) {
            fraction_ += kBitsTimesMicro;
            t += fraction_ / baud_;
            fraction_ %= baud_;
        }
        queue_.push_back({byte, t, false});
        if (splitting && --pieceLeft_ == 0) {
            queue_.back().endsDelivery = true;
            lastPieceEnd_ = t;
        }
    }
    txFree_ = t;
    if (split_.empty()) {
        queue_.back().endsDelivery = !open;
    }
}

void Transmitter::EndDelivery() {
    if (split_.empty() && !queue_.empty()) {
        queue_.back().endsDelivery = true;
    }
}

std::size_t Transmitter::DeliveryEnd() const {
    for (std::size_t i = 0; i < queue_.size(); ++i) {
        if (queue_[i].endsDelivery) {
            return i;
        }
    }
    return queue_.size() - 1;
}

std::int64_t Transmitter::NextReady() const {
    if (queue_.empty()) {
        return -1;
    }
    return join_ ? queue_.front().ready : queue_[DeliveryEnd()].ready;
}

void Transmitter::DropUnsent(std::int64_t now) {
    while (!queue_.empty() && queue_.back().ready > now) {
        queue_.pop_back();
    }
    if (!queue_.empty()) {
        queue_.back().endsDelivery = true;
    }
    txFree_ = std::min(txFree_, now);
    pieceLeft_ = 0;
}

std::string Transmitter::TakeDelivery(std::int64_t now) {
    if (join_) {
        return TakeReady(now);
    }
    std::string out;
    if (queue_.empty() || queue_[DeliveryEnd()].ready > now) {
        return out;
    }
    const std::size_t count = DeliveryEnd() + 1;
    for (std::size_t i = 0; i < count; ++i) {
        out += queue_.front().byte;
        queue_.pop_front();
    }
    return out;
}

std::string Transmitter::TakeReady(std::int64_t now) {
    std::string out;
    while (!queue_.empty() && queue_.front().ready <= now) {
        out += queue_.front().byte;
        queue_.pop_front();
    }
    return out;
}

} // namespace boardsim
