#include "effects/display_forms.h"
#include "effects/effect_slot_lookup.h"
#include "effects/effect_tables.h"
#include "image/effect_types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

using namespace effects;
using image::EffectKind;

namespace {

constexpr EffectKind kKinds[] = {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation};

int typeCount(EffectKind kind) {
    return static_cast<int>(image::effectTypes(kind).size());
}

int blockSize(EffectKind kind) {
    switch (kind) {
    case EffectKind::Reverb:
        return image::kReverbBlockSize;
    case EffectKind::Chorus:
        return image::kChorusBlockSize;
    case EffectKind::Variation:
        return image::kVariationBlockSize;
    }
    return 0;
}

// The visible labels of a type's row, as "slot:LABEL" in slot order.
std::vector<std::string> shownLabels(EffectKind kind, int type,
                                     Connection connection = Connection::Insertion) {
    std::vector<std::string> shown;
    for (int s = 1; s <= slotCount(kind); ++s) {
        const auto slot = effectSlot(kind, type, s, connection);
        if (slot.visible()) shown.push_back(std::to_string(s) + ":" + std::string{slot.label});
    }
    return shown;
}

int findType(EffectKind kind, std::string_view name) {
    const auto types = image::effectTypes(kind);
    for (std::size_t i = 0; i < types.size(); ++i)
        if (types[i].name == name) return static_cast<int>(i);
    return -1;
}

std::span<const image::Byte> presetRow(EffectKind kind, int type) {
    const auto row = static_cast<std::size_t>(type - 1);
    switch (kind) {
    case EffectKind::Reverb:
        return image::kReverbPresetRows[row];
    case EffectKind::Chorus:
        return image::kChorusPresetRows[row];
    case EffectKind::Variation:
        return image::kVariationPresetRows[row];
    }
    return {};
}

bool hasStoredBlock(EffectKind kind, int type) {
    return type != 0 && !(kind == EffectKind::Variation && type == image::kVariationThruIndex);
}

} // namespace

TEST(EffectTables, TypeLayoutsCoverEveryTypeOfTheLists) {
    EXPECT_EQ(kReverbTypeLayouts.size(), image::kReverbTypes.size());
    EXPECT_EQ(kChorusTypeLayouts.size(), image::kChorusTypes.size());
    EXPECT_EQ(kVariationTypeLayouts.size(), image::kVariationTypes.size());
    EXPECT_EQ(typeLayout(EffectKind::Reverb, 12), nullptr);
    EXPECT_EQ(typeLayout(EffectKind::Chorus, -1), nullptr);
    EXPECT_EQ(typeLayout(EffectKind::Variation, 44), nullptr);
    EXPECT_EQ(typeLayout(EffectKind::Reverb, 9)->nameOffset, 13);     // White Room
    EXPECT_EQ(typeLayout(EffectKind::Chorus, 12)->nameOffset, 20);    // Symphonic
    EXPECT_EQ(typeLayout(EffectKind::Variation, 32)->nameOffset, 0);  // Rotary Speaker
    EXPECT_EQ(typeLayout(EffectKind::Variation, 43)->nameOffset, 52); // Thru
}

TEST(EffectTables, NameFieldUsesTheShortTextsWhereThereAreSome) {
    EXPECT_EQ(typeFieldText(EffectKind::Variation, 13), "Early Ref 1");
    EXPECT_EQ(typeFieldText(EffectKind::Variation, 14), "Early Ref 2");
    EXPECT_EQ(typeFieldText(EffectKind::Variation, 39), "Guitar Amp");
    EXPECT_EQ(typeFieldText(EffectKind::Variation, 40), "3-Band EQ");
    EXPECT_EQ(typeFieldText(EffectKind::Variation, 41), "2-Band EQ");
    EXPECT_EQ(typeFieldText(EffectKind::Variation, 42), "Auto Wah");
    EXPECT_EQ(typeFieldText(EffectKind::Variation, 15), "Gate Reverb");
    EXPECT_EQ(typeFieldText(EffectKind::Reverb, 0), "No Effect");
    EXPECT_EQ(typeFieldText(EffectKind::Chorus, 13), "");
}

TEST(EffectTables, RoomReverbsAloneShowTheRoomDimensions) {
    const std::vector<std::string> room = {
        "1:TIME", "2:DIFF",   "3:IDLY",    "4:HPF",    "5:LPF",   "6:RDLY", "7:DENSE", "8:BAL",
        "9:FB",   "11:WIDTH", "12:HEIGHT", "13:DEPTH", "14:WALL", "16:PAN", "17:LEVEL"};
    for (auto name : {"White Room", "Tunnel", "Basement"})
        EXPECT_EQ(shownLabels(EffectKind::Reverb, findType(EffectKind::Reverb, name)), room)
            << name;
    for (int type = 1; type <= 8; ++type) {
        const auto shown = shownLabels(EffectKind::Reverb, type);
        EXPECT_EQ(shown.size(), 11u) << type;
        for (int s = 11; s <= 14; ++s)
            EXPECT_FALSE(effectSlot(EffectKind::Reverb, type, s).visible()) << type << " " << s;
    }
    EXPECT_TRUE(shownLabels(EffectKind::Reverb, 0).empty());
}

TEST(EffectTables, FlangersShowPhaseSymphonicNeitherPhaseNorModeNorFeedback) {
    for (auto name : {"Flanger 1", "Flanger 2", "Flanger 3"}) {
        const int type = findType(EffectKind::Chorus, name);
        const auto phase = effectSlot(EffectKind::Chorus, type, 13);
        EXPECT_EQ(phase.label, "PHASE") << name;
        EXPECT_EQ(formatEffectValue(phase.record.form, phase.record.minimum), "-180");
        EXPECT_EQ(formatEffectValue(phase.record.form, phase.record.maximum), "180");
        EXPECT_FALSE(effectSlot(EffectKind::Chorus, type, 12).visible()) << name;
    }
    const int chorus1 = findType(EffectKind::Chorus, "Chorus 1");
    EXPECT_EQ(effectSlot(EffectKind::Chorus, chorus1, 12).label, "MODE");
    EXPECT_FALSE(effectSlot(EffectKind::Chorus, chorus1, 13).visible());

    const int symphonic = findType(EffectKind::Chorus, "Symphonic");
    EXPECT_EQ(shownLabels(EffectKind::Chorus, symphonic),
              (std::vector<std::string>{"1:FREQ", "2:DEPTH", "4:DELAY", "7:EQ LF", "8:EQ HF",
                                        "9:EQ LG", "10:EQ HG", "15:ToREV", "16:PAN", "17:LEVEL"}));
}

TEST(EffectTables, VariationFlangerPhaseRunsFromMinus180To180) {
    const auto phase =
        effectSlot(EffectKind::Variation, findType(EffectKind::Variation, "Flanger 2"), 7);
    EXPECT_EQ(phase.label, "PHASE");
    EXPECT_EQ(formatEffectValue(phase.record.form, phase.record.minimum), "-180");
    EXPECT_EQ(formatEffectValue(phase.record.form, 64), "0");
    EXPECT_EQ(formatEffectValue(phase.record.form, phase.record.maximum), "180");
}

TEST(EffectTables, DryWetOnlyWhereTheEffectMixes) {
    int withDryWet = 0;
    for (int c = 1; c < kVariationClassCount; ++c)
        if (kVariationLayouts[static_cast<std::size_t>(c)].visible(13)) ++withDryWet;
    EXPECT_EQ(withDryWet, 16);

    for (auto name : {"Tremolo", "Auto Pan", "3-Band EQ (Mono)", "2-Band EQ (Stereo)"}) {
        const int type = findType(EffectKind::Variation, name);
        EXPECT_FALSE(effectSlot(EffectKind::Variation, type, 13).visible()) << name;
        EXPECT_TRUE(effectSlot(EffectKind::Variation, type, 14).visible()) << name;
    }
    for (auto name : {"Hall 1", "Delay L-C-R", "Symphonic", "Rotary Speaker", "Auto Wah (LFO)"}) {
        const auto dryWet =
            effectSlot(EffectKind::Variation, findType(EffectKind::Variation, name), 13);
        EXPECT_EQ(dryWet.label, "D/W") << name;
        EXPECT_EQ(dryWet.record.title, "Dry / Wet");
    }
}

TEST(EffectTables, DelayTypesEditTheLongDelays) {
    const auto lcr =
        effectSlot(EffectKind::Variation, findType(EffectKind::Variation, "Delay L-C-R"), 1);
    EXPECT_EQ(lcr.record.maximum, 7150);
    EXPECT_TRUE(lcr.record.twoByte);
    EXPECT_EQ(formatEffectValue(lcr.record.form, lcr.record.maximum), "715.0 ms");
    const auto echo = effectSlot(EffectKind::Variation, findType(EffectKind::Variation, "Echo"), 3);
    EXPECT_EQ(echo.record.title, "Lch Delay 2");
    EXPECT_EQ(formatEffectValue(echo.record.form, echo.record.maximum), "355.0 ms");
}

// High damping is a ratio of the high frequencies kept, 0.1 .. 1.0, not a time.
TEST(EffectTables, HighDampShowsAPlainRatio) {
    int found = 0;
    for (int type = 1; type < typeCount(EffectKind::Variation); ++type)
        for (int s = 1; s <= slotCount(EffectKind::Variation); ++s) {
            const auto slot = effectSlot(EffectKind::Variation, type, s);
            if (slot.record.title != "High Damp") continue;
            ++found;
            EXPECT_EQ(formatEffectValue(slot.record.form, slot.record.minimum), "0.1") << type;
            EXPECT_EQ(formatEffectValue(slot.record.form, slot.record.maximum), "1.0") << type;
        }
    EXPECT_GT(found, 0);
}

TEST(EffectTables, NoEffectAndThruShowNothing) {
    for (auto kind : kKinds) EXPECT_TRUE(shownLabels(kind, 0).empty());
    EXPECT_TRUE(shownLabels(EffectKind::Variation, image::kVariationThruIndex).empty());
    EXPECT_TRUE(
        shownLabels(EffectKind::Variation, image::kVariationThruIndex, Connection::System).empty());
    EXPECT_TRUE(effectSlot(EffectKind::Variation, image::kVariationThruIndex, 1).record.empty());
}

// Every slot a type shows edits a byte of its block, inside the block, with a range its
// display form can show, and the type's factory values lie inside that range.
TEST(EffectTables, VisibleSlotsFitTheirBlocksFormsAndDefaults) {
    for (auto kind : kKinds) {
        for (int type = 0; type < typeCount(kind); ++type) {
            for (auto connection : {Connection::Insertion, Connection::System}) {
                for (int s = 1; s <= slotCount(kind); ++s) {
                    const auto slot = effectSlot(kind, type, s, connection);
                    if (!slot.visible()) continue;
                    const auto& r = slot.record;
                    const auto where = ::testing::Message()
                                       << image::effectTypes(kind)[type].name << " slot " << s;
                    ASSERT_FALSE(r.empty()) << where;
                    EXPECT_LE(slot.label.size(), static_cast<std::size_t>(kMaxLabelLength))
                        << where;
                    EXPECT_FALSE(r.title.empty()) << where;
                    EXPECT_LE(r.title.size(), 21u) << where;
                    EXPECT_GE(r.index, 2) << where; // never the type code
                    EXPECT_LT(r.index + (r.twoByte ? 1 : 0), blockSize(kind)) << where;
                    EXPECT_LT(r.minimum, r.maximum) << where;
                    EXPECT_LE(r.maximum, r.twoByte ? 16383 : 127) << where;
                    EXPECT_TRUE(hasEffectValueText(r.form, r.minimum)) << where;
                    EXPECT_TRUE(hasEffectValueText(r.form, r.maximum)) << where;
                    if (!hasStoredBlock(kind, type)) continue;
                    const int value = readSlotValue(presetRow(kind, type), r);
                    EXPECT_GE(value, r.minimum) << where;
                    EXPECT_LE(value, r.maximum) << where;
                }
            }
        }
    }
}

// Two bytes only for variation parameters 1..10, whose MSBs sit at the even indexes 2..20.
TEST(EffectTables, TwoByteSlotsAreVariationParametersOneToTen) {
    for (const auto& r : kReverbSlots) EXPECT_FALSE(r.twoByte) << r.title;
    for (const auto& r : kChorusSlots) EXPECT_FALSE(r.twoByte) << r.title;
    std::vector<SlotRecord> variation(kVariationFixedSlots.begin(), kVariationFixedSlots.end());
    variation.insert(variation.end(), kInsertionSlots.begin(), kInsertionSlots.end());
    variation.insert(variation.end(), kSystemSlots.begin(), kSystemSlots.end());
    for (const auto& set : kParameterSets)
        variation.insert(variation.end(), set.begin(), set.end());
    int twoByte = 0;
    for (const auto& r : variation) {
        if (r.empty()) continue;
        const bool parameterOneToTen = r.index >= 2 && r.index <= 21;
        EXPECT_EQ(r.twoByte, parameterOneToTen) << r.title << " at " << r.index;
        if (r.twoByte) {
            EXPECT_EQ(r.index % 2, 0) << r.title;
            ++twoByte;
        }
    }
    EXPECT_GT(twoByte, 100);
}

// A class shows a slot only where every type that uses the class has a parameter there, and
// the set of a variation type edits no byte twice.
TEST(EffectTables, LayoutClassesReferToExistingSlots) {
    for (int type = 0; type < typeCount(EffectKind::Variation); ++type) {
        const auto* layout = typeLayout(EffectKind::Variation, type);
        ASSERT_NE(layout, nullptr);
        EXPECT_GE(layout->layoutClass, 0);
        EXPECT_LT(layout->layoutClass, kVariationClassCount);
        EXPECT_EQ(layout->parameterSet == 0, layout->layoutClass == 0) << type;
        std::vector<int> used;
        for (int s = 1; s <= kVariationSetSlotCount; ++s) {
            const auto r = effectSlot(EffectKind::Variation, type, s).record;
            if (r.empty()) continue;
            for (int i = r.index; i <= r.index + (r.twoByte ? 1 : 0); ++i) {
                EXPECT_EQ(std::count(used.begin(), used.end(), i), 0) << type << " byte " << i;
                used.push_back(i);
            }
        }
    }
    for (const auto& type : kReverbTypeLayouts) {
        for (int s = 1; s <= kReverbSlotCount; ++s) {
            if (kReverbLayouts[static_cast<std::size_t>(type.layoutClass)].visible(s)) {
                EXPECT_FALSE(kReverbSlots[static_cast<std::size_t>(s - 1)].empty()) << s;
            }
        }
    }
    for (const auto& type : kChorusTypeLayouts) {
        for (int s = 1; s <= kChorusSlotCount; ++s) {
            if (kChorusLayouts[static_cast<std::size_t>(type.layoutClass)].visible(s)) {
                EXPECT_FALSE(kChorusSlots[static_cast<std::size_t>(s - 1)].empty()) << s;
            }
        }
    }
}

TEST(EffectTables, EveryClassIsUsedByAType) {
    std::vector<int> reverb(kReverbClassCount), chorus(kChorusClassCount),
        variation(kVariationClassCount), sets(kParameterSetCount + 1);
    for (const auto& t : kReverbTypeLayouts) ++reverb[static_cast<std::size_t>(t.layoutClass)];
    for (const auto& t : kChorusTypeLayouts) ++chorus[static_cast<std::size_t>(t.layoutClass)];
    for (const auto& t : kVariationTypeLayouts) {
        ++variation[static_cast<std::size_t>(t.layoutClass)];
        ++sets[static_cast<std::size_t>(t.parameterSet)];
    }
    for (int n : reverb) EXPECT_GT(n, 0);
    for (int n : chorus) EXPECT_GT(n, 0);
    for (int n : variation) EXPECT_GT(n, 0);
    for (int n : sets) EXPECT_GT(n, 0);
}
