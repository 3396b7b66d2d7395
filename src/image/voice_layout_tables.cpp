#include "image/voice_layout.h"

namespace image::voice {

namespace {
constexpr ByteRange kAny{0, 127};
constexpr ByteRange kText{32, 126};
constexpr ByteRange kSwitch{0, 1};
constexpr ByteRange kPitchControl{40, 88}; // -24..+24 semitones
constexpr ByteRange kSensitivity{57, 71};  // -7..+7
constexpr ByteRange kRate{0, 63};
} // namespace

// clang-format off
const std::array<ByteRange, kVoiceCommonSize> kCommonRanges{{
    kText, kText, kText, kText, kText, kText, kText, kText, kText, kText, // 0..9 name
    kAny,                                                                 // 10 carried
    {0, 15},                                                              // 11 element switch
    kAny, kAny, kAny, kAny, kAny,                                         // 12..16 level .. chorus
    kAny, kAny, kAny, kAny, kAny, kAny, kAny, kAny, kAny, kAny, kAny, kAny, kAny, kAny,
    kAny,                                                                 // 17..31 carried
    kSwitch, kSwitch, kAny,                                               // 32..34 mode, portamento
    kPitchControl, kAny, kAny, kAny, kAny, kAny,                          // 35..40 bend
    kPitchControl, kAny, kAny, kAny, kAny, kAny,                          // 41..46 mod wheel
    kAny,                                                                 // 47 carried
    kPitchControl, kAny, kAny, kAny, kAny, kAny,                          // 48..53 aftertouch
    kPitchControl, kAny, kAny, kAny, kAny, kAny,                          // 54..59 assign 1
    kAny,                                                                 // 60 carried
}};

const std::array<ByteRange, kVoiceElementSize> kElementRanges{{
    {0, 1}, kAny,                                     // 0, 1 wave (checked as a whole too)
    kAny, kAny, {1, 127}, {1, 127},                   // 2..5 note and velocity limits
    kSwitch, {0, 2}, kSwitch, kRate,                  // 6..9 filter curve, LFO wave/phase/speed
    kAny, kAny, {0, 63}, {0, 15}, {0, 31},            // 10..14 LFO delay, fade, depths
    {32, 96}, {14, 114}, {0, 5}, kAny, {0, 3},        // 15..19 shift, detune, pitch scaling, EG depth
    kSensitivity, kSensitivity, kSensitivity, kAny,   // 20..23 pitch EG sensitivities, centre
    kRate, kRate, kRate, kRate,                       // 24..27 pitch EG rates
    kAny, kAny, kAny, kAny, kAny,                     // 28..32 pitch EG levels
    {0, 63}, {0, 7}, kAny,                            // 33..35 resonance, velocity, cutoff
    {0, 124}, {1, 125}, {2, 126}, {3, 127},           // 36..39 filter break points
    kAny, kAny, kAny, kAny,                           // 40..43 filter scaling offsets
    kSensitivity, kSensitivity, kSensitivity, kAny,   // 44..47 filter EG sensitivities, centre
    kRate, kRate, kRate, kRate,                       // 48..51 filter EG rates
    kAny, kAny, kAny, kAny, kAny,                     // 52..56 filter EG levels
    kAny,                                             // 57 element level
    {0, 124}, {1, 125}, {2, 126}, {3, 127},           // 58..61 level break points
    kAny, kAny, kAny, kAny,                           // 62..65 level scaling offsets
    {0, 6}, {0, 15}, kSensitivity, kAny, {0, 15},     // 66..70 curve, pan, amp EG scaling, delay
    kRate, kRate, kRate, kRate,                       // 71..74 amp EG rates
    kAny, kAny,                                       // 75, 76 amp EG levels
    kAny, kAny,                                       // 77, 78 carried
    kSensitivity,                                     // 79 resonance sensitivity
}};
// clang-format on

} // namespace image::voice
