#pragma once
// What an undo step changed, in the terms the screens show it: which parts, effect rows,
// drum keys and edit voice elements. A screen repaints only what lies in the scope after
// an undo or a redo.

#include "image/undo_history.h"

#include <array>
#include <bitset>

namespace image {

struct StepScope {
    // A part's record, its user voice or its voice flags.
    std::array<bool, kPartCount> parts{};
    // The bytes of each part's record that changed, and whether its user voice or voice
    // flags did.
    std::array<std::bitset<kPartRecordSize>, kPartCount> partBytes{};
    std::array<bool, kPartCount> partVoices{};
    bool system = false;
    // Indexed by EffectKind: the current block, the type or the type's memory.
    std::array<bool, 3> effects{};
    // The keys of each drum setup whose values changed.
    std::array<std::bitset<kDrumSlotCount>, 2> drumKeys{};
    // A drum setup's kit, key count, module or reference values.
    std::array<bool, 2> drumKits{};
    // Bit e: element e of the edit voice changed; which bytes of an element changed (in
    // any element); the common block apart.
    unsigned editElements = 0;
    std::bitset<kVoiceElementSize> editElementBytes{};
    bool editCommon = false;
    // Anything no screen shows piece by piece (the user bank, the copies taken at a load).
    bool others = false;

    bool effect(EffectKind kind) const { return effects[static_cast<std::size_t>(kind)]; }
    bool anyPart() const;
    bool anyDrumKit() const { return drumKits[0] || drumKits[1]; }
    bool editVoice() const { return editElements != 0 || editCommon; }
};

StepScope scopeOf(const UndoStep& step);

} // namespace image
