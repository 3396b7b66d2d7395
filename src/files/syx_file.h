#pragma once
// Raw system-exclusive files (.syx): the messages one after the other, as librarians and
// other editors exchange them, without any MIDI file framing. Reading goes through the
// same interpreter and the same rules as a set: only a file read to its end is applied.

#include "files/set_loader.h"
#include "files/set_writer.h"

#include <filesystem>
#include <span>
#include <vector>

namespace files {

using SysExMessage = std::span<const std::uint8_t>; // F0 ... F7

// The messages of a stream, F0 to F7 each. Bytes between messages (padding, stray data)
// are skipped. Throws EMidiData for a message cut short by the end of the stream or by
// another status byte, and for a stream without any message.
std::vector<SysExMessage> splitSysEx(std::span<const std::uint8_t> stream);

// The messages of the set file for the image, raw: what a module needs after a reset.
std::vector<std::uint8_t> buildSysExStream(const image::SynthImage& image, SetSections sections,
                                           const SetWriteOptions& options);

// Written atomically: the old file stays until the new one is complete.
void saveSysExFile(const std::filesystem::path& path, const image::SynthImage& image,
                   SetSections sections, const SetWriteOptions& options);

// Reads the stream into a copy of `current` (for a set, a reset copy); `current` is never
// touched, and a broken stream raises before anything is applied.
LoadedSet readSysExBytes(std::span<const std::uint8_t> stream, SetKind kind,
                         const image::SynthImage& current, midi::SynthType type,
                         const AppliedListener& listener = {});
LoadedSet readSysExFile(const std::filesystem::path& path, SetKind kind,
                        const image::SynthImage& current, midi::SynthType type,
                        const AppliedListener& listener = {});

} // namespace files
