#pragma once
// The editor's messages waiting for the cable, in one block of memory taken once: each
// entry is a small header (length, pause) followed by the message bytes, wrapping around
// the end of the block. Queuing copies bytes and allocates nothing.

#include "midi/backend.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace midi {

class MessageRing {
  public:
    // Large enough for a whole bank of 128 voice dumps with room to spare.
    static constexpr std::size_t kDefaultCapacity = 128 * 1024;

    explicit MessageRing(std::size_t capacity = kDefaultCapacity) : buffer_(capacity) {}

    // Room for a message of `size` bytes (or a pause, size 0)?
    bool fits(std::size_t size) const { return used_ + kHeader + size <= buffer_.size(); }
    // A message, or with an empty message a pause of `pauseMs` before the next one.
    void push(Bytes message, std::uint16_t pauseMs = 0);
    bool empty() const { return used_ == 0; }
    std::size_t frontSize() const;
    std::uint16_t frontPause() const;
    // Copies the front message into `out` (which must be large enough) and removes it.
    void popInto(std::uint8_t* out);
    void clear() { head_ = used_ = 0; }

  private:
    static constexpr std::size_t kHeader = 4;
    void copyIn(std::size_t at, const std::uint8_t* from, std::size_t n);
    void copyOut(std::size_t at, std::uint8_t* to, std::size_t n) const;
    std::uint8_t at(std::size_t offset) const { return buffer_[(head_ + offset) % buffer_.size()]; }

    std::vector<std::uint8_t> buffer_;
    std::size_t head_ = 0;
    std::size_t used_ = 0;
};

} // namespace midi
