#pragma once
// Busy-wait used between system-exclusive messages that the module needs time to digest.

#include <cstdint>
#include <functional>

namespace draw {

// Milliseconds from any fixed origin.
using TickSource = std::function<std::int64_t()>;

// Reads the tick count once, then loops until more than `milliseconds` have passed.
void Delay(int milliseconds);
void Delay(int milliseconds, const TickSource& ticks);

} // namespace draw
