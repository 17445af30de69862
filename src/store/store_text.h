#pragma once

#include "store/serial_store.h"

#include "platform/translate.h"

#include <cstdint>
#include <string>

// Texts both stores and tessaro-cli's serials command show.
inline constexpr const char* kSeriesShort = N_("the serial series %1 has %2 numbers left, not %3");
inline constexpr const char* kNoSeries =
    N_("the serial series %1 does not exist: start it with --serial START[:STEP] or "
       "--serial-list FILE");
inline constexpr const char* kNoPostgres =
    N_("this tessaro-cli was built without PostgreSQL (libpq): --serial-store is not available");

// A serial number as the store gives it (decimal); Refused for text that is
// not one (or does not fit in 64 bits).
StoreAnswer ParseSerial(const std::string& text, std::uint64_t& value);
