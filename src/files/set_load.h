#pragma once
// The whole of "Load Set", "Load FX" and "Load Drums" below the windows: read the file
// into a copy, and only when it was read to its end reset the module (for a set), take the
// copy over and send it.

#include "files/midi_data.h"
#include "files/set_loader.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <filesystem>

namespace files {

struct LoadReport {
    LoadCounters counters;
    MadeFor madeFor = MadeFor::Qs300;
    std::vector<std::string> notices;
};

// Raises the container's error, with the image untouched and nothing sent, for a file that
// cannot be read. `beforeTakeOver` runs once the file has been read, before anything is
// sent (the window closes the QS300 editor there).
LoadReport loadSetInto(const std::filesystem::path& path, SetKind kind, TxMidiData& container,
                       image::SynthImage& image, midi::MidiPort& port, midi::XgMessages& messages,
                       const std::function<void()>& beforeTakeOver = {});

// The same for a raw system-exclusive file, taken as a whole set.
LoadReport loadSysExInto(const std::filesystem::path& path, image::SynthImage& image,
                         midi::MidiPort& port, midi::XgMessages& messages,
                         const std::function<void()>& beforeTakeOver = {});

} // namespace files
