#include "aids/keyboard_keys.h"

namespace aids {
namespace {

constexpr std::array<int, 7> kWhiteInOctave{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 5> kBlackInOctave{1, 3, 6, 8, 10};
// The shape of each white key of an octave: 1 a black key on its right only (C, F), 2 on
// both sides (D, G, A), 3 on its left only (E, B).
constexpr std::array<int, 7> kWhiteShapes{1, 2, 3, 1, 2, 2, 3};

int whiteLeft(int index) {
    return kKeyboardLeft + kWhiteStep * (index - 1);
}

int blackLeft(int index) {
    const int group = (index - 1) / 5;
    return kKeyboardLeft + kGroupWidth * group +
           kBlackOffsets[static_cast<std::size_t>((index - 1) % 5)];
}

int shapeOf(int whiteIndex) {
    // The top key G has no black key beside it on the right.
    if (whiteIndex == kWhiteKeys) return 3;
    return kWhiteShapes[static_cast<std::size_t>((whiteIndex - 1) % 7)];
}

} // namespace

int whiteNote(int index) {
    return 12 * ((index - 1) / 7) + kWhiteInOctave[static_cast<std::size_t>((index - 1) % 7)];
}

int blackNote(int index) {
    return 12 * ((index - 1) / 5) + kBlackInOctave[static_cast<std::size_t>((index - 1) % 5)];
}

std::optional<Key> keyAt(int x, int y) {
    if (y < kBlackZoneBottom) {
        for (int index = 1; index <= kBlackKeys; ++index) {
            const int left = blackLeft(index);
            if (x >= left && x <= left + 6) return Key{blackNote(index), true, index};
        }
    }
    for (int index = 1; index <= kWhiteKeys; ++index) {
        const int left = whiteLeft(index);
        if (x >= left && x <= left + kWhiteStep) return Key{whiteNote(index), false, index};
    }
    return std::nullopt;
}

KeyHighlight highlightOf(const Key& key) {
    if (key.black) {
        const int left = blackLeft(key.index);
        return {{left + 2, 31, left + 5, 53}, std::nullopt};
    }
    const int left = whiteLeft(key.index);
    KeyHighlight h{{left + 1, 55, left + 7, 69}, std::nullopt};
    switch (shapeOf(key.index)) {
    case 1:
        h.upper = draw::HitRect{left + 1, 31, left + 5, 55};
        break;
    case 2:
        h.upper = draw::HitRect{left + 4, 31, left + 5, 55};
        break;
    default:
        h.upper = draw::HitRect{left + 4, 31, left + 7, 55};
        break;
    }
    return h;
}

} // namespace aids
