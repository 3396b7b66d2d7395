#pragma once
// The constant tables of the three effect rows. Type names and codes live with the synth
// image (image/effect_types.h); these tables hold what the rows show for each type.

#include "effects/effect_slots.h"
#include "image/synth_image.h"

namespace effects {

// Reverb: one slot record per slot for every type; the class decides what shows.
extern const std::array<SlotRecord, kReverbSlotCount> kReverbSlots;
extern const std::array<ReverbLayout, kReverbClassCount> kReverbLayouts;
extern const std::array<TypeLayout, image::kReverbTypeCount> kReverbTypeLayouts;

// Chorus: the same shape as the reverb.
extern const std::array<SlotRecord, kChorusSlotCount> kChorusSlots;
extern const std::array<ChorusLayout, kChorusClassCount> kChorusLayouts;
extern const std::array<TypeLayout, image::kChorusTypeCount> kChorusTypeLayouts;

// Variation: slots 1..12 from the type's parameter set (kParameterSets[set - 1]), slots
// 13..15 fixed, slots 16..19 by connection. The layouts hold the labels of the insertion
// connection.
extern const std::array<ParameterSet, kParameterSetCount> kParameterSets;
extern const std::array<SlotRecord, 3> kVariationFixedSlots; // slots 13..15
extern const std::array<SlotRecord, 4> kInsertionSlots;      // slots 16..19, "INS"
extern const std::array<SlotRecord, 4> kSystemSlots;         // slots 16..19, "SYS"
extern const std::array<std::string_view, 4> kInsertionLabels;
extern const std::array<std::string_view, 4> kSystemLabels;
extern const std::array<VariationLayout, kVariationClassCount> kVariationLayouts;
extern const std::array<TypeLayout, image::kVariationTypeCount> kVariationTypeLayouts;

} // namespace effects
