#pragma once
// Writes the image as a set, effect or drum file: one track of exactly the XG messages a
// freshly reset module needs to sound like the image, so that any sequencer can play it.

#include "files/midi_data.h"
#include "files/set_sections.h"
#include "image/synth_image.h"
#include "midi/synth_options.h"

#include <filesystem>

namespace files {

struct SetWriteOptions {
    midi::SynthType type = midi::SynthType::Db50;
    bool multiParameterChange = true;
    int device = 0; // 0..15
};

// The text event that tells for which module a set was made.
inline constexpr const char* kMadeForDb50 = "DB";
inline constexpr const char* kMadeForQs300 = "QS";
inline constexpr const char* kTrackName = "XG-Orvo";

// Tick times: the opening events sit at 0, the rest follow a counter that starts here and
// advances by the size class of each event.
inline constexpr std::uint32_t kFirstCounterTick = 10;
inline constexpr std::uint32_t kTicksAfterShortEvent = 4; // parameter change or text
inline constexpr std::uint32_t kTicksAfterBulkDump = 8;
inline constexpr std::uint32_t kTicksAfterVoiceDump = 100;
inline constexpr std::uint32_t kTicksBeforeEnd = 10;

// The container of a file of this kind for the image.
TxMidiData buildSetFile(const image::SynthImage& image, SetSections sections,
                        const SetWriteOptions& options);

// Builds and writes it; the old file stays until the new one is complete.
void saveSetFile(const std::filesystem::path& path, const image::SynthImage& image,
                 SetSections sections, const SetWriteOptions& options);

// Whether an effect block differs from the state a reset leaves (default type, its factory
// row): only such blocks are written.
bool effectDiffersFromReset(const image::SynthImage& image, image::EffectKind kind);

} // namespace files
