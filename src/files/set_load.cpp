#include "files/set_load.h"

#include "files/set_sender.h"
#include "files/syx_file.h"
#include "midi/image_reset.h"

namespace files {

namespace {

// The file has been read to its end: the module is reset (for a set), the copy becomes the
// image and goes out.
LoadReport takeOver(LoadedSet& loaded, SetKind kind, image::SynthImage& image, midi::MidiPort& port,
                    midi::XgMessages& messages, const std::function<void()>& beforeTakeOver) {
    if (beforeTakeOver) beforeTakeOver();
    if (kind == SetKind::Set) midi::ResetAll(image, port, messages);
    image = *loaded.image;
    sendLoaded(kind, image, messages, port, loaded.counters);
    if (kind == SetKind::Set) rememberLoadedState(image);
    return {loaded.counters, loaded.madeFor, std::move(loaded.notices)};
}

} // namespace

LoadReport loadSetInto(const std::filesystem::path& path, SetKind kind, TxMidiData& container,
                       image::SynthImage& image, midi::MidiPort& port, midi::XgMessages& messages,
                       const std::function<void()>& beforeTakeOver) {
    container.setFileName(path);
    auto loaded = readSetFile(container, kind, image, messages.options().type);
    return takeOver(loaded, kind, image, port, messages, beforeTakeOver);
}

LoadReport loadSysExInto(const std::filesystem::path& path, image::SynthImage& image,
                         midi::MidiPort& port, midi::XgMessages& messages,
                         const std::function<void()>& beforeTakeOver) {
    auto loaded = readSysExFile(path, SetKind::Set, image, messages.options().type);
    return takeOver(loaded, SetKind::Set, image, port, messages, beforeTakeOver);
}

} // namespace files
