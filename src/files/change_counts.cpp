#include "files/change_counts.h"

#include "image/drum_kits.h"

#include <algorithm>

namespace files {

namespace {

template <typename Block> int countDiffering(const Block& block, const image::Byte* against) {
    int count = 0;
    for (std::size_t i = 0; i < block.size(); ++i)
        if (block[i] != against[i]) ++count;
    return count;
}

} // namespace

int drumChangesFromKit(const image::DrumSetup& setup) {
    const auto reference = image::kitReference(setup.kit);
    const auto used = std::min<std::size_t>({reference.size(),
                                             static_cast<std::size_t>(std::max(setup.slotCount, 0)),
                                             setup.table.size()});
    int count = 0;
    for (std::size_t slot = 0; slot < used; ++slot)
        count += countDiffering(setup.table[slot], reference[slot].data());
    return count;
}

int systemChanges(const image::SystemBlock& system) {
    const image::SystemBlock defaults;
    return (system.masterTuneHigh != defaults.masterTuneHigh) +
           (system.masterTuneLow != defaults.masterTuneLow) +
           (system.masterVolume != defaults.masterVolume) +
           (system.transpose != defaults.transpose);
}

ChangeCounts countChanges(const image::SynthImage& image) {
    ChangeCounts counts;
    counts.parts = countDiffering(image.parts, image.loadedParts.data());
    counts.system = systemChanges(image.system);
    // The snapshot holds variation, reverb and chorus in that order.
    const auto* snapshot = image.effectSnapshot.data();
    counts.effects[2] = countDiffering(image.variation.current, snapshot);
    snapshot += image::kVariationBlockSize;
    counts.effects[0] = countDiffering(image.reverb.current, snapshot);
    snapshot += image::kReverbBlockSize;
    counts.effects[1] = countDiffering(image.chorus.current, snapshot);
    counts.drums[0] = drumChangesFromKit(image.drums[0]);
    counts.drums[1] = drumChangesFromKit(image.drums[1]);
    return counts;
}

} // namespace files
