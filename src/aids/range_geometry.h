#pragma once
// Where the range page draws and takes presses: the 128-note scale under the bars (the
// white-key spacing of the 128-key keyboard picture), the bar rows, the handles and the
// buttons, all in the page image's coordinates.

#include "draw/hit_rect.h"

#include <array>
#include <string_view>

namespace aids {

using draw::HitRect;

inline constexpr int kRangePageWidth = 583;
inline constexpr int kRangePageHeight = 309;

inline constexpr int kScaleLeft = 64;   // x of note 0
inline constexpr int kHandleWidth = 8;  // a handle covers x .. x + 7
inline constexpr int kFirstBarTop = 33; // the bar of part i: 33 + 14i .. 41 + 14i
inline constexpr int kBarPitch = 14;
inline constexpr int kBarHeight = 8;
inline constexpr int kStripWidth = 450; // the textured strip behind every bar
inline constexpr int kLowNameX = 21;    // note names left and right of the bars
inline constexpr int kLowNameWidth = 37;
inline constexpr int kHighNameX = 521;
inline constexpr int kHighNameWidth = 40;
inline constexpr int kKeyboardTop = 260; // the keyboard picture under the bars
inline constexpr int kKeyboardWidth = 452;
inline constexpr int kKeyboardHeight = 40;

// x of note n (0..127) on the scale.
constexpr int noteX(int note) {
    constexpr int k[12] = {0, 4, 6, 10, 12, 18, 22, 24, 28, 30, 34, 36};
    return (note / 12) * 42 + k[note % 12] + kScaleLeft;
}

constexpr int barTop(int part) {
    return kFirstBarTop + kBarPitch * part;
}

// The handle of a limit at `note` on the bar of `part`: from two rows above the bar down to
// its last row, so that a press on any pixel of the drawn handle takes it.
constexpr HitRect handleRect(int part, int note) {
    return {noteX(note), barTop(part) - 2, noteX(note) + kHandleWidth - 1, barTop(part) + 7};
}

// Buttons, numbered as a press finds them: 1..6 the layouts, 7 "RESET", 8 "PART DEFAULT".
inline constexpr int kResetButton = 7;
inline constexpr int kPartDefaultButton = 8;
inline constexpr int kButtonCount = 8;

struct RangeButton {
    std::string_view caption;
    HitRect rect;
};

const std::array<RangeButton, kButtonCount>& rangeButtons();
// The button under a point, 1..8, or 0.
int buttonAt(int x, int y);

} // namespace aids
