#pragma once
// Loading a set, effect, drum or MIDI file: the file is read into a copy of the image, and
// only a file read to its end replaces the image. A broken file leaves the image as it was
// and nothing is sent. The copy then gets the steps that follow the reading: bank LSB of the
// user voices, four-element voices across module types, effect blocks rebuilt from their
// types, and on a DB-50 the voices that take two parts split over them.

#include "files/midi_data.h"
#include "files/set_interpreter.h"
#include "files/set_sections.h"
#include "image/synth_image.h"
#include "midi/synth_options.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace files {

struct LoadedSet {
    std::unique_ptr<image::SynthImage> image; // about 100 kB: kept on the heap
    LoadCounters counters;
    MadeFor madeFor = MadeFor::Qs300;
    std::array<bool, 2> drumsChanged{};
    // Texts to show the user about voices that had to change, in order.
    std::vector<std::string> notices;
};

// Reads the file named by the container's file name into a copy of `current` (for a set,
// a reset copy). Container errors are raised as they are; `current` is never touched.
LoadedSet readSetFile(TxMidiData& container, SetKind kind, const image::SynthImage& current,
                      midi::SynthType type, const AppliedListener& listener = {});

// The same for a file already in memory (a benchmark, the fuzzer).
LoadedSet readSetBytes(std::span<const std::uint8_t> bytes, SetKind kind,
                       const image::SynthImage& current, midi::SynthType type,
                       const AppliedListener& listener = {});

// The same for system-exclusive messages (F0 ... F7 each) that have been split off a raw
// stream or received from the module.
LoadedSet readSysExMessages(std::span<const std::span<const std::uint8_t>> messages, SetKind kind,
                            const image::SynthImage& current, midi::SynthType type,
                            const AppliedListener& listener = {});

// Reading system-exclusive messages one at a time, as they come from the module: each
// message is applied to the copy at once, so what was read so far can be looked at, and
// finish() takes the steps that follow the reading.
class SysExReading {
  public:
    // `fromReset`: the copy starts as a reset image (a whole set), otherwise as `current`.
    SysExReading(SetKind kind, const image::SynthImage& current, midi::SynthType type,
                 bool fromReset, const AppliedListener& listener = {});
    // One message, F0 ... F7.
    void apply(std::span<const std::uint8_t> message);
    const image::SynthImage& image() const { return *loaded_.image; }
    LoadedSet finish();

  private:
    LoadedSet loaded_;
    std::unique_ptr<SetInterpreter> reader_; // writes into loaded_.image
    SetKind kind_;
    midi::SynthType type_;
};

// The last step once the image has been sent: the loaded copy of the part table and the
// snapshot of the effect blocks, against which the File menu counts changes.
void rememberLoadedState(image::SynthImage& image);

// Whether a part's voice dump switches on element 3 or 4.
bool hasFourElements(const image::VoiceDump& dump);

} // namespace files
