#include "image/qs300_templates.h"

namespace image {

const AmpEgTemplate& ampEgTemplate(AmpEg eg) {
    return kAmpEgTemplates[static_cast<std::size_t>(eg)];
}

const LevelEgTemplate& filterEgTemplate(FilterEg eg) {
    return kFilterEgTemplates[static_cast<std::size_t>(eg)];
}

const LevelEgTemplate& pitchEgTemplate(PitchEg eg) {
    return kPitchEgTemplates[static_cast<std::size_t>(eg)];
}

std::span<const WaveItem> waveList(int category) {
    if (category < 0 || category >= kWaveCategoryCount) return {};
    return kWaveLists[static_cast<std::size_t>(category)];
}

namespace {

// Where a wave sits in the lists, or nothing.
bool locateWave(int wave, WavePlace& place) {
    for (int c = 0; c < kWaveCategoryCount; ++c) {
        const auto list = waveList(c);
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].wave == wave) {
                place = {c, static_cast<int>(i)};
                return true;
            }
        }
    }
    return false;
}

} // namespace

WavePlace findWave(int wave) {
    WavePlace place;
    locateWave(wave, place);
    return place;
}

bool isListedWave(int wave) {
    WavePlace place;
    return locateWave(wave, place);
}

std::string_view waveName(int wave) {
    const auto place = findWave(wave);
    return waveList(place.category)[static_cast<std::size_t>(place.item)].name;
}

} // namespace image
