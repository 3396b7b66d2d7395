#pragma once
// What the effect rows ask of the tables: the knob a slot shows for a type and connection,
// the name field of a type, where a block byte goes on the wire, and how a slot's value is
// read from and written into its block.

#include "effects/effect_slots.h"
#include "image/synth_image.h"

#include <span>
#include <string_view>

namespace effects {

// Number of knob slots of a row (17, 17 or 19).
int slotCount(image::EffectKind kind);

// Layout class, name offset, parameter set and field text of a type; nullptr for an index
// outside the row's type list.
const TypeLayout* typeLayout(image::EffectKind kind, int typeIndex);

// The text of the type name field: the list text, or its shorter form where there is one.
// Empty for an index outside the list.
std::string_view typeFieldText(image::EffectKind kind, int typeIndex);

// One knob slot of a row as a type shows it. A hidden slot has an empty label; its record
// is still the slot's own (the editor keeps a record for every slot).
struct EffectSlot {
    SlotRecord record;
    std::string_view label;

    bool visible() const { return !label.empty(); }
};

// Slot `slot` (1-based) of the row for the type. The connection matters for the variation
// only: "SYS" hides dry/wet and the assignable controllers and turns slots 16..19 into the
// system sends. Anything outside the tables gives an empty, hidden slot.
EffectSlot effectSlot(image::EffectKind kind, int typeIndex, int slot,
                      Connection connection = Connection::Insertion);

// The XG low address (high 02, mid 01) of a block byte; -1 outside the block.
int xgLowAddress(image::EffectKind kind, int blockIndex);

// Knob step in normal drag mode: the long delays (maxima above 3000) move by 10.
int slotStep(const SlotRecord& record);

// The slot's value in a block (two-byte values as MSB * 128 + LSB); 0 when the record's
// bytes lie outside the block.
int readSlotValue(std::span<const image::Byte> block, const SlotRecord& record);

// Stores a value, kept inside the slot's range, into its byte(s) of the block. Returns
// false (and leaves the block alone) when the record's bytes lie outside the block.
bool writeSlotValue(std::span<image::Byte> block, const SlotRecord& record, int value);

} // namespace effects
