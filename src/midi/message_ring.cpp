#include "midi/message_ring.h"

#include <algorithm>

namespace midi {

void MessageRing::push(Bytes message, std::uint16_t pauseMs) {
    const auto size = static_cast<std::uint16_t>(message.size());
    const std::uint8_t header[kHeader] = {
        static_cast<std::uint8_t>(size & 0xFF), static_cast<std::uint8_t>(size >> 8),
        static_cast<std::uint8_t>(pauseMs & 0xFF), static_cast<std::uint8_t>(pauseMs >> 8)};
    const std::size_t tail = (head_ + used_) % buffer_.size();
    copyIn(tail, header, kHeader);
    copyIn((tail + kHeader) % buffer_.size(), message.data(), message.size());
    used_ += kHeader + message.size();
}

std::size_t MessageRing::frontSize() const {
    return static_cast<std::size_t>(at(0)) | static_cast<std::size_t>(at(1)) << 8;
}

std::uint16_t MessageRing::frontPause() const {
    return static_cast<std::uint16_t>(at(2) | at(3) << 8);
}

void MessageRing::popInto(std::uint8_t* out) {
    const std::size_t size = frontSize();
    copyOut((head_ + kHeader) % buffer_.size(), out, size);
    head_ = (head_ + kHeader + size) % buffer_.size();
    used_ -= kHeader + size;
    if (used_ == 0) head_ = 0;
}

void MessageRing::copyIn(std::size_t at, const std::uint8_t* from, std::size_t n) {
    const std::size_t first = std::min(n, buffer_.size() - at);
    std::copy_n(from, first, buffer_.begin() + static_cast<std::ptrdiff_t>(at));
    std::copy_n(from + first, n - first, buffer_.begin());
}

void MessageRing::copyOut(std::size_t at, std::uint8_t* to, std::size_t n) const {
    const std::size_t first = std::min(n, buffer_.size() - at);
    std::copy_n(buffer_.begin() + static_cast<std::ptrdiff_t>(at), first, to);
    std::copy_n(buffer_.begin(), n - first, to + first);
}

} // namespace midi
