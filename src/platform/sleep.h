#pragma once

#include <functional>

// Short fixed pauses of the user-interface thread (a board reset, a port change).
// Tests replace the sleeper to advance virtual time instead of waiting.
using Sleeper = std::function<void(int milliseconds)>;

Sleeper RealSleeper();
