#pragma once
// Colours of the painted screens: 24-bit RGB held the way a Format_RGB32 image stores a
// pixel (0xFFRRGGBB), so a colour can be compared with a pixel directly.

#include <QColor>
#include <cstdint>

namespace draw {

using Colour = QRgb;

constexpr Colour rgb(int red, int green, int blue) {
    return 0xFF000000u | (static_cast<std::uint32_t>(red & 0xFF) << 16) |
           (static_cast<std::uint32_t>(green & 0xFF) << 8) |
           static_cast<std::uint32_t>(blue & 0xFF);
}

// Colours are often stored as Windows colour values (low byte red); this reads one.
constexpr Colour fromColorRef(std::uint32_t colorRef) {
    return rgb(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
               static_cast<int>((colorRef >> 16) & 0xFF));
}

constexpr int redOf(Colour colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}
constexpr int greenOf(Colour colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int blueOf(Colour colour) {
    return static_cast<int>(colour & 0xFF);
}

} // namespace draw
