#include "effects/effect_tables.h"

namespace effects {
namespace {

// Every variation class with knobs ends with the controller slots of the insertion
// connection; the dry/wet knob only where the effect has a dry/wet mix.
enum class DryWet { Shown, None };

constexpr VariationLayout withControls(VariationLayout layout, DryWet dryWet) {
    if (dryWet == DryWet::Shown) layout.labels[12] = "D/W";
    layout.labels[13] = "AC1";
    layout.labels[14] = "AC2";
    layout.labels[15] = "AT";
    layout.labels[16] = "BEND";
    layout.labels[17] = "MOD";
    layout.labels[18] = "PART";
    return layout;
}

constexpr VariationLayout layout(std::initializer_list<SlotLabel> slots, DryWet dryWet) {
    return withControls(makeLayout<kVariationSlotCount>(slots), dryWet);
}

} // namespace

const std::array<VariationLayout, kVariationClassCount> kVariationLayouts{{
    makeLayout<kVariationSlotCount>({}),
    // 1: reverbs
    layout({{1, "TIME"},
            {2, "DIFF"},
            {3, "IDLY"},
            {4, "HPF"},
            {5, "LPF"},
            {6, "RDLY"},
            {7, "DENSE"},
            {8, "BAL"},
            {9, "FB"}},
           DryWet::Shown),
    // 2: Delay L-C-R
    layout({{1, "LDLY"},
            {2, "RDLY"},
            {3, "CDLY"},
            {4, "FBD"},
            {5, "FBL"},
            {6, "CHLEV"},
            {7, "DAMP"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::Shown),
    // 3: Delay L-R
    layout({{1, "LDLY"},
            {2, "RDLY"},
            {3, "FBD1"},
            {4, "FBD2"},
            {5, "FBL"},
            {7, "DAMP"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::Shown),
    // 4: Echo
    layout({{1, "LDL1"},
            {2, "RDL1"},
            {3, "LDL2"},
            {4, "RDL2"},
            {5, "LFBL"},
            {6, "RFBL"},
            {7, "DAMP"},
            {8, "D2LEV"},
            {9, "EQLF"},
            {10, "EQHF"},
            {11, "EQLG"},
            {12, "EQHG"}},
           DryWet::Shown),
    // 5: Cross Delay
    layout({{1, "LRDL"},
            {2, "RLDL"},
            {3, "INPUT"},
            {5, "FBL"},
            {7, "DAMP"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::Shown),
    // 6: early reflections and gates
    layout({{1, "TYPE"},
            {2, "ROOM"},
            {3, "DIFF"},
            {4, "IDLY"},
            {5, "FBL"},
            {7, "DAMP"},
            {9, "HPF"},
            {10, "LPF"},
            {11, "LIVE"},
            {12, "DENSE"}},
           DryWet::Shown),
    // 7: Karaoke
    layout({{1, "TIME"}, {2, "HPF"}, {3, "LPF"}, {5, "FBL"}}, DryWet::Shown),
    // 8: Chorus and Celeste
    layout({{1, "FREQ"},
            {2, "DEPTH"},
            {3, "FB"},
            {4, "DELAY"},
            {7, "MODE"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::Shown),
    // 9: Flanger
    layout({{1, "FREQ"},
            {2, "DEPTH"},
            {3, "FB"},
            {4, "DELAY"},
            {7, "PHASE"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::Shown),
    // 10: Symphonic
    layout({{1, "FREQ"},
            {2, "DEPTH"},
            {4, "DELAY"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::Shown),
    // 11: Rotary Speaker
    layout({{1, "FREQ"}, {2, "DEPTH"}, {9, "EQ LF"}, {10, "EQ HF"}, {11, "EQ LG"}, {12, "EQ HG"}},
           DryWet::Shown),
    // 12: Tremolo
    layout({{1, "FREQ"},
            {2, "AMD"},
            {3, "PMD"},
            {6, "MODE"},
            {7, "PHASE"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::None),
    // 13: Auto Pan
    layout({{1, "FREQ"},
            {2, "L/RD"},
            {3, "F/RD"},
            {4, "PAND"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::None),
    // 14: Phaser 1
    layout({{1, "FREQ"},
            {2, "DEPTH"},
            {3, "DIFF"},
            {4, "STAGE"},
            {5, "FBL"},
            {7, "PHASE"},
            {8, "PDIF"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::Shown),
    // 15: Phaser 2
    layout({{1, "FREQ"},
            {2, "DEPTH"},
            {3, "DIFF"},
            {4, "STAGE"},
            {5, "FBL"},
            {7, "PHASE"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::Shown),
    // 16: Distortion and Overdrive
    layout({{1, "DRIVE"},
            {2, "LEVEL"},
            {3, "LPF"},
            {4, "EDGE"},
            {6, "EQMF"},
            {7, "EMG"},
            {8, "EMW"},
            {9, "EQ LF"},
            {11, "EQ LG"}},
           DryWet::Shown),
    // 17: Guitar Amp Simulation
    layout({{1, "DRIVE"}, {2, "LEVEL"}, {3, "LPF"}, {4, "EDGE"}, {5, "TYPE"}}, DryWet::Shown),
    // 18: 3-Band EQ
    layout({{1, "EQ MF"},
            {2, "EQMG"},
            {3, "EQMW"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::None),
    // 19: 2-Band EQ
    layout({{9, "EQ LF"}, {10, "EQ HF"}, {11, "EQ LG"}, {12, "EQ HG"}}, DryWet::None),
    // 20: Auto Wah
    layout({{1, "FREQ"},
            {2, "DEPTH"},
            {3, "CFOFF"},
            {4, "RESO"},
            {9, "EQ LF"},
            {10, "EQ HF"},
            {11, "EQ LG"},
            {12, "EQ HG"}},
           DryWet::Shown),
}};

// Per type index: layout class, name offset, parameter set and the shorter name field text.
const std::array<TypeLayout, image::kVariationTypeCount> kVariationTypeLayouts{{
    {0, 28, 0},                 // No Effect
    {1, 45, 1},                 // Hall 1
    {1, 45, 1},                 // Hall 2
    {1, 35, 1},                 // Room 1
    {1, 35, 1},                 // Room 2
    {1, 35, 1},                 // Room 3
    {1, 36, 1},                 // Stage 1
    {1, 36, 1},                 // Stage 2
    {1, 48, 1},                 // Plate
    {2, 15, 2},                 // Delay L-C-R
    {3, 25, 3},                 // Delay L-R
    {4, 47, 4},                 // Echo
    {5, 17, 5},                 // Cross Delay
    {6, 20, 6, "Early Ref 1"},  // Early Reflection 1
    {6, 20, 6, "Early Ref 2"},  // Early Reflection 2
    {6, 11, 7},                 // Gate Reverb
    {6, 6, 7},                  // Reverse Gate
    {7, 23, 8},                 // Karaoke 1
    {7, 23, 8},                 // Karaoke 2
    {7, 23, 8},                 // Karaoke 3
    {8, 30, 9},                 // Chorus 1
    {8, 30, 9},                 // Chorus 2
    {8, 30, 9},                 // Chorus 3
    {8, 30, 9},                 // Chorus 4
    {8, 28, 9},                 // Celeste 1
    {8, 28, 9},                 // Celeste 2
    {8, 28, 9},                 // Celeste 3
    {8, 28, 9},                 // Celeste 4
    {9, 28, 10},                // Flanger 1
    {9, 28, 10},                // Flanger 2
    {9, 28, 10},                // Flanger 3
    {10, 20, 11},               // Symphonic
    {11, 0, 11},                // Rotary Speaker
    {12, 35, 12},               // Tremolo
    {13, 28, 13},               // Auto Pan
    {14, 30, 14},               // Phaser 1
    {15, 30, 14},               // Phaser 2
    {16, 28, 15},               // Distortion
    {16, 26, 15},               // Overdrive
    {17, 20, 16, "Guitar Amp"}, // Guitar Amp Simulation
    {18, 22, 17, "3-Band EQ"},  // 3-Band EQ (Mono)
    {19, 22, 18, "2-Band EQ"},  // 2-Band EQ (Stereo)
    {20, 24, 19, "Auto Wah"},   // Auto Wah (LFO)
    {0, 52, 0},                 // Thru
}};

} // namespace effects
