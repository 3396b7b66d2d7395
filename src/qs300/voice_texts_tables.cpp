// The fixed texts behind the display forms of the voice editor.

#include "qs300/voice_texts_tables.h"

namespace qs300 {

const std::array<const char*, 12> kNoteLetters = {"C ", "C#", "D ", "D#", "E ", "F ",
                                                  "F#", "G ", "G#", "A ", "A#", "B "};

const std::array<const char*, 16> kElementPanTexts = {"<-7", "<-6", "<-5", "<-4",  "<-3", "<-2",
                                                      "<-1", "<0>", "1->", "2->",  "3->", "4->",
                                                      "5->", "6->", "7->", "SCALE"};

const std::array<const char*, 6> kScalingRateTexts = {"100%", "50%", "20%", "10%", " 5%", "0%"};

const std::array<const char*, 4> kEgDepthTexts = {"1/2 oct", "1 oct", "2 oct", "4 oct"};

// clang-format off
const std::array<int, 128> kAmpControlPercent = {
    -100, -99, -98, -96, -94, -92, -91, -90, -89, -87, -85, -84, -82, -80, -79, -77,
    -75, -73, -71, -70, -68, -66, -64, -62, -60, -59, -58, -57, -56, -55, -53, -51,
    -50, -49, -48, -46, -44, -42, -41, -40, -38, -37, -36, -34, -32, -30, -29, -27,
    -25, -24, -22, -20, -19, -17, -15, -13, -12, -10, -9, -8, -7, -5, -3, -1,
    0, 1, 3, 5, 7, 8, 9, 10, 12, 13, 15, 17, 19, 20, 22, 24,
    25, 27, 29, 30, 32, 34, 36, 37, 38, 40, 41, 42, 44, 46, 48, 49,
    50, 51, 53, 55, 56, 57, 58, 59, 60, 62, 64, 66, 68, 70, 71, 73,
    75, 77, 79, 80, 82, 84, 85, 87, 89, 90, 92, 94, 96, 98, 99, 100};
// clang-format on

} // namespace qs300
