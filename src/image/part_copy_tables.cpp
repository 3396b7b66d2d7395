#include "image/part_copy.h"

namespace image {
namespace {

constexpr OffsetRange kAmpPitch[] = {{26, 28}, {98, 101}};
constexpr OffsetRange kFilter[] = {{24, 25}};
constexpr OffsetRange kVibrato[] = {{21, 23}};
constexpr OffsetRange kTune[] = {{58, 69}, {8, 10}};
constexpr OffsetRange kMisc[] = {{6, 6}, {102, 103}, {96, 97}, {12, 13}};
constexpr OffsetRange kMod[] = {{29, 34}};
constexpr OffsetRange kBend[] = {{35, 40}};
constexpr OffsetRange kCat[] = {{70, 75}};
constexpr OffsetRange kPat[] = {{76, 81}};
constexpr OffsetRange kAc1[] = {{82, 88}};
constexpr OffsetRange kAc2[] = {{89, 95}};
constexpr OffsetRange kRange[] = {{15, 16}};
constexpr OffsetRange kReceive[] = {{41, 57}};
constexpr OffsetRange kPoly[] = {{5, 5}};
constexpr OffsetRange kChannel[] = {{4, 4}};
constexpr OffsetRange kReverb[] = {{19, 19}};
constexpr OffsetRange kChorus[] = {{18, 18}};
constexpr OffsetRange kVariation[] = {{17, 17}, {20, 20}};
constexpr OffsetRange kPan[] = {{14, 14}};
constexpr OffsetRange kLevel[] = {{11, 11}};

// "&&" shows as one ampersand on a check box.
constexpr std::array<CopyGroup, kCopyGroupCount> kGroups{{
    {"Amp && Pitch", kAmpPitch},
    {"Filter", kFilter},
    {"Vibrato", kVibrato},
    {"Tune", kTune},
    {"Misc", kMisc},
    {"MOD", kMod},
    {"BEND", kBend},
    {"CAT", kCat},
    {"PAT", kPat},
    {"AC1", kAc1},
    {"AC2", kAc2},
    {"Range", kRange},
    {"Rcv Control", kReceive},
    {"Poly", kPoly},
    {"Channel", kChannel},
    {"Reverb", kReverb},
    {"Chorus", kChorus},
    {"Variation", kVariation},
    {"Pan", kPan},
    {"Level", kLevel},
    {"Voice", {}},
}};

} // namespace

std::span<const CopyGroup, kCopyGroupCount> copyGroups() {
    return kGroups;
}

} // namespace image
