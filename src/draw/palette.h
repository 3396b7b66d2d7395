#pragma once
// The fixed brass-and-bronze palette shared by every painted screen.

#include "draw/colour.h"

#include <array>

namespace draw {

inline constexpr Colour ColHighlight = rgb(255, 255, 170); // highlight edges, caption shadow
inline constexpr Colour ColBrown = rgb(128, 64, 0);        // inner line of plain frames, grooves
inline constexpr Colour ColDarkBrown = rgb(110, 74, 18);   // outer line of buttons, black keys
inline constexpr Colour ColBronze = rgb(152, 116, 54);     // inner line of value boxes, shading
inline constexpr Colour ColPanel = rgb(198, 160, 96);      // fill of plain panels
inline constexpr Colour ColGilt = rgb(224, 188, 92);       // white keys of the octave keyboard

inline constexpr Colour ColBlack = rgb(0, 0, 0);
inline constexpr Colour ColRed = rgb(255, 0, 0);
inline constexpr Colour ColYellow = rgb(255, 255, 0);
inline constexpr Colour ColCyan = rgb(0, 255, 255);
inline constexpr Colour ColDisabled = rgb(128, 128, 128); // captions of disabled controls
inline constexpr Colour ColFixedPoint = rgb(96, 96, 96);  // graph points that cannot be dragged

// The button gradient from the edge inward: G0 edge, G1 light rim, G2..G10 body shades
// from dark to light, G11 dark rim.
inline constexpr std::array<Colour, 12> kButtonGradient = {
    rgb(110, 74, 18),   rgb(255, 240, 130), rgb(166, 130, 61),  rgb(174, 138, 66),
    rgb(186, 150, 72),  rgb(200, 164, 80),  rgb(212, 176, 86),  rgb(224, 188, 92),
    rgb(240, 204, 100), rgb(248, 212, 104), rgb(252, 216, 108), rgb(152, 116, 54)};

} // namespace draw
