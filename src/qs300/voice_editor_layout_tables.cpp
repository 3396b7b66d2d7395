// The rows and rectangles of the voice editor surface.

#include "image/voice_layout.h"
#include "qs300/voice_editor_layout.h"

namespace qs300 {

namespace e = image::voice::element;
namespace c = image::voice;

namespace {

constexpr VoiceParam el(int offset, int minimum, int maximum) {
    return {true, offset, minimum, maximum};
}
constexpr VoiceParam common(int offset, int minimum, int maximum) {
    return {false, offset, minimum, maximum};
}

} // namespace

// clang-format off
const std::array<ParamRow, kKnobCount> kKnobRows = {{
    {"Amp EG Rate Scaling", el(e::kAmpEgRateScaling, 57, 71), 332, 170, Form::Signed, "RSCAL"},
    {"Amp EG Rate Scaling Center", el(e::kAmpEgRateScalingCenter, 0, 127), 379, 170, Form::Note, "RSCENTER"},
    {"Amp EG Key On Delay", el(e::kKeyOnDelay, 0, 15), 427, 170, Form::Number, "KDELAY"},
    {"Filter EG Velocity Level Sensitivity", el(e::kFilterEgVelocityLevel, 57, 71), 477, 170, Form::Signed, "VLS"},
    {"Filter EG Velocity Rate Sensitivity", el(e::kFilterEgVelocityRate, 57, 71), 510, 170, Form::Signed, "VRS"},
    {"Filter EG Rate Scaling", el(e::kFilterEgRateScaling, 57, 71), 544, 170, Form::Signed, "RSCAL"},
    {"Filter EG Rate Scaling Center", el(e::kFilterEgRateScalingCenter, 0, 127), 577, 170, Form::Note, "RSC"},
    {"Filter Velocity Sensitivity", el(e::kFilterVelocitySense, 0, 7), 525, 215, Form::Number, "VSENSE"},
    {"Filter Resonance Sensitivity", el(e::kFilterResonanceSense, 57, 71), 570, 215, Form::Signed, "RSENSE"},
    {"Pitch Scaling Rate", el(e::kPitchScalingRate, 0, 5), 152, 307, Form::ScalingRate, "SRATE"},
    {"Pitch Scaling Center", el(e::kPitchScalingCenter, 0, 127), 197, 307, Form::Note, "SCENTER"},
    {"Pitch EG Depth", el(e::kPitchEgDepth, 0, 3), 243, 307, Form::EgDepth, "EGDEPTH"},
    {"Pitch EG Depth Rate Scaling", el(e::kPitchEgRateScaling, 57, 71), 289, 307, Form::Signed, "RSCAL"},
    {"Pitch EG Depth Rate Scaling Center", el(e::kPitchEgRateScalingCenter, 0, 127), 335, 307, Form::Note, "RSCENTER"},
    {"Pitch EG Depth Velocity Level Sensitivity", el(e::kPitchEgVelocityLevel, 57, 71), 381, 307, Form::Signed, "VLS"},
    {"Pitch EG Depth Velocity Rate Sensitivity", el(e::kPitchEgVelocityRate, 57, 71), 427, 307, Form::Signed, "VRS"},
    {"LFO Speed", el(e::kLfoSpeed, 0, 63), 530, 307, Form::Number, "SPEED"},
    {"LFO Pitch Delay", el(e::kLfoPitchDelay, 0, 127), 574, 307, Form::Number, "PDELAY"},
    {"LFO Pitch Fade Time", el(e::kLfoPitchFade, 0, 127), 618, 307, Form::Number, "PFADE"},
    {"LFO Pitch Modulation Depth", el(e::kLfoPitchDepth, 0, 63), 662, 307, Form::Number, "PMD"},
    {"LFO Filter Modulation Depth", el(e::kLfoFilterDepth, 0, 15), 706, 307, Form::Number, "FMD"},
    {"LFO Amp Modulation Depth", el(e::kLfoAmpDepth, 0, 31), 750, 307, Form::Number, "AMD"},
}};

const std::array<ParamRow, kOverallCount> kOverallRows = {{
    {"Voice Level", common(c::kLevel, 0, 127), 750, 374, Form::Number, "LEVEL"},
    {"Voice Portamento Time", common(c::kPortamentoTime, 0, 127), 750, 419, Form::Number, "TIME"},
    {"Voice Chorus Send Level", common(c::kChorusSend, 0, 127), 721, 464, Form::Number, "CHO"},
    {"Voice Reverb Send Level", common(c::kReverbSend, 0, 127), 750, 464, Form::Number, "REV"},
    {"Voice Velocity Sensitivity Offset", common(c::kVelocitySenseOffset, 0, 127), 721, 509, Form::Number, "V.OFF"},
    {"Voice Velocity Sensitivity Depth", common(c::kVelocitySenseDepth, 0, 127), 750, 509, Form::Number, "V.DEP"},
}};

const std::array<HitRect, kOverallCount> kOverallRects = {{
    {753, 387, 774, 408}, {753, 432, 774, 453}, {724, 477, 745, 498},
    {753, 477, 774, 498}, {724, 522, 745, 543}, {753, 522, 774, 543},
}};

const std::array<ParamRow, kMixRowCount> kMixRows = {{
    {"Element Note Shift", el(e::kNoteShift, 32, 96), 0, 0, Form::NoteShift, "SHIFT"},
    {"Element Detune", el(e::kDetune, 14, 114), 0, 0, Form::Cent, "DET"},
    {"Element Velocity Limit High", el(e::kVelocityHigh, 1, 127), 0, 0, Form::Number, "V.HIGH"},
    {"Element Velocity Limit Low", el(e::kVelocityLow, 1, 127), 0, 0, Form::Number, "V.LOW"},
    {"Element Panorama", el(e::kPan, 0, 15), 0, 0, Form::Pan, "PAN"},
}};

#define QS_CONTROLS(prefix, base, first)                                                         \
    {prefix " Pitch Control", common(base, 40, 88), 15 + 29 * (first), 522, Form::PitchControl, "PITCH"}, \
    {prefix " Cutoff Control", common(base + 1, 0, 127), 15 + 29 * ((first) + 1), 522, Form::CutoffControl, "CUT"}, \
    {prefix " Amp Control", common(base + 2, 0, 127), 15 + 29 * ((first) + 2), 522, Form::AmpControl, "AMP"}, \
    {prefix " Pitch Modulation Control", common(base + 3, 0, 127), 15 + 29 * ((first) + 3), 522, Form::Number, "PMOD"}, \
    {prefix " Filter Modulation Control", common(base + 4, 0, 127), 15 + 29 * ((first) + 4), 522, Form::Number, "FMOD"}, \
    {prefix " Amp Modulation Control", common(base + 5, 0, 127), 15 + 29 * ((first) + 5), 522, Form::Number, "AMOD"}

const std::array<ParamRow, kStripCount> kControllerRows = {{
    QS_CONTROLS("Bend", c::kBendControls, 0),
    QS_CONTROLS("Mod Wheel", c::kModWheelControls, 6),
    QS_CONTROLS("Ch After Touch", c::kAftertouchControls, 12),
    QS_CONTROLS("Assign Control 1", c::kAssign1Controls, 18),
}};
#undef QS_CONTROLS

#define QS_STRIP(i) 15 + 29 * (i), 522
const std::array<ParamRow, kStripCount> kEgDataRows = {{
    {"Amp EG Attack Rate", el(e::kAmpEgRates, 0, 63), QS_STRIP(0), Form::Number, "ATR"},
    {"Amp EG Decay 1 Rate", el(e::kAmpEgRates + 1, 0, 63), QS_STRIP(1), Form::Number, "D1R"},
    {"Amp EG Decay 2 Rate", el(e::kAmpEgRates + 2, 0, 63), QS_STRIP(2), Form::Number, "D2R"},
    {"Amp EG Release Rate", el(e::kAmpEgRates + 3, 0, 63), QS_STRIP(3), Form::Number, "RR"},
    {"Amp EG Decay 1 Level", el(e::kAmpEgDecay1Level, 0, 127), QS_STRIP(4), Form::Number, "D1L"},
    {"Amp EG Decay 2 Level", el(e::kAmpEgDecay2Level, 0, 127), QS_STRIP(5), Form::Number, "D2L"},
    {"Pitch EG Attack Rate", el(e::kPitchEgRates, 0, 63), QS_STRIP(6), Form::Number, "ATR"},
    {"Pitch EG Decay 1 Rate", el(e::kPitchEgRates + 1, 0, 63), QS_STRIP(7), Form::Number, "D1R"},
    {"Pitch EG Decay 2 Rate", el(e::kPitchEgRates + 2, 0, 63), QS_STRIP(8), Form::Number, "D2R"},
    {"Pitch EG Release Rate", el(e::kPitchEgRates + 3, 0, 63), QS_STRIP(9), Form::Number, "RR"},
    {"Pitch EG Initial Level", el(e::kPitchEgLevels, 0, 127), QS_STRIP(10), Form::EgLevel, "INI"},
    {"Pitch EG Attack Level", el(e::kPitchEgLevels + 1, 0, 127), QS_STRIP(11), Form::EgLevel, "ATL"},
    {"Pitch EG Decay 1 Level", el(e::kPitchEgLevels + 2, 0, 127), QS_STRIP(12), Form::EgLevel, "D1L"},
    {"Pitch EG Decay 2 Level", el(e::kPitchEgLevels + 3, 0, 127), QS_STRIP(13), Form::EgLevel, "D2L"},
    {"Pitch EG Release Level", el(e::kPitchEgLevels + 4, 0, 127), QS_STRIP(14), Form::EgLevel, "RL"},
    {"Filter EG Attack Rate", el(e::kFilterEgRates, 0, 63), QS_STRIP(15), Form::Number, "ATR"},
    {"Filter EG Decay 1 Rate", el(e::kFilterEgRates + 1, 0, 63), QS_STRIP(16), Form::Number, "D1R"},
    {"Filter EG Decay 2 Rate", el(e::kFilterEgRates + 2, 0, 63), QS_STRIP(17), Form::Number, "D2R"},
    {"Filter EG Release Rate", el(e::kFilterEgRates + 3, 0, 63), QS_STRIP(18), Form::Number, "RR"},
    {"Filter EG Initial Level", el(e::kFilterEgLevels, 0, 127), QS_STRIP(19), Form::EgLevel, "INI"},
    {"Filter EG Attack Level", el(e::kFilterEgLevels + 1, 0, 127), QS_STRIP(20), Form::EgLevel, "ATL"},
    {"Filter EG Decay 1 Level", el(e::kFilterEgLevels + 2, 0, 127), QS_STRIP(21), Form::EgLevel, "D1L"},
    {"Filter EG Decay 2 Level", el(e::kFilterEgLevels + 3, 0, 127), QS_STRIP(22), Form::EgLevel, "D2L"},
    {"Filter EG Release Level", el(e::kFilterEgLevels + 4, 0, 127), QS_STRIP(23), Form::EgLevel, "RL"},
}};
#undef QS_STRIP

#define QS_ROW(i) {4, 424 + 16 * (i), 20, 437 + 16 * (i)}
#define QS_WAVE(i) {26, 424 + 16 * (i), 103, 437 + 16 * (i)}
#define QS_TAB(i) {4 + 35 * (i), 18, 34 + 35 * (i), 35}
#define QS_LED(i) {16 + 34 * (i), 39, 23 + 34 * (i), 46}
#define QS_CURVE(i) {155 + 24 * (i), 185, 176 + 24 * (i), 206}
const std::array<SwitchEntry, kSwitchCount> kSwitches = {{
    {SwitchKind::VelocityCurve, 0, QS_CURVE(0), "Velocity Curve"},
    {SwitchKind::VelocityCurve, 1, QS_CURVE(1), "Velocity Curve"},
    {SwitchKind::VelocityCurve, 2, QS_CURVE(2), "Velocity Curve"},
    {SwitchKind::VelocityCurve, 3, QS_CURVE(3), "Velocity Curve"},
    {SwitchKind::VelocityCurve, 4, QS_CURVE(4), "Velocity Curve"},
    {SwitchKind::VelocityCurve, 5, QS_CURVE(5), "Velocity Curve"},
    {SwitchKind::VelocityCurve, 6, {299, 185, 338, 206}, "Velocity Curve"},
    {SwitchKind::FilterCurve, 1, {473, 213, 518, 228}, "Filter Curve"},
    {SwitchKind::FilterCurve, 0, {473, 232, 518, 247}, "Filter Curve"},
    {SwitchKind::LfoWave, 0, {473, 278, 575, 302}, "LFO Wave"},
    {SwitchKind::LfoWave, 1, {578, 278, 679, 302}, "LFO Wave"},
    {SwitchKind::LfoWave, 2, {682, 278, 784, 302}, "LFO Wave"},
    {SwitchKind::LfoPhase, 1, {473, 306, 521, 321}, "LFO Phase Initialize"},
    {SwitchKind::LfoPhase, 0, {473, 325, 521, 340}, "LFO Phase Initialize"},
    {SwitchKind::PlayMode, 1, {721, 372, 747, 387}, "Voice Play Mode"},
    {SwitchKind::PlayMode, 0, {721, 391, 747, 406}, "Voice Play Mode"},
    {SwitchKind::Portamento, 1, {721, 417, 747, 432}, "Voice Portamento Switch"},
    {SwitchKind::Portamento, 0, {721, 436, 747, 451}, "Voice Portamento Switch"},
    {SwitchKind::ElementTab, 0, QS_TAB(0), ""},
    {SwitchKind::ElementTab, 1, QS_TAB(1), ""},
    {SwitchKind::ElementTab, 2, QS_TAB(2), ""},
    {SwitchKind::ElementTab, 3, QS_TAB(3), ""},
    {SwitchKind::ElementRow, 0, QS_ROW(0), ""},
    {SwitchKind::ElementRow, 1, QS_ROW(1), ""},
    {SwitchKind::ElementRow, 2, QS_ROW(2), ""},
    {SwitchKind::ElementRow, 3, QS_ROW(3), ""},
    {SwitchKind::ElementLed, 0, QS_LED(0), ""},
    {SwitchKind::ElementLed, 1, QS_LED(1), ""},
    {SwitchKind::ElementLed, 2, QS_LED(2), ""},
    {SwitchKind::ElementLed, 3, QS_LED(3), ""},
    {SwitchKind::AmpTemplates, 0, {152, 3, 162, 13}, "Amp EG Templates"},
    {SwitchKind::FilterTemplates, 0, {475, 3, 485, 13}, "Filter EG Templates"},
    {SwitchKind::PitchTemplates, 0, {152, 219, 162, 230}, "Pitch EG Templates"},
    {SwitchKind::WaveField, 0, QS_WAVE(0), "Wave Selection"},
    {SwitchKind::WaveField, 1, QS_WAVE(1), "Wave Selection"},
    {SwitchKind::WaveField, 2, QS_WAVE(2), "Wave Selection"},
    {SwitchKind::WaveField, 3, QS_WAVE(3), "Wave Selection"},
    {SwitchKind::NameField, 0, {151, 353, 240, 371}, "Voice Name"},
}};
#undef QS_ROW
#undef QS_WAVE
#undef QS_TAB
#undef QS_LED
#undef QS_CURVE

const std::array<GraphPointRow, kGraphPointCount> kGraphPoints = {{
    {el(e::kLevelBreakPoints + 3, 3, 127), el(e::kLevelScalingOffsets + 3, 0, 127), false, ""},
    {el(e::kLevelBreakPoints + 2, 2, 126), el(e::kLevelScalingOffsets + 2, 0, 127), false, ""},
    {el(e::kLevelBreakPoints + 1, 1, 125), el(e::kLevelScalingOffsets + 1, 0, 127), false, ""},
    {el(e::kLevelBreakPoints, 0, 124), el(e::kLevelScalingOffsets, 0, 127), false, ""},
    {el(e::kFilterBreakPoints + 3, 3, 127), el(e::kFilterScalingOffsets + 3, 0, 127), false, ""},
    {el(e::kFilterBreakPoints + 2, 2, 126), el(e::kFilterScalingOffsets + 2, 0, 127), false, ""},
    {el(e::kFilterBreakPoints + 1, 1, 125), el(e::kFilterScalingOffsets + 1, 0, 127), false, ""},
    {el(e::kFilterBreakPoints, 0, 124), el(e::kFilterScalingOffsets, 0, 127), false, ""},
    {el(e::kAmpEgRates + 3, 0, 63), std::nullopt, true, "Amp EG Release"},
    {el(e::kAmpEgRates + 2, 0, 63), el(e::kAmpEgDecay2Level, 0, 127), true, "Amp EG Decay 2"},
    {el(e::kAmpEgRates + 1, 0, 63), el(e::kAmpEgDecay1Level, 0, 127), true, "Amp EG Decay 1"},
    {el(e::kAmpEgRates, 0, 63), std::nullopt, true, "AMP EG Attack"},
    {el(e::kFilterEgRates + 3, 0, 63), el(e::kFilterEgLevels + 4, 0, 127), true, "Filter EG Release"},
    {el(e::kFilterEgRates + 2, 0, 63), el(e::kFilterEgLevels + 3, 0, 127), true, "Filter EG Decay 2"},
    {el(e::kFilterEgRates + 1, 0, 63), el(e::kFilterEgLevels + 2, 0, 127), true, "Filter EG Decay 1"},
    {el(e::kFilterEgRates, 0, 63), el(e::kFilterEgLevels + 1, 0, 127), true, "Filter EG Attack"},
    {std::nullopt, el(e::kFilterEgLevels, 0, 127), false, "Filter EG Initial Level"},
    {el(e::kPitchEgRates + 3, 0, 63), el(e::kPitchEgLevels + 4, 0, 127), true, "Pitch EG Release"},
    {el(e::kPitchEgRates + 2, 0, 63), el(e::kPitchEgLevels + 3, 0, 127), true, "Pitch EG Decay 2"},
    {el(e::kPitchEgRates + 1, 0, 63), el(e::kPitchEgLevels + 2, 0, 127), true, "Pitch EG Decay 1"},
    {el(e::kPitchEgRates, 0, 63), el(e::kPitchEgLevels + 1, 0, 127), true, "Pitch EG Attack"},
    {std::nullopt, el(e::kPitchEgLevels, 0, 127), false, "Pitch EG Initial Level"},
    {std::nullopt, el(e::kLfoAmpDepth, 0, 31), false, "Amp LFO Modulation Depth"},
    {std::nullopt, el(e::kLfoFilterDepth, 0, 15), false, "Filter LFO Modulation Depth"},
    {std::nullopt, el(e::kLfoPitchDepth, 0, 63), false, "Pitch LFO Modulation Depth"},
    {el(e::kCutoff, 0, 127), el(e::kResonance, 0, 63), false, ""},
}};

const std::array<CommandButton, kCommandCount> kCommands = {{
    {Command::Random, "RANDOM", {448, 356, 492, 371}},
    {Command::Copy, "COPY", {498, 356, 542, 371}},
    {Command::Scan, "SCAN ", {548, 356, 588, 371}},
    {Command::EgData, "EG DATA", {594, 356, 644, 371}},
    {Command::Exit, "EXIT", {656, 356, 693, 371}},
    {Command::NameField, "", {151, 353, 240, 371}},
}};

const std::array<std::array<NoteRange, 4>, kRangePresetCount> kRangePresets = {{
    {{{0, 127}, {0, 127}, {0, 127}, {0, 127}}},
    {{{0, 60}, {61, 127}, {0, 60}, {61, 127}}},
    {{{61, 127}, {0, 60}, {61, 127}, {0, 60}}},
    {{{0, 60}, {0, 60}, {61, 127}, {61, 127}}},
    {{{61, 127}, {61, 127}, {0, 60}, {0, 60}}},
    {{{84, 127}, {72, 83}, {60, 71}, {0, 59}}},
}};
// clang-format on

std::string_view rangePresetCaption(int preset) {
    static constexpr std::array<std::string_view, kRangePresetCount> captions = {
        "SET  1", "SET  2", "SET  3", "SET  4", "SET  5", "SET  6"};
    return captions[static_cast<std::size_t>(preset)];
}

} // namespace qs300
