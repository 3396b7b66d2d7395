#include "midi/wire_pacer.h"

#include <algorithm>
#include <cmath>

namespace midi {

double WirePacer::pendingBytes() const {
    const auto elapsed = static_cast<double>((clock_.now() - last_).count());
    return std::max(0.0, pending_ - elapsed * kBytesPerSecond / 1000.0);
}

void WirePacer::beforeSend(std::size_t size) {
    const auto limit = static_cast<double>(backlog_);
    const auto fits = std::max(0.0, limit - static_cast<double>(size));
    double pending = pendingBytes();
    if (pending > fits) {
        const auto waitMs = std::ceil((pending - fits) * 1000.0 / kBytesPerSecond);
        clock_.sleepFor(Millis(static_cast<long long>(waitMs)));
        pending = pendingBytes();
    }
    pending_ = pending + static_cast<double>(size);
    last_ = clock_.now();
}

void WirePacer::reset() {
    pending_ = 0.0;
    last_ = clock_.now();
}

} // namespace midi
