#include "aids/range_geometry.h"

namespace aids {
namespace {

constexpr std::array<RangeButton, kButtonCount> kButtons{{
    {"SET  1", {19, 255, 60, 270}},
    {"SET  2", {19, 272, 60, 287}},
    {"SET  3", {19, 289, 60, 304}},
    {"SET  4", {519, 255, 563, 270}},
    {"SET  5", {519, 272, 563, 287}},
    {"SET  6", {519, 289, 563, 304}},
    {"RESET", {19, 9, 122, 24}},
    {"PART DEFAULT", {460, 9, 563, 24}},
}};

} // namespace

const std::array<RangeButton, kButtonCount>& rangeButtons() {
    return kButtons;
}

int buttonAt(int x, int y) {
    for (std::size_t i = 0; i < kButtons.size(); ++i)
        if (kButtons[i].rect.contains(x, y)) return static_cast<int>(i) + 1;
    return 0;
}

} // namespace aids
