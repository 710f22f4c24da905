#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

// Milliseconds from a fixed start, never going back: the window's clock,
// which tests replace.
using MillisecondClock = std::function<int64_t()>;

inline int64_t steadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
