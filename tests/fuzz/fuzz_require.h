#pragma once

// A check of a fuzz target: a broken one stops the run with the input kept.
inline void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}
