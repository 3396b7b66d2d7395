#include "midi/monitor_log.h"

#include <algorithm>

namespace midi {

MonitorLog::MonitorLog(const Clock& clock, std::size_t capacity)
    : clock_(clock), slots_(std::max<std::size_t>(capacity, 1)) {}

void MonitorLog::record(Direction direction, Bytes message) {
    const auto time = clock_.now();
    std::lock_guard lock(mutex_);
    if (paused_) return;
    auto& slot = slots_[next_ % slots_.size()];
    slot.sequence = next_;
    slot.time = time;
    slot.direction = direction;
    slot.bytes.assign(message.begin(), message.end()); // reuses the slot's storage
    ++next_;
    if (next_ - oldest_ > slots_.size()) oldest_ = next_ - slots_.size();
}

void MonitorLog::setPaused(bool paused) {
    std::lock_guard lock(mutex_);
    paused_ = paused;
}

bool MonitorLog::paused() const {
    std::lock_guard lock(mutex_);
    return paused_;
}

void MonitorLog::clear() {
    std::lock_guard lock(mutex_);
    oldest_ = next_;
}

std::vector<MonitorLine> MonitorLog::linesSince(std::uint64_t from) const {
    std::lock_guard lock(mutex_);
    std::vector<MonitorLine> lines;
    const auto first = std::max(from, oldest_);
    if (first >= next_) return lines;
    lines.reserve(static_cast<std::size_t>(next_ - first));
    for (auto s = first; s < next_; ++s) lines.push_back(slots_[s % slots_.size()]);
    return lines;
}

std::uint64_t MonitorLog::nextSequence() const {
    std::lock_guard lock(mutex_);
    return next_;
}

} // namespace midi
