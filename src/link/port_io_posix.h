#pragma once

#include <cstddef>
#include <cstdint>

// Writes all of data to a non-blocking descriptor (a tty, a socket), waiting
// for room until the deadline (MonotonicMs). Returns 0, ETIMEDOUT or the write
// error. Sockets are written without SIGPIPE, so a dropped connection is an
// error code, not a signal.
int WriteWithDeadline(int fd, const uint8_t* data, std::size_t size, int64_t deadlineMs,
                      bool socket);
