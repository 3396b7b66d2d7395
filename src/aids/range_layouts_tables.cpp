#include "aids/range_layouts.h"

namespace aids {
namespace {

constexpr NoteRange kFull{0, 127};
constexpr NoteRange kLower{0, 60};
constexpr NoteRange kUpper{61, 127};

// Split and layer layouts as players use them: the left hand below C 3, the right hand
// from C#3, and five two-part layers of one octave each over a full-range rest.
constexpr std::array<RangeLayout, kBuiltInLayouts> kLayouts{{
    {kFull, kFull, kFull, kFull, kFull, kFull, kFull, kFull, kFull, kFull, kFull, kFull, kFull,
     kFull, kFull, kFull},
    {kLower, kUpper, kLower, kUpper, kLower, kUpper, kLower, kUpper, kLower, kUpper, kLower, kUpper,
     kLower, kUpper, kLower, kUpper},
    {kUpper, kLower, kUpper, kLower, kUpper, kLower, kUpper, kLower, kUpper, kLower, kUpper, kLower,
     kUpper, kLower, kUpper, kLower},
    {kUpper, kUpper, kUpper, kUpper, kUpper, kUpper, kUpper, kUpper, kLower, kLower, kLower, kLower,
     kLower, kLower, kLower, kLower},
    {kUpper, kUpper, kLower, kLower, kUpper, kUpper, kLower, kLower, kUpper, kUpper, kLower, kLower,
     kUpper, kUpper, kLower, kLower},
    {NoteRange{84, 127}, NoteRange{84, 127}, NoteRange{72, 83}, NoteRange{72, 83},
     NoteRange{60, 71}, NoteRange{60, 71}, NoteRange{48, 59}, NoteRange{48, 59}, NoteRange{36, 47},
     NoteRange{36, 47}, kFull, kFull, kFull, kFull, kFull, kFull},
}};

} // namespace

const RangeLayout& builtInLayout(int number) {
    if (number < 1 || number > kBuiltInLayouts) number = 1;
    return kLayouts[static_cast<std::size_t>(number - 1)];
}

} // namespace aids
