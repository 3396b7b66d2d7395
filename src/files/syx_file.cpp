#include "files/syx_file.h"

#include "files/atomic_file.h"
#include "files/errors.h"
#include "files/file_errors.h"
#include "files/midi_data.h"

namespace files {

namespace {

constexpr std::uint8_t kSysEx = 0xF0;
constexpr std::uint8_t kEndOfExclusive = 0xF7;

} // namespace

std::vector<SysExMessage> splitSysEx(std::span<const std::uint8_t> stream) {
    std::vector<SysExMessage> messages;
    std::size_t start = 0;
    bool inside = false;
    for (std::size_t i = 0; i < stream.size(); ++i) {
        const auto b = stream[i];
        if (!inside) {
            if (b == kSysEx) {
                inside = true;
                start = i;
            }
            continue;
        }
        if (b == kEndOfExclusive) {
            messages.push_back(stream.subspan(start, i - start + 1));
            inside = false;
        } else if (b >= 0x80) {
            throw EMidiData("a system-exclusive message is cut short at byte " + std::to_string(i));
        }
    }
    if (inside) throw EMidiData("the file ends in the middle of a system-exclusive message");
    if (messages.empty()) throw EMidiData("the file holds no system-exclusive message");
    return messages;
}

std::vector<std::uint8_t> buildSysExStream(const image::SynthImage& image, SetSections sections,
                                           const SetWriteOptions& options) {
    const auto file = buildSetFile(image, sections, options);
    std::vector<std::uint8_t> stream;
    for (std::size_t t = 0; t < file.trackCount(); ++t) {
        const auto& track = file.Track(t);
        for (std::size_t i = 0; i < track.count(); ++i) {
            const auto event = track.event(i);
            if (event.status != statusSysEx) continue;
            const auto block = track.blockOf(event);
            stream.push_back(kSysEx);
            stream.insert(stream.end(), block.begin(), block.end());
        }
    }
    return stream;
}

void saveSysExFile(const std::filesystem::path& path, const image::SynthImage& image,
                   SetSections sections, const SetWriteOptions& options) {
    writeFileAtomically(path, buildSysExStream(image, sections, options));
}

LoadedSet readSysExBytes(std::span<const std::uint8_t> stream, SetKind kind,
                         const image::SynthImage& current, midi::SynthType type,
                         const AppliedListener& listener) {
    // The whole stream is checked before the first message is applied.
    const auto messages = splitSysEx(stream);
    return readSysExMessages(messages, kind, current, type, listener);
}

LoadedSet readSysExFile(const std::filesystem::path& path, SetKind kind,
                        const image::SynthImage& current, midi::SynthType type,
                        const AppliedListener& listener) {
    const auto bytes = readWholeFile(path);
    try {
        return readSysExBytes(bytes, kind, current, type, listener);
    } catch (const EMidiData& e) {
        throw EMidiData(openErrorText(path, e.what()));
    }
}

} // namespace files
