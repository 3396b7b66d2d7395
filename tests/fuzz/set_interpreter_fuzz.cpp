// libFuzzer target: any file read as a set, an effect file or a drum file either fails with
// the container's error or gives an image that is written and read back to the same parts,
// system block and drum setups. The image it started from is never touched.
// The same bytes are also read as a raw system-exclusive stream and each of its messages
// put into words. The first byte chooses the kind of file and the module.

#include "files/change_counts.h"
#include "files/errors.h"
#include "files/set_loader.h"
#include "files/set_writer.h"
#include "files/syx_file.h"
#include "image/image_init.h"
#include "midi/message_words.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

namespace {

const image::SynthImage& startImage() {
    static const auto image = [] {
        auto made = std::make_unique<image::SynthImage>();
        image::initialiseImage(*made);
        return made;
    }();
    return *image;
}

// A stream either fails as a whole or is applied; the start image stays as it was.
void readAsSysEx(std::span<const std::uint8_t> bytes, midi::SynthType type) {
    const auto& start = startImage();
    const auto parts = start.parts;
    try {
        for (const auto message : files::splitSysEx(bytes))
            if (midi::describeMessage(message).empty()) std::abort();
        files::readSysExBytes(bytes, files::SetKind::Set, start, type);
    } catch (const files::EMidiData&) {
    }
    if (start.parts != parts) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const auto kind = static_cast<files::SetKind>(data[0] % 3);
    const auto type = static_cast<midi::SynthType>((data[0] / 3) % 3);
    readAsSysEx(std::span(data + 1, size - 1), type);
    const auto& start = startImage();
    const auto parts = start.parts;
    files::LoadedSet loaded;
    try {
        loaded = files::readSetBytes(std::span(data + 1, size - 1), kind, start, type);
    } catch (const files::EMidiData&) {
        return 0;
    } catch (const files::EVirtualMemory&) {
        return 0;
    }
    if (start.parts != parts) std::abort();
    files::SetWriteOptions options;
    options.type = type;
    const auto written =
        files::buildSetFile(*loaded.image, files::sectionsOf(kind), options).toBytes();
    const auto again = files::readSetBytes(written, kind, start, type);
    if (again.image->parts != loaded.image->parts ||
        again.image->system.masterTune() != loaded.image->system.masterTune())
        std::abort();
    // A drum file names the kit only of a setup that differs from it; one that does not
    // differ reads back as the first kit.
    for (std::size_t s = 0; s < 2; ++s) {
        const bool written =
            kind == files::SetKind::Set || files::drumChangesFromKit(loaded.image->drums[s]) > 0;
        if (written && again.image->drums[s].table != loaded.image->drums[s].table) std::abort();
    }
    return 0;
}
