// The constant control tables of the part editor.
#include "editor/part_controls.h"

namespace editor {

using K = Kind;
using F = ValueForm;

// clang-format off
const std::array<Descriptor, kStripControlCount + 1> kStripDescriptors{{
    {},
    {0, 0, 0, K::PartSelect},
    {0, 1, 5, K::ModeToggle},
    {0, 16, 4, K::ChannelField},
    {0, 127, 19, K::Knob},
    {0, 127, 18, K::Knob},
    {0, 127, 20, K::Knob},
    {0, 127, 17, K::Knob},
    {0, 127, 14, K::Knob},
    {0, 127, 11, K::Fader},
    {0, 255, 1, K::VoiceButton},
}};

const std::array<StripControlInfo, kStripControlCount + 1> kStripControls{{
    {"", {}, 0, 0, F::None},
    {"Part", {16, 26, 46, 43}, 4, 26, F::None},
    {"Mode", {16, 46, 46, 54}, 4, 16, F::MonoPoly},
    {"Channel", {16, 56, 46, 69}, 4, 36, F::Channel},
    {"Reverb Send", {20, 75, 43, 98}, 4, 58, F::Plain},
    {"Chorus Send", {20, 105, 43, 128}, 4, 87, F::Plain},
    {"Variation Send", {20, 135, 43, 158}, 4, 117, F::Plain},
    {"Dry Level", {20, 165, 43, 193}, 4, 147, F::Plain},
    {"Panorama", {20, 195, 43, 218}, 4, 177, F::Pan},
    {"Volume", {19, 255, 42, 268}, 4, 212, F::Plain},
    {"Voice", {14, 384, 46, 398}, 4, 364, F::None},
}};

const std::array<Descriptor, kPageControlCount + 1> kPageDescriptors{{
    {},
    {0, 127, 26, K::AmplitudeHandle}, {0, 127, 27, K::AmplitudeHandle},
    {0, 127, 28, K::AmplitudeHandle}, {0, 127, 98, K::PitchHandle},
    {0, 127, 100, K::PitchHandle},    {0, 127, 24, K::FilterPad},
    {0, 127, 21, K::VibratoGraph},
    // 8..19 scale tuning C..B
    {0, 127, 58, K::ScaleTuningKey}, {0, 127, 59, K::ScaleTuningKey}, {0, 127, 60, K::ScaleTuningKey},
    {0, 127, 61, K::ScaleTuningKey}, {0, 127, 62, K::ScaleTuningKey}, {0, 127, 63, K::ScaleTuningKey},
    {0, 127, 64, K::ScaleTuningKey}, {0, 127, 65, K::ScaleTuningKey}, {0, 127, 66, K::ScaleTuningKey},
    {0, 127, 67, K::ScaleTuningKey}, {0, 127, 68, K::ScaleTuningKey}, {0, 127, 69, K::ScaleTuningKey},
    {0, 127, 23, K::VibratoKnob},     {0, 127, 21, K::VibratoKnob},
    {0, 127, 22, K::VibratoKnob},     {40, 88, 8, K::Knob},
    {0, 255, 9, K::DetuneKnob},       {0, 1, 96, K::Button},
    {0, 0, 96, K::Button},            {0, 127, 97, K::PortamentoTimeBox},
    {0, 0, 6, K::Button},             {0, 1, 6, K::Button},
    {0, 2, 6, K::Button},             {0, 32, 0, K::ElementReserveBox},
    {0, 127, 12, K::Knob},            {0, 127, 13, K::Knob},
    {1, 127, 102, K::Knob},           {1, 127, 103, K::Knob},
    {0, 127, 15, K::NoteLimitKnob},   {0, 127, 16, K::NoteLimitKnob},
    {0, 95, 82, K::ControllerNumberButton}, {0, 95, 89, K::ControllerNumberButton},
    {40, 88, 29, K::Knob}, {0, 127, 30, K::Knob}, {0, 127, 31, K::Knob},
    {0, 127, 32, K::Knob}, {0, 127, 33, K::Knob}, {0, 127, 34, K::Knob},
    {0, 1, 0, K::ControllerSourceButton}, {0, 2, 0, K::ControllerSourceButton},
    {0, 3, 0, K::ControllerSourceButton}, {0, 4, 0, K::ControllerSourceButton},
    {0, 5, 0, K::ControllerSourceButton}, {0, 6, 0, K::ControllerSourceButton},
    // 52..68 receive switches
    {0, 1, 41, K::Button}, {0, 1, 42, K::Button}, {0, 1, 43, K::Button}, {0, 1, 44, K::Button},
    {0, 1, 45, K::Button}, {0, 1, 46, K::Button}, {0, 1, 47, K::Button}, {0, 1, 48, K::Button},
    {0, 1, 49, K::Button}, {0, 1, 50, K::Button}, {0, 1, 51, K::Button}, {0, 1, 52, K::Button},
    {0, 1, 53, K::Button}, {0, 1, 54, K::Button}, {0, 1, 55, K::Button}, {0, 1, 56, K::Button},
    {0, 1, 57, K::Button},
}};

namespace {
constexpr HitRect knobAt(int x, int y) { return {x, y, x + 21, y + 21}; }
constexpr HitRect receiveAt(int k) { return {100 + 28 * k, 7, 122 + 28 * k, 18}; }
} // namespace

const std::array<PageControlInfo, kPageControlCount + 1> kPageControls{{
    {"", {}, "", 0, 0, 0, F::None, nullptr},
    {"Attack Time", {}, "", 598, 54, 90, F::Signed, nullptr},
    {"Decay Time", {}, "", 648, 54, 90, F::Signed, nullptr},
    {"Release Time", {}, "", 690, 54, 90, F::Signed, nullptr},
    {"Initial Level", {}, "", 598, 126, 170, F::Signed, "Attack Time"},
    {"Release Level", {}, "", 616, 126, 170, F::Signed, "Release Time"},
    {"Cutoff Frequency", {602, 212, 776, 286}, "", 594, 192, 188, F::Signed, "Resonance"},
    {"Vibrato Rate", {602, 291, 741, 355}, "", 606, 271, 170, F::Signed, "Vibrato Depth"},
    {"Scale Tuning C", {}, "", 560, 340, 110, F::SignedCent, nullptr},
    {"Scale Tuning C#", {}, "", 570, 340, 110, F::SignedCent, nullptr},
    {"Scale Tuning D", {}, "", 580, 340, 110, F::SignedCent, nullptr},
    {"Scale Tuning D#", {}, "", 590, 340, 110, F::SignedCent, nullptr},
    {"Scale Tuning E", {}, "", 600, 340, 110, F::SignedCent, nullptr},
    {"Scale Tuning F", {}, "", 620, 340, 110, F::SignedCent, nullptr},
    {"Scale Tuning F#", {}, "", 630, 340, 110, F::SignedCent, nullptr},
    {"Scale Tuning G", {}, "", 640, 340, 110, F::SignedCent, nullptr},
    {"Scale Tuning G#", {}, "", 650, 340, 110, F::SignedCent, nullptr},
    {"Scale Tuning A", {}, "", 660, 340, 110, F::SignedCent, nullptr},
    {"Scale Tuning A#", {}, "", 670, 340, 115, F::SignedCent, nullptr},
    {"Scale Tuning B", {}, "", 680, 340, 110, F::SignedCent, nullptr},
    {"Vibrato Delay", knobAt(744, 289), "DLY", 695, 271, 90, F::Signed, nullptr},
    {"Vibrato Rate", knobAt(744, 311), "RAT", 695, 271, 90, F::Signed, nullptr},
    {"Vibrato Depth", knobAt(744, 333), "DEP", 695, 271, 90, F::Signed, nullptr},
    {"Note Shift", knobAt(744, 360), "SHF", 695, 340, 90, F::Signed, nullptr},
    {"Detune", knobAt(744, 384), "DET", 695, 360, 90, F::DetuneHz, nullptr},
    {"Portamento : On", {599, 414, 632, 425}, "ON", 570, 394, 90, F::None, nullptr},
    {"Portamento : Off", {638, 414, 671, 425}, "OFF", 610, 394, 90, F::None, nullptr},
    {"Portamento Time", {743, 414, 773, 426}, "", 675, 394, 110, F::Plain, nullptr},
    {"Key On Assign : Single", {599, 431, 632, 442}, "SINGLE", 570, 412, 100, F::None, nullptr},
    {"Key On Assign : Multi", {638, 431, 671, 442}, "MULTI", 605, 412, 100, F::None, nullptr},
    {"Key Assign : Inst", {677, 431, 710, 442}, "INST", 650, 412, 80, F::None, nullptr},
    {"Element Reseve", {755, 431, 773, 443}, "RESERVE", 695, 412, 90, F::Plain, nullptr},
    {"Velocity Depth", knobAt(600, 446), "V.DEP", 570, 428, 90, F::Plain, nullptr},
    {"Velocity Offset", knobAt(630, 446), "V.OSET", 595, 428, 90, F::Plain, nullptr},
    {"Velo Limit Low", knobAt(660, 446), "V.LOW", 620, 428, 90, F::Plain, nullptr},
    {"Velo Limit High", knobAt(690, 446), "V.HIGH", 645, 428, 90, F::Plain, nullptr},
    {"Note Limit Low", knobAt(720, 446), "N.LOW", 675, 428, 100, F::NoteName, nullptr},
    {"Note Limit High", knobAt(750, 446), "N.HIGH", 688, 428, 100, F::NoteName, nullptr},
    {" ", {599, 480, 622, 491}, "AC1 =", 0, 0, 0, F::None, nullptr},
    {" ", {689, 480, 712, 491}, "AC2 =", 0, 0, 0, F::None, nullptr},
    {"Pitch Control", knobAt(600, 505), "PITCH", 570, 478, 90, F::Signed, nullptr},
    {"Filter Control", knobAt(630, 505), "FILTER", 583, 478, 115, F::FilterCent, nullptr},
    {"Amp Control", knobAt(660, 505), "AMP", 620, 478, 95, F::AmpPercent, nullptr},
    {"Pmod Depth", knobAt(690, 505), "PMOD", 645, 478, 90, F::Plain, nullptr},
    {"Fmod Depth", knobAt(720, 505), "FMOD", 670, 478, 90, F::Plain, nullptr},
    {"Amod Depth", knobAt(750, 505), "AMOD", 695, 478, 90, F::Plain, nullptr},
    {"Modulation Parameter", {599, 537, 623, 548}, "MOD", 594, 478, 182, F::None, nullptr},
    {"Pitchbend Parameter", {629, 537, 653, 548}, "BEND", 594, 478, 182, F::None, nullptr},
    {"Chanel After touch Parameter", {659, 537, 683, 548}, "CAT", 594, 478, 182, F::None, nullptr},
    {"Poly After touch Parameter", {689, 537, 713, 548}, "PAT", 594, 478, 182, F::None, nullptr},
    {"Assignable Controller 1 Parameter", {719, 537, 743, 548}, "AC1", 594, 478, 182, F::None, nullptr},
    {"Assignable Controller 2 Parameter", {749, 537, 773, 548}, "AC2", 594, 478, 182, F::None, nullptr},
    {"Rcv Pich Bend ", receiveAt(0), "PB", 58, 21, 90, F::OffOn, nullptr},
    {"Rcv Ch After touch", receiveAt(1), "CAT", 76, 21, 110, F::OffOn, nullptr},
    {"Rcv Program Change", receiveAt(2), "PRG", 99, 21, 120, F::OffOn, nullptr},
    {"Rcv Control Change", receiveAt(3), "CC", 132, 21, 110, F::OffOn, nullptr},
    {"Rcv Key After touch", receiveAt(4), "PAT", 155, 21, 110, F::OffOn, nullptr},
    {"Rcv Note Message", receiveAt(5), "NM", 188, 21, 110, F::OffOn, nullptr},
    {"Rcv RPN Controller", receiveAt(6), "RPN", 216, 21, 110, F::OffOn, nullptr},
    {"Rcv NRPN Controller", receiveAt(7), "NRP", 239, 21, 120, F::OffOn, nullptr},
    {"Rcv Modulation", receiveAt(8), "MOD", 282, 21, 90, F::OffOn, nullptr},
    {"Rcv Volume", receiveAt(9), "VOL", 310, 21, 80, F::OffOn, nullptr},
    {"Rcv Panorama", receiveAt(10), "PAN", 338, 21, 90, F::OffOn, nullptr},
    {"Rcv Expression", receiveAt(11), "EXP", 366, 21, 90, F::OffOn, nullptr},
    {"Rcv Sustenuto", receiveAt(12), "SUS", 394, 21, 90, F::OffOn, nullptr},
    {"Rcv Portamento", receiveAt(13), "POR", 412, 21, 100, F::OffOn, nullptr},
    {"Rcv Sostenuto", receiveAt(14), "SOS", 450, 21, 90, F::OffOn, nullptr},
    {"Rcv Soft Pedal", receiveAt(15), "SOF", 478, 21, 90, F::OffOn, nullptr},
    {"Rcv Bank Select", receiveAt(16), "BS", 490, 21, 100, F::OffOn, nullptr},
}};

const std::array<std::array<std::uint8_t, 6>, kSourceCount + 1> kSourceOffsets{{
    {0, 0, 0, 0, 0, 0},
    {29, 30, 31, 32, 33, 34},
    {35, 36, 37, 38, 39, 40},
    {70, 71, 72, 73, 74, 75},
    {76, 77, 78, 79, 80, 81},
    {83, 84, 85, 86, 87, 88},
    {90, 91, 92, 93, 94, 95},
}};

const std::array<const char*, kSourceCount + 1> kSourceLabels{
    "", "MOD", "BEND", "CAT", "PAT", "AC1", "AC2"};

const std::array<const char*, kControllerListSize> kControllerListItems{
    "00 Bank LSB",     "01 Mod Wheel",    "02 Breath",       "     CRTL NR 03", "04 Foot",
    "05 Porta Time",   "06 Data MSB",     "07 Volume",       "08 Balance",      "     CRTL NR 09",
    "10 Pan",          "11 Expression",   "     CRTL NR 12", "     CRTL NR 13", "     CRTL NR 14",
    "     CRTL NR 15", "     CRTL NR 16", "     CRTL NR 17", "     CRTL NR 18", "     CRTL NR 19",
    "     CRTL NR 20", "     CRTL NR 21", "     CRTL NR 22", "     CRTL NR 23", "     CRTL NR 24",
    "     CRTL NR 25", "     CRTL NR 26", "     CRTL NR 27", "     CRTL NR 28", "     CRTL NR 29",
    "     CRTL NR 30", "     CRTL NR 31", "32 Bank MSB",     "     CRTL NR 33", "     CRTL NR 34",
    "     CRTL NR 35", "     CRTL NR 36", "     CRTL NR 37", "38 Data LSB",     "     CRTL NR 39",
    "     CRTL NR 40", "     CRTL NR 41", "     CRTL NR 42", "     CRTL NR 43", "     CRTL NR 44",
    "     CRTL NR 45", "     CRTL NR 46", "     CRTL NR 47", "     CRTL NR 48", "     CRTL NR 49",
    "     CRTL NR 50", "     CRTL NR 51", "     CRTL NR 52", "     CRTL NR 53", "     CRTL NR 54",
    "     CRTL NR 55", "     CRTL NR 56", "     CRTL NR 57", "     CRTL NR 58", "     CRTL NR 59",
    "     CRTL NR 60", "     CRTL NR 61", "     CRTL NR 62", "     CRTL NR 63", "64 Sustenuto",
    "65 Portamento",   "66 Sostenuto",    "67 Soft Pedal",   "     CRTL NR 68", "69 Hold 2",
    "     CRTL NR 70", "71 Harmonic",     "72 Release",      "73 Attack",       "74 Bright",
    "     CRTL NR 75", "     CRTL NR 76", "     CRTL NR 77", "     CRTL NR 78", "     CRTL NR 79",
    "     CRTL NR 80", "     CRTL NR 81", "     CRTL NR 82", "     CRTL NR 83", "84 PortaCtrl",
    "     CRTL.NR 85", "     CRTL NR 86", "     CRTL NR 87", "     CRTL NR 88", "     CRTL NR 89",
    "     CRTL NR 90", "91 Reverb",       "92 Tremolo",      "93 Chorus",       "94 Variation",
    "95 Phaser",
};

const std::array<int, 16> kPartLabelX{28,  63,  98,  133, 168, 203, 238, 273,
                                      308, 339, 375, 409, 444, 479, 514, 549};
// clang-format on

} // namespace editor
