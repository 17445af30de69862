#pragma once

// What the owner's event loop watches to learn that an open port has
// something for ServeEvents: a descriptor here (a socket notifier), a HANDLE
// on Windows (an event notifier). The one place the two differ in type.
#ifdef _WIN32
using Waitable = void*;
#else
using Waitable = int;
#endif
