#pragma once
// A byte range that grows in whole pages up to a fixed capacity, so that a track can take
// one event after another without a limit being reached silently.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

namespace files {

class TxVirtualMemory {
  public:
    static constexpr std::size_t pageSize = 4096;

    explicit TxVirtualMemory(std::size_t capacity, std::size_t initialSize = 0);

    // A moved-from store is empty (size 0), never a size without bytes.
    TxVirtualMemory(TxVirtualMemory&& other) noexcept { *this = std::move(other); }
    TxVirtualMemory& operator=(TxVirtualMemory&& other) noexcept {
        bytes_ = std::move(other.bytes_);
        size_ = std::exchange(other.size_, 0);
        committed_ = std::exchange(other.committed_, 0);
        capacity_ = other.capacity_;
        return *this;
    }

    // Makes exactly n bytes usable; the first min(old size, n) bytes keep their contents.
    // Throws EVirtualMemory("Size exceeds capacity") when n is above the capacity.
    void SetSize(std::size_t n);
    // The same for a store whose final size is known at once (a track read from a file):
    // holds exactly n bytes instead of whole pages, so that many small stores cost no
    // more than their contents.
    void SetFinalSize(std::size_t n);

    std::size_t size() const { return size_; }
    std::size_t capacity() const { return capacity_; }
    // Bytes actually held: whole pages (exactly the size after SetFinalSize), never more
    // than the capacity rounded up to a page.
    std::size_t committed() const { return committed_; }

    std::uint8_t* data() { return bytes_.get(); }
    const std::uint8_t* data() const { return bytes_.get(); }

  private:
    std::unique_ptr<std::uint8_t[]> bytes_;
    std::size_t size_ = 0;
    std::size_t committed_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace files
