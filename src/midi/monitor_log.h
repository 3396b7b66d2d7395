#pragma once
// The last messages that went over the cable in either direction, as raw bytes with the
// time they passed, for the MIDI monitor. Recording copies bytes into slots that are kept
// and reused, so a flood of input costs the sender and the driver thread almost nothing;
// the words are only made when a line is shown.

#include "midi/backend.h"
#include "midi/clock.h"

#include <cstdint>
#include <mutex>
#include <vector>

namespace midi {

enum class Direction { Out, In };

struct MonitorLine {
    std::uint64_t sequence = 0; // counts every message recorded since the start
    Millis time{0};             // on the log's clock
    Direction direction = Direction::Out;
    std::vector<std::uint8_t> bytes;
};

class MonitorLog {
  public:
    static constexpr std::size_t kDefaultCapacity = 10000;

    explicit MonitorLog(const Clock& clock, std::size_t capacity = kDefaultCapacity);

    // Called from any thread. Does nothing while paused.
    void record(Direction direction, Bytes message);
    void setPaused(bool paused);
    bool paused() const;
    // Forgets every line; sequence numbers go on counting.
    void clear();

    // The lines recorded from sequence `from` on that are still kept, oldest first.
    std::vector<MonitorLine> linesSince(std::uint64_t from) const;
    // The sequence number the next line will get.
    std::uint64_t nextSequence() const;
    Millis now() const { return clock_.now(); }
    std::size_t capacity() const { return slots_.size(); }

  private:
    const Clock& clock_;
    mutable std::mutex mutex_;
    std::vector<MonitorLine> slots_;
    std::uint64_t next_ = 0;
    std::uint64_t oldest_ = 0; // sequence of the oldest line kept
    bool paused_ = false;
};

} // namespace midi
