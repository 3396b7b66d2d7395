#pragma once
// The QS300 envelope templates and the wave lists offered by the voice editor. The factory
// voices are built from the same data.

#include "image/synth_image.h"

#include <span>
#include <string_view>

namespace image {

// Amp EG: attack, decay 1, decay 2, release rate, decay 1 level, decay 2 level.
struct AmpEgTemplate {
    std::string_view name;
    std::array<Byte, 6> values;
};

// Filter and pitch EG: the four rates, then initial, attack, decay 1, decay 2, release level.
struct LevelEgTemplate {
    std::string_view name;
    std::array<Byte, 9> values;
};

inline constexpr int kAmpEgTemplateCount = 22;
inline constexpr int kFilterEgTemplateCount = 22;
inline constexpr int kPitchEgTemplateCount = 18;

extern const std::array<AmpEgTemplate, kAmpEgTemplateCount> kAmpEgTemplates;
extern const std::array<LevelEgTemplate, kFilterEgTemplateCount> kFilterEgTemplates;
extern const std::array<LevelEgTemplate, kPitchEgTemplateCount> kPitchEgTemplates;

// Template positions by name, for readable voice descriptions.
enum class AmpEg {
    Initial,
    APiano,
    Guitar,
    Bass,
    Brass,
    StabBrass,
    StFast,
    SlowPad,
    SynBass1,
    SynBass2,
    Organ,
    TunePerc1,
    TunePerc2,
    TunePerc3,
    Pluck,
    SynComp1,
    SynComp2,
    SynLead,
    PcMute,
    Wind,
    Reverse,
    Gate
};
enum class FilterEg {
    Initial,
    APiano,
    Guitar,
    Bass,
    Brass,
    StabBrass,
    SfzBrass,
    SynBass1,
    SynBass2,
    ResoClavi,
    SynBaReso,
    SynBaAtck,
    SynPad,
    SlowAtack,
    Sweep,
    ResoAtack,
    SynWah,
    VeloPlus,
    VeloMinus,
    ResoPerc1,
    ResoPerc2,
    ResoPerc3
};
enum class PitchEg {
    Initial,
    UpSlow,
    UpFast,
    DownSlow,
    DownFast,
    SynBrass,
    BagPipe,
    ReleasePlus12,
    ReleaseMinus12,
    ReleaseMinus5,
    AttackPlus12,
    AttackMinus12,
    SynTom,
    Asia,
    UpDown,
    SlowDown,
    AtRelOct1,
    AtRelOct2
};

const AmpEgTemplate& ampEgTemplate(AmpEg eg);
const LevelEgTemplate& filterEgTemplate(FilterEg eg);
const LevelEgTemplate& pitchEgTemplate(PitchEg eg);

// One item of a wave list.
struct WaveItem {
    std::string_view name;
    int wave; // 0..245
};

inline constexpr int kWaveCategoryCount = 10;
extern const std::array<std::string_view, kWaveCategoryCount> kWaveCategoryNames;

extern const std::array<std::span<const WaveItem>, kWaveCategoryCount> kWaveLists;

// The items of wave list 0..9 in list order; empty for a bad category.
std::span<const WaveItem> waveList(int category);

struct WavePlace {
    int category = 0; // list 0..9
    int item = 0;     // position in that list
};

// Where a wave is offered; a wave no list holds gives list 0, item 0 ("Grand").
WavePlace findWave(int wave);
// Whether some list holds the wave.
bool isListedWave(int wave);
// Display name of a wave: its item name, "Grand" for a wave no list holds.
std::string_view waveName(int wave);

} // namespace image
