#pragma once

#include "cli/serial_numbers.h"
#include "store/serial_store.h"

#include <optional>

// The state file behind the store's interface: the embedded store of one
// station. Results go to the production log alone; a failed chip's number,
// when the run reuses them, goes to this board's next chip.
class FileSerialStore : public SerialStore {
public:
    FileSerialStore(const SerialOptions& options, FailedNumbers failed)
        : source_(options), list_(options.list), failed_(failed) {}

    StoreAnswer Peek(std::size_t wanted, std::uint64_t& next) override;
    StoreAnswer Reserve(const ChipClaim& claim, Reservation& reservation) override;
    StoreAnswer Close(const Reservation& reservation, const ChipResult& result) override;

private:
    SerialSource source_;
    std::string list_;
    FailedNumbers failed_;
    std::optional<std::uint64_t> reusable_;
};
