#include "effects/effect_tables.h"

namespace effects {
namespace {

// Parameters 1..10 of the variation block are 14-bit values in two bytes; the rest are one.
constexpr SlotRecord two(std::string_view title, int minimum, int maximum, int index, int form) {
    return {title, minimum, maximum, index, form, true};
}
constexpr SlotRecord one(std::string_view title, int minimum, int maximum, int index, int form) {
    return {title, minimum, maximum, index, form, false};
}

// The EQ knobs shared by most sets, in parameters 11..16 (delays) or 6..9 (modulation).
constexpr SetSlot kDelayEqLowFrequency{9, one("EQ Low Frequency", 8, 40, 35, 102)};
constexpr SetSlot kDelayEqHighFrequency{10, one("EQ High Frequency", 28, 58, 37, 102)};
constexpr SetSlot kDelayEqLowGain{11, one("EQ Low Gain", 52, 76, 36, 114)};
constexpr SetSlot kDelayEqHighGain{12, one("EQ High Gain", 52, 76, 38, 114)};
constexpr SetSlot kModEqLowFrequency{9, two("EQ Low Frequency", 8, 40, 12, 102)};
constexpr SetSlot kModEqHighFrequency{10, two("EQ High Frequency", 28, 58, 16, 102)};
constexpr SetSlot kModEqLowGain{11, two("EQ Low Gain", 52, 76, 14, 114)};
constexpr SetSlot kModEqHighGain{12, two("EQ High Gain", 52, 76, 18, 114)};

} // namespace

const std::array<ParameterSet, kParameterSetCount> kParameterSets{{
    // 1: reverbs
    makeParameterSet({{1, two("Reverb Time", 0, 69, 2, 100)},
                      {2, two("Diffusion", 0, 10, 4, 99)},
                      {3, two("Initial Delay", 0, 63, 6, 101)},
                      {4, two("HPF Cutoff", 0, 52, 8, 102)},
                      {5, two("LPF Cutoff", 34, 60, 10, 102)},
                      {6, one("Rev Delay", 0, 63, 33, 101)},
                      {7, one("Density", 0, 4, 34, 99)},
                      {8, one("Er/Rev Balance", 1, 127, 35, 109)},
                      {9, one("Feedback Level", 1, 127, 37, 111)}}),
    // 2: Delay L-C-R
    makeParameterSet({{1, two("Lch Delay", 1, 7150, 2, 110)},
                      {2, two("Rch Delay", 1, 7150, 4, 110)},
                      {3, two("Cch Delay", 1, 7150, 6, 110)},
                      {4, two("Feedback Delay", 1, 7150, 8, 110)},
                      {5, two("Feedback Level", 1, 127, 10, 111)},
                      {6, two("Cch Level", 0, 127, 12, 99)},
                      {7, two("High Damp", 1, 10, 14, 122)},
                      kDelayEqLowFrequency,
                      kDelayEqHighFrequency,
                      kDelayEqLowGain,
                      kDelayEqHighGain}),
    // 3: Delay L-R
    makeParameterSet({{1, two("Lch Delay", 1, 7150, 2, 110)},
                      {2, two("Rch Delay", 1, 7150, 4, 110)},
                      {3, two("Feedback Delay 1", 1, 7150, 6, 110)},
                      {4, two("Feedback Delay 2", 1, 7150, 8, 110)},
                      {5, two("Feedback Level", 1, 127, 10, 111)},
                      {7, two("High Damp", 1, 10, 12, 122)},
                      kDelayEqLowFrequency,
                      kDelayEqHighFrequency,
                      kDelayEqLowGain,
                      kDelayEqHighGain}),
    // 4: Echo
    makeParameterSet({{1, two("Lch Delay 1", 1, 3550, 2, 110)},
                      {2, two("Rch Delay 1", 1, 3550, 6, 110)},
                      {3, two("Lch Delay 2", 1, 3550, 12, 110)},
                      {4, two("Rch Delay 2", 1, 3550, 14, 110)},
                      {5, two("Lch Feedback Level", 1, 127, 4, 111)},
                      {6, two("Rch Feedback Level", 1, 127, 8, 111)},
                      {7, two("High Damp", 1, 10, 10, 122)},
                      {8, two("Delay2 Level", 0, 127, 16, 99)},
                      kDelayEqLowFrequency,
                      kDelayEqHighFrequency,
                      kDelayEqLowGain,
                      kDelayEqHighGain}),
    // 5: Cross Delay
    makeParameterSet({{1, two("L->R Delay", 1, 3550, 2, 110)},
                      {2, two("R->L Delay", 1, 3550, 4, 110)},
                      {3, two("Input Select", 0, 2, 8, 116)},
                      {5, two("Feedback Level", 1, 127, 6, 111)},
                      {7, two("High Damp", 1, 10, 10, 122)},
                      kDelayEqLowFrequency,
                      kDelayEqHighFrequency,
                      kDelayEqLowGain,
                      kDelayEqHighGain}),
    // 6: Early Reflection 1 and 2
    makeParameterSet({{1, two("Type", 0, 5, 2, 117)},
                      {2, two("Room Size", 0, 44, 4, 104)},
                      {3, two("Diffusion", 0, 10, 6, 99)},
                      {4, two("Initial Delay", 0, 63, 8, 101)},
                      {5, two("Feedback Level", 1, 127, 10, 111)},
                      {7, one("High Damp", 1, 10, 35, 122)},
                      {9, two("HPF Cutoff", 0, 52, 12, 102)},
                      {10, two("LPF Cutoff", 34, 60, 14, 102)},
                      {11, one("Liveness", 0, 10, 33, 99)},
                      {12, one("Density", 0, 3, 34, 99)}}),
    // 7: Gate Reverb and Reverse Gate
    makeParameterSet({{1, two("Type", 0, 1, 2, 118)},
                      {2, two("Room Size", 0, 44, 4, 104)},
                      {3, two("Diffusion", 0, 10, 6, 99)},
                      {4, two("Initial Delay", 0, 63, 8, 101)},
                      {5, two("Feedback Level", 1, 127, 10, 111)},
                      {7, one("High Damp", 1, 10, 35, 122)},
                      {9, two("HPF Cutoff", 0, 52, 12, 102)},
                      {10, two("LPF Cutoff", 34, 60, 14, 102)},
                      {11, one("Liveness", 0, 10, 33, 99)},
                      {12, one("Density", 0, 3, 34, 99)}}),
    // 8: Karaoke
    makeParameterSet({{1, two("Delay Time", 0, 127, 2, 105)},
                      {2, two("HPF Cutoff", 0, 52, 6, 102)},
                      {3, two("LPF Cutoff", 34, 60, 8, 102)},
                      {5, two("Feedback Level", 1, 127, 4, 111)}}),
    // 9: Chorus and Celeste
    makeParameterSet({{1, two("LFO Frequency", 0, 127, 2, 106)},
                      {2, two("LFO PM Depth", 0, 127, 4, 99)},
                      {3, two("Feedback Level", 1, 127, 6, 111)},
                      {4, two("Delay Offset", 0, 127, 8, 107)},
                      {7, one("Input Mode", 0, 1, 37, 120)},
                      kModEqLowFrequency,
                      kModEqHighFrequency,
                      kModEqLowGain,
                      kModEqHighGain}),
    // 10: Flanger
    makeParameterSet({{1, two("LFO Frequency", 0, 127, 2, 106)},
                      {2, two("LFO Depth", 0, 127, 4, 99)},
                      {3, two("Feedback Level", 1, 127, 6, 111)},
                      {4, two("Delay Offset", 0, 63, 8, 107)},
                      {7, one("LfO Phase Difference", 4, 124, 36, 112)},
                      kModEqLowFrequency,
                      kModEqHighFrequency,
                      kModEqLowGain,
                      kModEqHighGain}),
    // 11: Symphonic and Rotary Speaker
    makeParameterSet({{1, two("LFO Frequency", 0, 127, 2, 106)},
                      {2, two("LFO Depth", 0, 127, 4, 99)},
                      {4, two("Delay Offset", 0, 127, 6, 107)},
                      kModEqLowFrequency,
                      kModEqHighFrequency,
                      kModEqLowGain,
                      kModEqHighGain}),
    // 12: Tremolo
    makeParameterSet({{1, two("LFO Frequency", 0, 127, 2, 106)},
                      {2, two("AM Depth", 0, 127, 4, 99)},
                      {3, two("PM Depth", 0, 127, 6, 99)},
                      {6, one("Input Mode", 0, 1, 37, 120)},
                      {7, one("LfO Phase Difference", 4, 124, 36, 112)},
                      kModEqLowFrequency,
                      kModEqHighFrequency,
                      kModEqLowGain,
                      kModEqHighGain}),
    // 13: Auto Pan
    makeParameterSet({{1, two("LFO Frequency", 0, 127, 2, 106)},
                      {2, two("L/R Depth", 0, 127, 4, 99)},
                      {3, two("F/R Depth", 0, 127, 6, 99)},
                      {4, two("PAN Direction", 0, 5, 8, 121)},
                      kModEqLowFrequency,
                      kModEqHighFrequency,
                      kModEqLowGain,
                      kModEqHighGain}),
    // 14: Phaser 1 and 2
    makeParameterSet({{1, two("LFO Frequency", 0, 127, 2, 106)},
                      {2, two("LFO Depth", 0, 127, 4, 99)},
                      {3, one("Diffusion", 0, 1, 34, 120)},
                      {4, one("Stage", 3, 10, 33, 99)},
                      {5, two("Feedback Level", 1, 127, 8, 111)},
                      {7, two("Phase Shift Offset", 0, 127, 6, 99)},
                      {8, one("LfO Phase Difference", 4, 124, 35, 112)},
                      kModEqLowFrequency,
                      kModEqHighFrequency,
                      kModEqLowGain,
                      kModEqHighGain}),
    // 15: Distortion and Overdrive
    makeParameterSet({{1, two("Drive", 0, 127, 2, 99)},
                      {2, two("Level", 0, 127, 10, 99)},
                      {3, two("LPF Cutoff", 34, 60, 8, 102)},
                      {4, one("Edge(Clip Curve)", 0, 127, 33, 99)},
                      {6, two("EQ Mid Frequency", 28, 54, 14, 102)},
                      {7, two("EQ Mid Gain", 52, 76, 16, 114)},
                      {8, two("EQ Mid Width", 10, 120, 18, 122)},
                      {9, two("EQ Low Frequency", 8, 40, 4, 102)},
                      {11, two("EQ Low Gain", 52, 76, 6, 114)}}),
    // 16: Guitar Amp Simulation
    makeParameterSet({{1, two("Drive", 0, 127, 2, 99)},
                      {2, two("Level", 0, 127, 8, 99)},
                      {3, two("LPF Cutoff", 34, 60, 6, 102)},
                      {4, one("Edge(Clip Curve)", 0, 127, 33, 99)},
                      {5, two("Type", 0, 3, 4, 119)}}),
    // 17: 3-Band EQ
    makeParameterSet({{1, two("EQ Mid Frequency", 28, 54, 4, 102)},
                      {2, two("EQ Mid Gain", 52, 76, 6, 114)},
                      {3, two("EQ Mid Width", 10, 120, 8, 122)},
                      {9, two("EQ Low Frequency", 8, 40, 12, 102)},
                      {10, two("EQ High Frequency", 28, 58, 14, 102)},
                      {11, two("EQ Low Gain", 52, 76, 2, 114)},
                      {12, two("EQ High Gain", 52, 76, 10, 114)}}),
    // 18: 2-Band EQ
    makeParameterSet({{9, two("EQ Low Frequency", 8, 40, 2, 102)},
                      {10, two("EQ High Frequency", 28, 58, 6, 102)},
                      {11, two("EQ Low Gain", 52, 76, 4, 114)},
                      {12, two("EQ High Gain", 52, 76, 8, 114)}}),
    // 19: Auto Wah
    makeParameterSet({{1, two("LFO Frequency", 0, 127, 2, 106)},
                      {2, two("LFO Depth", 0, 127, 4, 99)},
                      {3, two("Cutoff Freq. Offset", 0, 127, 6, 99)},
                      {4, two("Resonance", 10, 120, 8, 122)},
                      kModEqLowFrequency,
                      kModEqHighFrequency,
                      kModEqLowGain,
                      kModEqHighGain}),
}};

const std::array<SlotRecord, 3> kVariationFixedSlots{{
    two("Dry / Wet", 1, 127, 20, 108),
    one("Assign Controll 1", 1, 127, 31, 111),
    one("Assign Controll 2", 1, 127, 32, 111),
}};

const std::array<SlotRecord, 4> kInsertionSlots{{
    one("After Touch", 1, 127, 30, 111),
    one("Pitch Bend", 1, 127, 29, 111),
    one("Mod Wheel", 1, 127, 28, 111),
    one("Part", 0, 127, 27, 115),
}};

const std::array<SlotRecord, 4> kSystemSlots{{
    one("Send to Chorus", 0, 127, 25, 99),
    one("Send to Reverb", 0, 127, 24, 99),
    one("Panorama", 1, 127, 23, 113),
    one("Level", 0, 127, 22, 99),
}};

const std::array<std::string_view, 4> kInsertionLabels{"AT", "BEND", "MOD", "PART"};
const std::array<std::string_view, 4> kSystemLabels{"ToCHO", "ToREV", "PAN", "LEVEL"};

} // namespace effects
