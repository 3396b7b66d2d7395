#pragma once
// The keys of the virtual keyboard's 128-key piano: where each lies, which note it plays,
// and which pixels light up when it sounds. Coordinates are the window's client area.

#include "draw/hit_rect.h"

#include <array>
#include <optional>

namespace aids {

inline constexpr int kKeyboardLeft = 15; // x of the first group
inline constexpr int kKeysTop = 30;      // top of the keys
inline constexpr int kGroupWidth = 49;   // one octave
inline constexpr int kWhiteStep = 7;
inline constexpr int kWhiteKeys = 75;
inline constexpr int kBlackKeys = 53;
inline constexpr int kBlackZoneBottom = 54; // a press above this row tries the black keys first
inline constexpr std::array<int, 5> kBlackOffsets{5, 12, 26, 33, 40};

struct Key {
    int note = 0;
    bool black = false;
    int index = 0; // 1..75 among the white keys or 1..53 among the black ones
    friend bool operator==(const Key&, const Key&) = default;
};

// The playing area: 15 < x < 540 and 30 < y < 69.
constexpr bool inKeyboardArea(int x, int y) {
    return x > 15 && x < 540 && y > 30 && y < 69;
}

// The key under a point of the playing area, black keys first in their zone.
std::optional<Key> keyAt(int x, int y);

// The note of white key 1..75 and of black key 1..53.
int whiteNote(int index);
int blackNote(int index);

// The pixels lit while a key sounds, as fill rectangles (right and bottom excluded): the
// lower part and the part between the black keys of a white key, or the middle of a black
// key. A black key has only the first.
struct KeyHighlight {
    draw::HitRect lower;
    std::optional<draw::HitRect> upper;
};
KeyHighlight highlightOf(const Key& key);

} // namespace aids
