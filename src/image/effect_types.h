#pragma once
// The effect type code tables (index, name, type MSB/LSB) and the effect preset rows.

#include "image/synth_image.h"

#include <span>
#include <string_view>

namespace image {

struct EffectTypeCode {
    std::string_view name;
    Byte msb;
    Byte lsb;
};

// Index 0 is "No Effect" in every table; the variation table ends with "Thru" (index 43).
extern const std::array<EffectTypeCode, kReverbTypeCount> kReverbTypes;
extern const std::array<EffectTypeCode, kChorusTypeCount> kChorusTypes;
extern const std::array<EffectTypeCode, kVariationTypeCount> kVariationTypes;

std::span<const EffectTypeCode> effectTypes(EffectKind kind);

// "Reverb", "Chorus" or "Variation".
std::string_view effectKindName(EffectKind kind);

// Index of the type with this code in the block's table, 0 when no entry has it.
int FindEffectType(EffectKind kind, int msb, int lsb);

inline constexpr int kDefaultReverbType = 1;    // "Hall 1"
inline constexpr int kDefaultChorusType = 1;    // "Chorus 1"
inline constexpr int kDefaultVariationType = 9; // "Delay L-C-R"

// The factory parameter row of every type, indexed by type index - 1 (same layout as the
// current block: type MSB and LSB first).
extern const std::array<ReverbState::Block, ReverbState::kRowCount> kReverbPresetRows;
extern const std::array<ChorusState::Block, ChorusState::kRowCount> kChorusPresetRows;
extern const std::array<VariationState::Block, VariationState::kRowCount> kVariationPresetRows;

// Puts all three effect blocks back to the factory state: type memory (rows and start
// copy) from the presets, the default types current, loaded blocks marked absent.
void resetEffects(SynthImage& image);

// Takes the snapshot of the three current blocks (variation, reverb, chorus) that the
// change counts compare against.
void takeEffectSnapshot(SynthImage& image);

} // namespace image
