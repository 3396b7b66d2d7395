#pragma once
// The two hit-rectangle tables of the part editor. The strip table holds the status field
// in entry 0 and control c of part p in entry p * 10 + c; the page table holds page control
// n in entry n. Both are searched in entry order and the first hit wins.

#include "editor/part_controls.h"

#include <array>

namespace editor {

// A rectangle no point can be inside.
inline constexpr HitRect kNoRect{0, 0, -1, -1};

constexpr bool isEmpty(const HitRect& r) {
    return r.left > r.right || r.top > r.bottom;
}

class StripTable {
  public:
    static constexpr int kEntries = 161;

    StripTable() { build(); }

    // Every control of every part from the ten templates.
    void build() {
        entries_.fill(kNoRect);
        for (int part = 0; part < 16; ++part)
            for (int c = 1; c <= kStripControlCount; ++c)
                entries_[static_cast<std::size_t>(part * 10 + c)] =
                    kStripControls[static_cast<std::size_t>(c)].rect.translated(
                        kStripSpacing * part, 0);
    }

    // Entry 1..160 containing the point, 0 when none does.
    int find(int x, int y) const {
        for (int i = 1; i < kEntries; ++i)
            if (entries_[static_cast<std::size_t>(i)].contains(x, y)) return i;
        return 0;
    }

    const HitRect& entry(int i) const { return entries_[static_cast<std::size_t>(i)]; }
    void setStatus(const HitRect& area) { entries_[0] = area; }

    // A switched-off control keeps its rectangle but with left = right + 10.
    void switchOff(int part, int c) {
        HitRect& r = entries_[static_cast<std::size_t>(part * 10 + c)];
        if (r.left <= r.right) r.left = r.right + 10;
    }
    void switchOn(int part, int c) {
        HitRect& r = entries_[static_cast<std::size_t>(part * 10 + c)];
        r.left = kStripControls[static_cast<std::size_t>(c)].rect.left + kStripSpacing * part;
    }
    bool switchedOff(int part, int c) const {
        const HitRect& r = entries_[static_cast<std::size_t>(part * 10 + c)];
        return r.left > r.right;
    }

  private:
    std::array<HitRect, kEntries> entries_{};
};

class PageTable {
  public:
    static constexpr int kEntries = kPageControlCount + 1;

    PageTable() { entries_.fill(kNoRect); }

    int find(int x, int y) const {
        for (int i = 1; i < kEntries; ++i)
            if (entries_[static_cast<std::size_t>(i)].contains(x, y)) return i;
        return 0;
    }
    const HitRect& entry(int n) const { return entries_[static_cast<std::size_t>(n)]; }
    void set(int n, const HitRect& area) {
        if (n >= 1 && n < kEntries) entries_[static_cast<std::size_t>(n)] = area;
    }

  private:
    std::array<HitRect, kEntries> entries_{};
};

} // namespace editor
