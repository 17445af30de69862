#pragma once

#include "link/port_io.h"

#include <cerrno>
#include <cstdint>

// The connect of both TcpLink twins: every address the system found for the
// server, in turn, until one connects, each with what is left of the time.
// `connectOne(address, deadline, handle)` is the platform's; the handle stays
// `none` while nothing connected.
template <class Address, class Handle, class ConnectOne>
int ConnectToFirst(Address* list, int timeoutMs, Handle none, Handle& handle,
                   ConnectOne connectOne) {
    const int64_t deadline = MonotonicMs() + timeoutMs;
    handle = none;
    int error = ECONNREFUSED;
    for (Address* a = list; a != nullptr && handle == none; a = a->ai_next)
        error = connectOne(*a, deadline, handle);
    return handle == none ? error : 0;
}
