#include "effects/effect_tables.h"

namespace effects {

// clang-format off
const std::array<SlotRecord, kReverbSlotCount> kReverbSlots{{
    {"Reverb Time", 0, 69, 2, 100},
    {"Diffusion", 0, 10, 3, 99},
    {"Initial Delay", 0, 63, 4, 101},
    {"HPF Cutoff", 0, 52, 5, 102},
    {"LPF Cutoff", 34, 60, 6, 102},
    {"Rev Delay", 0, 63, 14, 101},
    {"Density", 0, 4, 15, 99},
    {"Er/Rev Balance", 1, 127, 16, 109},
    {"Feedback Level", 1, 127, 18, 111},
    {},
    {"Width", 0, 37, 7, 103},
    {"Height", 0, 73, 8, 103},
    {"Depth", 0, 104, 9, 103},
    {"Wall Vary", 0, 30, 10, 99},
    {},
    {"Panorama", 1, 127, 13, 113},
    {"Level", 0, 127, 12, 99},
}};
// clang-format on

const std::array<ReverbLayout, kReverbClassCount> kReverbLayouts{{
    makeLayout<kReverbSlotCount>({}),
    makeLayout<kReverbSlotCount>({{1, "TIME"},
                                  {2, "DIFF"},
                                  {3, "IDLY"},
                                  {4, "HPF"},
                                  {5, "LPF"},
                                  {6, "RDLY"},
                                  {7, "DENSE"},
                                  {8, "BAL"},
                                  {9, "FB"},
                                  {16, "PAN"},
                                  {17, "LEVEL"}}),
    // The room-simulation types add the room's dimensions.
    makeLayout<kReverbSlotCount>({{1, "TIME"},
                                  {2, "DIFF"},
                                  {3, "IDLY"},
                                  {4, "HPF"},
                                  {5, "LPF"},
                                  {6, "RDLY"},
                                  {7, "DENSE"},
                                  {8, "BAL"},
                                  {9, "FB"},
                                  {11, "WIDTH"},
                                  {12, "HEIGHT"},
                                  {13, "DEPTH"},
                                  {14, "WALL"},
                                  {16, "PAN"},
                                  {17, "LEVEL"}}),
}};

// Per type index: layout class and name offset.
const std::array<TypeLayout, image::kReverbTypeCount> kReverbTypeLayouts{{
    {0, 28}, // No Effect
    {1, 45}, // Hall 1
    {1, 45}, // Hall 2
    {1, 35}, // Room 1
    {1, 35}, // Room 2
    {1, 35}, // Room 3
    {1, 36}, // Stage 1
    {1, 36}, // Stage 2
    {1, 48}, // Plate
    {2, 13}, // White Room
    {2, 40}, // Tunnel
    {2, 24}, // Basement
}};

} // namespace effects
