#include "effects/type_memory.h"

#include "image/effect_types.h"

namespace effects {
namespace {

using image::EffectKind;

template <typename State> void saveBlock(State& state, int type) {
    state.rows[static_cast<std::size_t>(type - 1)] = state.current;
}

template <typename State> void loadBlock(State& state, int type) {
    state.current = state.rows[static_cast<std::size_t>(type - 1)];
}

} // namespace

int TypeMemory::typeCount(EffectKind kind) {
    return static_cast<int>(image::effectTypes(kind).size());
}

bool TypeMemory::hasStoredBlock(EffectKind kind, int type) {
    if (type < 1 || type >= typeCount(kind)) return false;
    return !(kind == EffectKind::Variation && type == image::kVariationThruIndex);
}

int TypeMemory::current(EffectKind kind) const {
    switch (kind) {
    case EffectKind::Reverb:
        return image_.reverb.typeIndex;
    case EffectKind::Chorus:
        return image_.chorus.typeIndex;
    case EffectKind::Variation:
        return image_.variation.typeIndex;
    }
    return 0;
}

void TypeMemory::restart() {
    for (EffectKind kind : {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation}) {
        RowTypes& row = rows_[index(kind)];
        const int type = current(kind);
        row.previous = type;
        row.last = hasStoredBlock(kind, type) ? type : 1;
    }
}

void TypeMemory::rememberCurrent(EffectKind kind) {
    rows_[index(kind)].previous = current(kind);
}

void TypeMemory::storeCurrent(EffectKind kind) {
    const int type = current(kind);
    if (!hasStoredBlock(kind, type)) return;
    switch (kind) {
    case EffectKind::Reverb:
        saveBlock(image_.reverb, type);
        break;
    case EffectKind::Chorus:
        saveBlock(image_.chorus, type);
        break;
    case EffectKind::Variation:
        saveBlock(image_.variation, type);
        break;
    }
}

bool TypeMemory::changeType(EffectKind kind, int type) {
    if (type < 0 || type >= typeCount(kind)) return false;
    RowTypes& row = rows_[index(kind)];
    const bool save = !keepStored_ && hasStoredBlock(kind, row.previous);
    const bool load = hasStoredBlock(kind, type);
    if (load) row.last = type;
    const auto change = [&](auto& state) {
        if (save) saveBlock(state, row.previous);
        state.typeIndex = type;
        if (load) loadBlock(state, type);
    };
    switch (kind) {
    case EffectKind::Reverb:
        change(image_.reverb);
        break;
    case EffectKind::Chorus:
        change(image_.chorus);
        break;
    case EffectKind::Variation:
        change(image_.variation);
        break;
    }
    // The next change saves into the type shown now.
    row.previous = type;
    return true;
}

} // namespace effects
