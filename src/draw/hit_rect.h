#pragma once
// A hit rectangle of a painted screen: left, top, right, bottom, all inclusive.

namespace draw {

struct HitRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr bool contains(int x, int y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
    constexpr HitRect translated(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    friend constexpr bool operator==(const HitRect&, const HitRect&) = default;
};

} // namespace draw
