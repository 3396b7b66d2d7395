#include "draw/delay.h"

#include <chrono>

namespace draw {

void Delay(int milliseconds) {
    Delay(milliseconds, [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    });
}

void Delay(int milliseconds, const TickSource& ticks) {
    const std::int64_t start = ticks();
    while (ticks() - start <= milliseconds) {
    }
}

} // namespace draw
