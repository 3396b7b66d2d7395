#pragma once
// The items of the XG voice lists (the sixteen category lists and the drum list), in list
// order, generated from the XG voice list.

#include <array>
#include <cstdint>

namespace image {

struct XgListRow {
    std::uint8_t list;
    std::uint8_t item;
    std::uint8_t msb;
    std::uint8_t lsb;
    std::uint8_t program; // as sent, 0..127
    const char* text;     // as the list shows it, variations with a leading " - "
};

inline constexpr int kXgListRowCount = 493;
extern const std::array<XgListRow, kXgListRowCount> kXgListRows;

} // namespace image
