#include "files/virtual_memory.h"

#include "files/errors.h"

#include <algorithm>
#include <cstring>

namespace files {

namespace {

std::size_t wholePages(std::size_t n) {
    return (n + TxVirtualMemory::pageSize - 1) / TxVirtualMemory::pageSize *
           TxVirtualMemory::pageSize;
}

} // namespace

TxVirtualMemory::TxVirtualMemory(std::size_t capacity, std::size_t initialSize)
    : capacity_(capacity) {
    SetSize(initialSize);
}

void TxVirtualMemory::SetSize(std::size_t n) {
    if (n > capacity_) throw EVirtualMemory("Size exceeds capacity");
    if (n == 0) {
        bytes_.reset();
        committed_ = 0;
    } else if (n > committed_) {
        // Growing one event at a time must not copy the whole range each time: double the
        // held pages, but never hold more than the capacity allows.
        const std::size_t wanted = std::max(wholePages(n), committed_ * 2);
        const std::size_t grown = std::min(wanted, std::max(wholePages(n), capacity_));
        auto bigger = std::make_unique_for_overwrite<std::uint8_t[]>(grown);
        if (size_ > 0) std::memcpy(bigger.get(), bytes_.get(), size_);
        bytes_ = std::move(bigger);
        committed_ = grown;
    }
    size_ = n;
}

void TxVirtualMemory::SetFinalSize(std::size_t n) {
    if (n > capacity_) throw EVirtualMemory("Size exceeds capacity");
    if (n != committed_) {
        auto exact = n == 0 ? nullptr : std::make_unique_for_overwrite<std::uint8_t[]>(n);
        if (std::min(size_, n) > 0) std::memcpy(exact.get(), bytes_.get(), std::min(size_, n));
        bytes_ = std::move(exact);
        committed_ = n;
    }
    size_ = n;
}

} // namespace files
