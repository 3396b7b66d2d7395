#include "image/effect_types.h"

#include <algorithm>

namespace image {

std::span<const EffectTypeCode> effectTypes(EffectKind kind) {
    switch (kind) {
    case EffectKind::Reverb:
        return kReverbTypes;
    case EffectKind::Chorus:
        return kChorusTypes;
    case EffectKind::Variation:
        return kVariationTypes;
    }
    return {};
}

std::string_view effectKindName(EffectKind kind) {
    switch (kind) {
    case EffectKind::Reverb:
        return "Reverb";
    case EffectKind::Chorus:
        return "Chorus";
    case EffectKind::Variation:
        break;
    }
    return "Variation";
}

int FindEffectType(EffectKind kind, int msb, int lsb) {
    const auto types = effectTypes(kind);
    for (std::size_t i = 1; i < types.size(); ++i) {
        if (types[i].msb == msb && types[i].lsb == lsb) return static_cast<int>(i);
    }
    return 0;
}

namespace {

template <typename State, typename Presets>
void resetEffect(State& state, const Presets& presets, int defaultType) {
    state.rows = presets;
    state.startRows = presets;
    state.typeIndex = defaultType;
    state.current = presets[static_cast<std::size_t>(defaultType - 1)];
    state.loaded.fill(kNotInFile);
}

} // namespace

void resetEffects(SynthImage& image) {
    resetEffect(image.reverb, kReverbPresetRows, kDefaultReverbType);
    resetEffect(image.chorus, kChorusPresetRows, kDefaultChorusType);
    resetEffect(image.variation, kVariationPresetRows, kDefaultVariationType);
}

void takeEffectSnapshot(SynthImage& image) {
    auto out = image.effectSnapshot.begin();
    out = std::copy(image.variation.current.begin(), image.variation.current.end(), out);
    out = std::copy(image.reverb.current.begin(), image.reverb.current.end(), out);
    std::copy(image.chorus.current.begin(), image.chorus.current.end(), out);
}

} // namespace image
