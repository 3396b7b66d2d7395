#include "files/set_load.h"

#include "files/set_sender.h"
#include "midi/image_reset.h"

namespace files {

LoadReport loadSetInto(const std::filesystem::path& path, SetKind kind, TxMidiData& container,
                       image::SynthImage& image, midi::MidiPort& port, midi::XgMessages& messages,
                       const std::function<void()>& beforeTakeOver) {
    container.setFileName(path);
    auto loaded = readSetFile(container, kind, image, messages.options().type);
    if (beforeTakeOver) beforeTakeOver();
    if (kind == SetKind::Set) midi::ResetAll(image, port, messages);
    image = *loaded.image;
    sendLoaded(kind, image, messages, port, loaded.counters);
    if (kind == SetKind::Set) rememberLoadedState(image);
    return {loaded.counters, loaded.madeFor, std::move(loaded.notices)};
}

} // namespace files
