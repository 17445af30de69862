#pragma once

#include <cstddef>
#include <cstdint>

// Hex dumps of the bytes sent to and received from the board, for finding
// faults on the line. Off unless TESSARO_DEBUG names "link" (see
// platform/debug_log.h); the dumps go to standard error.
bool WireLogEnabled();
void LogWire(const char* direction, const uint8_t* bytes, size_t count);
