#include "midi/clock.h"

#include <thread>

namespace midi {

Millis SteadyClock::now() const {
    return std::chrono::duration_cast<Millis>(std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyClock::sleepFor(Millis duration) {
    if (duration.count() > 0) std::this_thread::sleep_for(duration);
}

} // namespace midi
