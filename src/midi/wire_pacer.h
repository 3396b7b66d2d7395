#pragma once
// Keeps a burst of messages within what a MIDI 1.0 cable carries.
//
// A MIDI system accepts a message as soon as it is queued, long before a slow serial
// interface has put it on the wire (3125 bytes per second). Queues fill up and drivers
// then drop messages silently, so we estimate how many bytes are still waiting and hold
// the next message back until they fit into a small backlog.

#include "midi/clock.h"

#include <cstddef>

namespace midi {

class WirePacer {
  public:
    static constexpr double kBytesPerSecond = 3125.0;
    static constexpr std::size_t kDefaultBacklog = 512;

    explicit WirePacer(Clock& clock, std::size_t backlogBytes = kDefaultBacklog)
        : clock_(clock), backlog_(backlogBytes) {}

    // Waits until a message of `size` bytes can be queued, then accounts for it.
    void beforeSend(std::size_t size);
    // How long a message of `size` bytes must still wait until it fits into `backlog`
    // bytes (0 when it fits now); account() then records it as handed over.
    Millis waitBefore(std::size_t size, std::size_t backlog) const;
    Millis waitBefore(std::size_t size) const { return waitBefore(size, backlog_); }
    void account(std::size_t size);
    // Forgets the backlog, for example when the output is reopened.
    void reset();

    // Bytes estimated to be still on their way to the wire.
    double pendingBytes() const;

  private:
    Clock& clock_;
    std::size_t backlog_;
    double pending_ = 0.0; // at time last_
    Millis last_{0};
};

} // namespace midi
