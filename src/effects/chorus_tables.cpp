#include "effects/effect_tables.h"

namespace effects {

// clang-format off
const std::array<SlotRecord, kChorusSlotCount> kChorusSlots{{
    {"LFO Frequency", 0, 127, 2, 106},
    {"LFO PM Depth", 0, 127, 3, 99},
    {"Feedback Level", 0, 127, 4, 111},
    {"Delay Offset", 0, 127, 5, 107},
    {},
    {},
    {"EQ Low Frequency", 8, 40, 7, 102},
    {"EQ High Frequency", 28, 58, 9, 102},
    {"EQ Low Gain", 52, 76, 8, 114},
    {"EQ High Gain", 52, 76, 10, 114},
    {},
    {"Input Mode", 0, 1, 19, 120},
    {"LfO Phase Difference", 4, 124, 18, 112},
    {},
    {"Send to Reverb", 0, 127, 14, 99},
    {"Panorama", 1, 127, 13, 113},
    {"Level", 0, 127, 12, 99},
}};
// clang-format on

const std::array<ChorusLayout, kChorusClassCount> kChorusLayouts{{
    makeLayout<kChorusSlotCount>({}),
    makeLayout<kChorusSlotCount>({{1, "FREQ"},
                                  {2, "DEPTH"},
                                  {3, "FB"},
                                  {4, "DELAY"},
                                  {7, "EQ LF"},
                                  {8, "EQ HF"},
                                  {9, "EQ LG"},
                                  {10, "EQ HG"},
                                  {12, "MODE"},
                                  {15, "ToREV"},
                                  {16, "PAN"},
                                  {17, "LEVEL"}}),
    // The flangers have a phase difference instead of the input mode.
    makeLayout<kChorusSlotCount>({{1, "FREQ"},
                                  {2, "DEPTH"},
                                  {3, "FB"},
                                  {4, "DELAY"},
                                  {7, "EQ LF"},
                                  {8, "EQ HF"},
                                  {9, "EQ LG"},
                                  {10, "EQ HG"},
                                  {13, "PHASE"},
                                  {15, "ToREV"},
                                  {16, "PAN"},
                                  {17, "LEVEL"}}),
    // The symphonic has neither, and no feedback.
    makeLayout<kChorusSlotCount>({{1, "FREQ"},
                                  {2, "DEPTH"},
                                  {4, "DELAY"},
                                  {7, "EQ LF"},
                                  {8, "EQ HF"},
                                  {9, "EQ LG"},
                                  {10, "EQ HG"},
                                  {15, "ToREV"},
                                  {16, "PAN"},
                                  {17, "LEVEL"}}),
}};

// Per type index: layout class and name offset.
const std::array<TypeLayout, image::kChorusTypeCount> kChorusTypeLayouts{{
    {0, 28}, // No Effect
    {1, 30}, // Chorus 1
    {1, 30}, // Chorus 2
    {1, 30}, // Chorus 3
    {1, 30}, // Chorus 4
    {1, 28}, // Celeste 1
    {1, 28}, // Celeste 2
    {1, 28}, // Celeste 3
    {1, 28}, // Celeste 4
    {2, 28}, // Flanger 1
    {2, 28}, // Flanger 2
    {2, 28}, // Flanger 3
    {3, 20}, // Symphonic
}};

} // namespace effects
