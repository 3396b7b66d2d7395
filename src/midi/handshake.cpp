#include "midi/handshake.h"

namespace midi {

namespace {
// How long one round of waiting sleeps when nothing is pending.
constexpr Millis kPollInterval{5};
} // namespace

void Handshake::restart() {
    lastInputStatus_ = 0;
    start_ = clock_.now();
}

bool Handshake::waitForAnswer() {
    for (;;) {
        if (pump_) pump_();
        if (lastInputStatus_ >= 0xF0) return true;
        const auto ticks = (clock_.now() - start_) / kTick;
        if (ticks > timeoutTicks_) return false;
        clock_.sleepFor(kPollInterval);
    }
}

} // namespace midi
