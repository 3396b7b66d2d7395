#include "effects/effect_geometry.h"
#include "effects/effect_slots.h"

#include <algorithm>

namespace effects {
namespace {

using image::EffectKind;

constexpr std::array<RowGeometry, 3> kRows{{
    {422, 33, 444, 409, 65, 405, 455, "REVERB"},
    {471, 33, 493, 458, 65, 456, 504, "CHORUS"},
    {520, 28, 542, 507, 75, 505, 553, "VARIATION"},
}};

// The label boxes sit under their knobs, a few of them a pixel off the even pitch.
constexpr std::array<int, kReverbSlotCount> kWideLabelLefts{
    11, 44, 77, 110, 143, 176, 209, 242, 274, 308, 341, 374, 407, 440, 473, 505, 539};
constexpr std::array<int, kVariationSlotCount> kNarrowLabelLefts{
    11, 39, 67, 95, 123, 151, 179, 207, 234, 263, 291, 319, 347, 375, 403, 430, 459, 487, 515};

std::size_t rowIndex(EffectKind kind) {
    return static_cast<std::size_t>(kind);
}

} // namespace

const RowGeometry& rowGeometry(EffectKind kind) {
    return kRows[std::min<std::size_t>(rowIndex(kind), kRows.size() - 1)];
}

HitRect knobRect(EffectKind kind, int slot) {
    const RowGeometry& row = rowGeometry(kind);
    const int left = kFirstKnobLeft + row.slotPitch * (slot - 1);
    return {left, row.knobTop, left + kKnobSize, row.knobTop + kKnobSize};
}

int labelLeft(EffectKind kind, int slot) {
    if (kind == EffectKind::Variation) {
        const int s = std::clamp(slot, 1, kVariationSlotCount);
        return kNarrowLabelLefts[static_cast<std::size_t>(s - 1)];
    }
    const int s = std::clamp(slot, 1, kReverbSlotCount);
    return kWideLabelLefts[static_cast<std::size_t>(s - 1)];
}

HitRect listButtonRect(EffectKind kind) {
    const int top = rowGeometry(kind).headerY + 1;
    return {kListButtonLeft, top, kListButtonRight, top + 11};
}

HitRect ledRect(EffectKind kind) {
    const int top = rowGeometry(kind).headerY + 3;
    return {kLedX, top, kLedX + kLedSize, top + kLedSize};
}

} // namespace effects
