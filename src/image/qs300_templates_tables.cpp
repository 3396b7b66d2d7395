#include "image/qs300_templates.h"

namespace image {

// clang-format off
const std::array<AmpEgTemplate, kAmpEgTemplateCount> kAmpEgTemplates{{
    {"Initial", {63, 63, 63, 63, 127, 127}},
    {"A.Piano", {63, 14, 63, 31, 0, 0}},
    {"Guitar", {63, 13, 63, 40, 0, 0}},
    {"Bass", {63, 14, 63, 41, 0, 0}},
    {"Brass", {60, 48, 63, 46, 124, 124}},
    {"StabBrass", {61, 26, 0, 46, 109, 127}},
    {"StFast", {56, 63, 63, 33, 127, 127}},
    {"SlowPad", {22, 63, 63, 21, 127, 127}},
    {"SynBass1", {63, 35, 63, 57, 120, 127}},
    {"SynBass2", {63, 63, 63, 32, 127, 127}},
    {"Organ", {63, 63, 63, 55, 127, 127}},
    {"TunePerc1", {63, 56, 19, 30, 124, 0}},
    {"TunePerc2", {63, 30, 0, 30, 0, 0}},
    {"TunePerc3", {63, 15, 63, 15, 0, 0}},
    {"Pluck", {63, 36, 29, 50, 111, 0}},
    {"SynComp1", {63, 16, 63, 55, 0, 0}},
    {"SynComp2", {63, 19, 63, 21, 0, 0}},
    {"SynLead", {47, 47, 63, 38, 121, 121}},
    {"PcMute", {63, 33, 63, 18, 0, 0}},
    {"Wind", {12, 12, 63, 12, 0, 0}},
    {"Reverse", {14, 63, 63, 63, 0, 0}},
    {"Gate", {63, 6, 63, 63, 126, 0}},
}};

const std::array<LevelEgTemplate, kFilterEgTemplateCount> kFilterEgTemplates{{
    {"Initial", {63, 63, 63, 63, 64, 64, 64, 64, 64}},
    {"A.Piano", {6, 63, 63, 0, 112, 64, 64, 64, 64}},
    {"Guitar", {5, 63, 63, 0, 112, 64, 64, 64, 64}},
    {"Bass", {6, 63, 63, 63, 102, 64, 64, 64, 64}},
    {"Brass", {2, 63, 63, 0, 101, 64, 64, 64, 64}},
    {"StabBrass", {61, 35, 0, 0, 64, 93, 64, 64, 64}},
    {"SfzBrass", {36, 15, 23, 44, 105, 64, 90, 106, 64}},
    {"SynBass1", {52, 43, 5, 51, 64, 127, 96, 64, 64}},
    {"SynBass2", {47, 27, 6, 34, 64, 103, 83, 64, 64}},
    {"ResoClavi", {33, 7, 63, 63, 99, 74, 64, 64, 64}},
    {"SynBaReso", {38, 9, 63, 40, 106, 82, 64, 64, 64}},
    {"SynBaAtck", {49, 63, 63, 63, 106, 64, 64, 64, 64}},
    {"SynPad", {37, 63, 63, 11, 64, 84, 84, 84, 64}},
    {"SlowAtack", {17, 63, 63, 9, 64, 127, 127, 127, 64}},
    {"Sweep", {10, 9, 5, 5, 64, 111, 89, 64, 64}},
    {"ResoAtack", {59, 59, 63, 63, 123, 86, 86, 86, 86}},
    {"SynWah", {43, 26, 7, 31, 64, 119, 86, 64, 64}},
    {"Velo +", {63, 63, 63, 63, 127, 127, 127, 127, 127}},
    {"Velo -", {63, 63, 63, 63, 24, 24, 24, 24, 24}},
    {"ResoPerc1", {46, 63, 63, 46, 110, 64, 64, 64, 64}},
    {"ResoPerc2", {30, 63, 63, 30, 114, 64, 64, 64, 64}},
    {"ResoPerc3", {58, 43, 63, 43, 104, 64, 104, 104, 104}},
}};

const std::array<LevelEgTemplate, kPitchEgTemplateCount> kPitchEgTemplates{{
    {"Initial", {63, 63, 63, 63, 64, 64, 64, 64, 64}},
    {"UpSlow", {17, 63, 63, 63, 36, 64, 64, 64, 64}},
    {"UpFast", {37, 63, 63, 63, 36, 64, 64, 64, 64}},
    {"DownSlow", {17, 63, 63, 63, 92, 64, 64, 64, 64}},
    {"DownFast", {38, 63, 63, 63, 92, 64, 64, 64, 64}},
    {"SynBrass", {48, 40, 63, 63, 64, 77, 64, 64, 64}},
    {"BagPipe", {59, 44, 21, 63, 64, 47, 67, 64, 64}},
    {"Release+12", {0, 0, 0, 63, 64, 64, 64, 64, 127}},
    {"Release-12", {0, 0, 0, 63, 64, 64, 64, 64, 1}},
    {"Release-5", {0, 0, 0, 63, 64, 64, 64, 64, 7}},
    {"Atack+12", {63, 62, 63, 63, 64, 127, 64, 64, 64}},
    {"Atack-12", {63, 62, 63, 63, 64, 1, 64, 64, 64}},
    {"SynTom", {38, 63, 63, 38, 127, 64, 64, 64, 64}},
    {"Asia", {0, 43, 37, 63, 64, 63, 86, 64, 64}},
    {"UpDown", {20, 20, 63, 20, 64, 127, 64, 64, 64}},
    {"SlowDown", {9, 63, 63, 63, 127, 64, 64, 64, 64}},
    {"At&RelOct1", {19, 63, 63, 63, 96, 95, 64, 64, 127}},
    {"At&RelOct2", {26, 63, 63, 63, 64, 63, 95, 95, 32}},
}};
// clang-format on

const std::array<std::string_view, kWaveCategoryCount> kWaveCategoryNames{
    "Piano & Keyboard", "Chromatic & Organ", "Guitar & Bass", "Strings & Ensemble", "Brass & Reed",
    "Ethnic",           "Percussive",        "SFX",           "One-Cycle Wave",     "Loop & Misc",
};

constexpr std::array<WaveItem, 11> kWaveList0{{
    {"Grand", 37},
    {"Brite", 38},
    {"Honky", 39},
    {"Roads", 56},
    {"CP80", 172},
    {"DX7", 55},
    {"Accordion", 79},
    {"Bandoneon", 241},
    {"Celesta", 80},
    {"Clavi.", 81},
    {"Harpsichrd", 82},
}};

constexpr std::array<WaveItem, 15> kWaveList1{{
    {"Glocken", 105},
    {"Marimba", 106},
    {"SteelDrum", 107},
    {"Timpani", 108},
    {"TinkleBell", 109},
    {"TublarBell", 110},
    {"Vibes", 111},
    {"Xylophone", 112},
    {"Pipe", 86},
    {"Reed", 87},
    {"Drawbar 1", 83},
    {"Drawbar 2", 240},
    {"Percussive", 84},
    {"Rock 1", 85},
    {"Rock 2", 237},
}};

constexpr std::array<WaveItem, 20> kWaveList2{{
    {"Nylon", 71},      {"Steel", 72},      {"12GtrUpper", 190}, {"Jazz Gtr", 73},
    {"Clean", 74},      {"Muted", 75},      {"Overdrive", 76},   {"OvrdriveLp", 183},
    {"Distortion", 77}, {"Harmonics1", 78}, {"Harmonics2", 242}, {"Upright", 46},
    {"Finger", 40},     {"Fretless", 41},   {"Picked", 42},      {"Slap 1", 43},
    {"Slap 2", 44},     {"Thump", 45},      {"Bass 1", 97},      {"Bass 2", 98},
}};

constexpr std::array<WaveItem, 10> kWaveList3{{
    {"Violin", 88},
    {"Viola", 89},
    {"Cello", 90},
    {"ContraBass", 91},
    {"SectionEns", 92},
    {"Pizzicato", 93},
    {"StrngEnsLp", 180},
    {"Ensemble", 231},
    {"Aah", 53},
    {"Ooh", 54},
}};

constexpr std::array<WaveItem, 22> kWaveList4{{
    {"Trumpet", 47},     {"MutedTrp", 48},    {"Trombone", 49},    {"Tuba", 50},
    {"FrenchHorn", 51},  {"TrumpetEns", 52},  {"Brass", 99},       {"Bassoon", 113},
    {"Clarinet", 114},   {"EnglshHorn", 115}, {"Oboe", 117},       {"SopranoSax", 120},
    {"SprSaxAtk", 176},  {"AltoSax", 121},    {"AltoSaxAtk", 177}, {"TenorSax", 184},
    {"BaritonSax", 123}, {"BariSaxAtk", 179}, {"BariSaxLp", 182},  {"Flute", 116},
    {"Piccolo", 118},    {"SprRecordr", 119},
}};

constexpr std::array<WaveItem, 14> kWaveList5{{
    {"Banjo", 57},
    {"BagPipe", 58},
    {"Dulcimer", 59},
    {"Harmonica", 60},
    {"Harp", 61},
    {"Kalimba", 62},
    {"Koto", 63},
    {"Ocarina", 64},
    {"Shakuhachi", 66},
    {"Shamisen", 67},
    {"Sho", 69},
    {"Sitar", 70},
    {"Shanai", 188},
    {"PanFlute", 243},
}};

constexpr std::array<WaveItem, 30> kWaveList6{{
    {"SideStick", 4}, {"Snare 1", 5},   {"Snare 2", 6},     {"Snare 3", 7},     {"Snare 4", 8},
    {"Snare 5", 9},   {"Snare 6", 10},  {"SnareBrush", 11}, {"Tom 1", 12},      {"Tom 2", 13},
    {"Tom 3", 14},    {"Tom 4", 15},    {"Tom 5", 16},      {"Tom 6", 17},      {"Kick 1", 18},
    {"Kick 2", 19},   {"Kick 3", 20},   {"Kick 4", 21},     {"GrandCassa", 22}, {"Stick", 23},
    {"Cymbal 1", 24}, {"Cymbal 2", 25}, {"Cymbal 3", 26},   {"Cymbal 4", 27},   {"LoopCymbal", 29},
    {"Agogo", 32},    {"Castanet", 33}, {"WoodBlock", 34},  {"Taiko", 35},      {"Triangle", 36},
}};

constexpr std::array<WaveItem, 40> kWaveList7{{
    {"BassSlap", 128},   {"GtrStroke", 138}, {"GtrFretNz", 139}, {"KeyPad", 143},
    {"Metronome", 146},  {"OrchHit", 148},   {"WindChime", 163}, {"TublrBelLp", 189},
    {"XylophonLp", 191}, {"Scratch", 245},   {"Applause", 124},  {"Bird 1", 125},
    {"Bird 2", 126},     {"Breath", 127},    {"Bubble", 129},    {"CarPass", 130},
    {"CarCrash", 131},   {"CarStart", 132},  {"Dog", 133},       {"DoorSlam", 134},
    {"DoorSqueak", 135}, {"FootStep", 136},  {"Gallop", 137},    {"Gun", 140},
    {"Helicopter", 141}, {"HeartBeat", 142}, {"Laughing", 144},  {"MachineGun", 145},
    {"Punch", 149},      {"Rain", 150},      {"Scream", 151},    {"Stream", 152},
    {"Surf", 153},       {"TelDial", 154},   {"TelRing 1", 155}, {"TelRing 2", 162},
    {"Thunder", 156},    {"TireSkid", 157},  {"Train", 158},     {"Wind", 159},
}};

constexpr std::array<WaveItem, 36> kWaveList8{{
    {"Square", 94},    {"Saw", 95},      {"Sine", 195},    {"Digi 1", 196},  {"Digi 2", 197},
    {"Digi 3", 198},   {"Digi 4", 199},  {"Digi 5", 200},  {"Digi 6", 201},  {"Digi 7", 202},
    {"Digi 8", 203},   {"Digi 9", 204},  {"Digi 10", 205}, {"Digi 11", 206}, {"Digi 12", 207},
    {"Digi 13", 208},  {"Digi 14", 209}, {"Digi 15", 210}, {"Digi 16", 211}, {"Digi 17", 212},
    {"Digi 19", 213},  {"Digi 20", 214}, {"Digi 21", 215}, {"Digi 22", 216}, {"Digi 23", 217},
    {"Digi 24", 218},  {"Digi 25", 219}, {"Digi 26", 220}, {"Digi 27", 221}, {"Digi 28", 222},
    {"Digi 29", 223},  {"Digi 30", 224}, {"Digi 31", 225}, {"Digi 32", 226}, {"Pulse 10", 228},
    {"Pulse 25", 229},
}};

constexpr std::array<WaveItem, 7> kWaveList9{{
    {"Pad 1", 102},
    {"Pad 2", 227},
    {"Pad 3", 230},
    {"Itopia", 236},
    {"Mallet", 104},
    {"Noise", 147},
    {"Stndrd Kit", 1},
}};

const std::array<std::span<const WaveItem>, kWaveCategoryCount> kWaveLists{
    kWaveList0, kWaveList1, kWaveList2, kWaveList3, kWaveList4,
    kWaveList5, kWaveList6, kWaveList7, kWaveList8, kWaveList9,
};

} // namespace image
