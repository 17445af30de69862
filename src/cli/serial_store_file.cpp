#include "cli/serial_store_file.h"

#include "platform/translate.h"
#include "store/store_text.h"

namespace {
StoreAnswer Input(const std::string& error) {
    return StoreAnswer::Bad(StoreAnswer::Kind::Input, error);
}
} // namespace

StoreAnswer FileSerialStore::Peek(std::size_t wanted, std::uint64_t& next) {
    std::string error;
    std::size_t left = 0;
    if (!source_.Peek(next, error) || !source_.Left(left, error))
        return Input(error);
    if (left < wanted)
        return Input(NumbersShort(true, list_, left, wanted));
    return {};
}

StoreAnswer FileSerialStore::Reserve(const ChipClaim&, Reservation& r) {
    r = {};
    if (reusable_) {
        r.serial = *reusable_;
        r.reuseOf = 1; // the state file keeps no rows: only that it was reused
        reusable_.reset();
        return {};
    }
    std::string error;
    return source_.Take(r.serial, error) ? StoreAnswer() : Input(error);
}

StoreAnswer FileSerialStore::Close(const Reservation& r, const ChipResult& result) {
    if (!result.Passed() && failed_ == FailedNumbers::Reuse)
        reusable_ = r.serial;
    return {};
}
