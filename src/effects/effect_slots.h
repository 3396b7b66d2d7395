#pragma once
// The building blocks of the effect rows: what one knob slot edits (slot record), which
// slots a type shows and under which short labels (layout class), and what each type
// adds to its code (layout class, parameter set, name field).

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace effects {

inline constexpr int kReverbSlotCount = 17;
inline constexpr int kChorusSlotCount = 17;
inline constexpr int kVariationSlotCount = 19;
// Variation slots 1..12 come from the type's parameter set; 13..19 are the same for every
// type (13..15) or depend on the connection (16..19).
inline constexpr int kVariationSetSlotCount = 12;
inline constexpr int kParameterSetCount = 19;
inline constexpr int kReverbClassCount = 3;
inline constexpr int kChorusClassCount = 4;
inline constexpr int kVariationClassCount = 21;
inline constexpr int kMaxLabelLength = 6;

// One knob: which byte of the effect block it edits, its range and how its value reads.
struct SlotRecord {
    std::string_view title; // long title for the status field
    int minimum = 0;
    int maximum = 0; // for two-byte values the 14-bit maximum
    int index = 0;   // block index of the value (of the MSB for two-byte values)
    int form = 0;    // display form, see display_forms.h
    bool twoByte = false;

    // Slots without a parameter have neither a maximum nor an index.
    constexpr bool empty() const { return maximum == 0 && index == 0; }
};

// Short labels of the visible slots; a hidden slot has an empty label.
template <int SlotCount> struct LayoutClass {
    std::array<std::string_view, SlotCount> labels{};

    constexpr bool visible(int slot) const { return !label(slot).empty(); }
    constexpr std::string_view label(int slot) const {
        if (slot < 1 || slot > SlotCount) return {};
        return labels[static_cast<std::size_t>(slot - 1)];
    }
};

struct SlotLabel {
    int slot;
    std::string_view label;
};

// Builds a layout class from the list of its visible slots, the way the tables read.
template <int SlotCount>
constexpr LayoutClass<SlotCount> makeLayout(std::initializer_list<SlotLabel> visibleSlots) {
    LayoutClass<SlotCount> layout;
    for (const auto& entry : visibleSlots)
        layout.labels[static_cast<std::size_t>(entry.slot - 1)] = entry.label;
    return layout;
}

using ReverbLayout = LayoutClass<kReverbSlotCount>;
using ChorusLayout = LayoutClass<kChorusSlotCount>;
using VariationLayout = LayoutClass<kVariationSlotCount>;

// The records of variation slots 1..12 for a group of types that edit the same bytes.
using ParameterSet = std::array<SlotRecord, kVariationSetSlotCount>;

struct SetSlot {
    int slot;
    SlotRecord record;
};

constexpr ParameterSet makeParameterSet(std::initializer_list<SetSlot> entries) {
    ParameterSet set{};
    for (const auto& entry : entries) set[static_cast<std::size_t>(entry.slot - 1)] = entry.record;
    return set;
}

// What a type adds to its name and code (image::kReverbTypes etc. hold those).
struct TypeLayout {
    int layoutClass = 0;
    int nameOffset = 0;           // left x of the name inside the 80-pixel type name field
    int parameterSet = 0;         // variation only; 0 = none ("No Effect", "Thru")
    std::string_view fieldText{}; // shorter text for the name field; empty = the list text
};

// How the variation block is connected; it decides what slots 13..19 show.
enum class Connection { Insertion, System };

} // namespace effects
