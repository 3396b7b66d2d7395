#pragma once
// The kit reference tables, one per kit of the kit list (generated data).

#include "image/drum_kits.h"

namespace image {

extern const std::array<DrumSlot, kDrumSlotCount> kKit0Reference;
extern const std::array<DrumSlot, kDrumSlotCount> kKit1Reference;
extern const std::array<DrumSlot, kDrumSlotCount> kKit8Reference;
extern const std::array<DrumSlot, kDrumSlotCount> kKit16Reference;
extern const std::array<DrumSlot, kDrumSlotCount> kKit24Reference;
extern const std::array<DrumSlot, kDrumSlotCount> kKit25Reference;
extern const std::array<DrumSlot, kDrumSlotCount> kKit32Reference;
extern const std::array<DrumSlot, kDrumSlotCount> kKit40Reference;
extern const std::array<DrumSlot, kDrumSlotCount> kKit48Reference;
extern const std::array<DrumSlot, kSfx1SlotCount> kKit100Reference;
extern const std::array<DrumSlot, kSfx2SlotCount> kKit101Reference;

} // namespace image
