#pragma once

#include "store/serial_store.h"

#include "platform/translate.h"

#include <cstdint>
#include <string>

// Texts both stores and tessaro-cli's serials command show.
inline constexpr const char* kNoSeries =
    N_("the serial series %1 does not exist: start it with --serial START[:STEP] or "
       "--serial-list FILE");
inline constexpr const char* kNoPostgres =
    N_("this tessaro-cli was built without PostgreSQL (libpq): --serial-store is not available");

// Why a series or a list cannot give `wanted` numbers: `left` are left. `list`
// names a serial list file; otherwise `name` is the store's series.
std::string NumbersShort(bool list, const std::string& name, std::uint64_t left,
                         std::uint64_t wanted);

// A serial number as the store gives it (decimal); Refused for text that is
// not one (or does not fit in 64 bits).
StoreAnswer ParseSerial(const std::string& text, std::uint64_t& value);
