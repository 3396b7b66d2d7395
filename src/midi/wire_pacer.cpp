#include "midi/wire_pacer.h"

#include <algorithm>
#include <cmath>

namespace midi {

double WirePacer::pendingBytes() const {
    const auto elapsed = static_cast<double>((clock_.now() - last_).count());
    return std::max(0.0, pending_ - elapsed * kBytesPerSecond / 1000.0);
}

Millis WirePacer::waitBefore(std::size_t size, std::size_t backlog) const {
    const auto fits = std::max(0.0, static_cast<double>(backlog) - static_cast<double>(size));
    const double pending = pendingBytes();
    if (pending <= fits) return Millis(0);
    return Millis(static_cast<long long>(std::ceil((pending - fits) * 1000.0 / kBytesPerSecond)));
}

void WirePacer::account(std::size_t size) {
    pending_ = pendingBytes() + static_cast<double>(size);
    last_ = clock_.now();
}

void WirePacer::beforeSend(std::size_t size) {
    clock_.sleepFor(waitBefore(size));
    account(size);
}

void WirePacer::reset() {
    pending_ = 0.0;
    last_ = clock_.now();
}

} // namespace midi
