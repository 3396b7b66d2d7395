#include "effects/effect_slot_lookup.h"

#include "effects/effect_tables.h"
#include "image/effect_types.h"
#include "midi/effect_addresses.h"

#include <algorithm>

namespace effects {
namespace {

using image::EffectKind;

constexpr int kFirstFixedSlot = 13;      // dry/wet, AC1, AC2
constexpr int kFirstConnectionSlot = 16; // AT, BEND, MOD, PART or the system sends
constexpr int kDryWetSlot = 13;

template <typename Array> const auto* entry(const Array& array, int index) {
    if (index < 0 || index >= static_cast<int>(array.size())) return decltype(&array[0]){};
    return &array[static_cast<std::size_t>(index)];
}

EffectSlot fixedRowSlot(const auto& slots, const auto& layouts, const auto& types, int typeIndex,
                        int slot) {
    const auto* type = entry(types, typeIndex);
    const auto* record = entry(slots, slot - 1);
    if (!type || !record) return {};
    return {*record, layouts[static_cast<std::size_t>(type->layoutClass)].label(slot)};
}

SlotRecord variationRecord(const TypeLayout& type, int slot, Connection connection) {
    if (slot < kFirstFixedSlot) {
        const auto* set = entry(kParameterSets, type.parameterSet - 1);
        return set ? (*set)[static_cast<std::size_t>(slot - 1)] : SlotRecord{};
    }
    if (slot < kFirstConnectionSlot)
        return kVariationFixedSlots[static_cast<std::size_t>(slot - kFirstFixedSlot)];
    const auto i = static_cast<std::size_t>(slot - kFirstConnectionSlot);
    return connection == Connection::Insertion ? kInsertionSlots[i] : kSystemSlots[i];
}

std::string_view variationLabel(const TypeLayout& type, int slot, Connection connection) {
    const auto label = kVariationLayouts[static_cast<std::size_t>(type.layoutClass)].label(slot);
    if (connection == Connection::Insertion || slot < kDryWetSlot || label.empty()) return label;
    // A system effect has no dry/wet mix of its own and no assignable controllers.
    if (slot < kFirstConnectionSlot) return {};
    return kSystemLabels[static_cast<std::size_t>(slot - kFirstConnectionSlot)];
}

EffectSlot variationSlot(int typeIndex, int slot, Connection connection) {
    const auto* type = entry(kVariationTypeLayouts, typeIndex);
    if (!type || slot < 1 || slot > kVariationSlotCount) return {};
    return {variationRecord(*type, slot, connection), variationLabel(*type, slot, connection)};
}

// The bytes a record touches, or -1 when they do not fit the block.
int lastByte(std::span<const image::Byte> block, const SlotRecord& record) {
    const int last = record.index + (record.twoByte ? 1 : 0);
    if (record.index < 0 || last >= static_cast<int>(block.size())) return -1;
    return last;
}

} // namespace

int slotCount(EffectKind kind) {
    switch (kind) {
    case EffectKind::Reverb:
        return kReverbSlotCount;
    case EffectKind::Chorus:
        return kChorusSlotCount;
    case EffectKind::Variation:
        return kVariationSlotCount;
    }
    return 0;
}

const TypeLayout* typeLayout(EffectKind kind, int typeIndex) {
    switch (kind) {
    case EffectKind::Reverb:
        return entry(kReverbTypeLayouts, typeIndex);
    case EffectKind::Chorus:
        return entry(kChorusTypeLayouts, typeIndex);
    case EffectKind::Variation:
        return entry(kVariationTypeLayouts, typeIndex);
    }
    return nullptr;
}

std::string_view typeFieldText(EffectKind kind, int typeIndex) {
    const auto* type = typeLayout(kind, typeIndex);
    if (!type) return {};
    if (!type->fieldText.empty()) return type->fieldText;
    return image::effectTypes(kind)[static_cast<std::size_t>(typeIndex)].name;
}

EffectSlot effectSlot(EffectKind kind, int typeIndex, int slot, Connection connection) {
    switch (kind) {
    case EffectKind::Reverb:
        return fixedRowSlot(kReverbSlots, kReverbLayouts, kReverbTypeLayouts, typeIndex, slot);
    case EffectKind::Chorus:
        return fixedRowSlot(kChorusSlots, kChorusLayouts, kChorusTypeLayouts, typeIndex, slot);
    case EffectKind::Variation:
        return variationSlot(typeIndex, slot, connection);
    }
    return {};
}

int xgLowAddress(EffectKind kind, int blockIndex) {
    return midi::effectByteAddress(kind, blockIndex);
}

int slotStep(const SlotRecord& record) {
    return record.maximum > 3000 ? 10 : 1;
}

int readSlotValue(std::span<const image::Byte> block, const SlotRecord& record) {
    if (lastByte(block, record) < 0) return 0;
    const auto i = static_cast<std::size_t>(record.index);
    if (!record.twoByte) return block[i];
    return block[i] * 128 + block[i + 1];
}

bool writeSlotValue(std::span<image::Byte> block, const SlotRecord& record, int value) {
    if (lastByte(block, record) < 0) return false;
    const int kept = std::clamp(value, record.minimum, std::max(record.minimum, record.maximum));
    const auto i = static_cast<std::size_t>(record.index);
    if (record.twoByte) {
        block[i] = static_cast<image::Byte>((kept / 128) & 0x7F);
        block[i + 1] = static_cast<image::Byte>(kept % 128);
    } else {
        block[i] = static_cast<image::Byte>(kept & 0x7F);
    }
    return true;
}

} // namespace effects
