#pragma once
// Whole-file reads and writes.
//
// A save writes a temporary file of its own, created exclusively under a unique name next
// to the target, flushes it to the disk and renames it over the target, then flushes the
// folder. A crash or a power cut at any moment leaves either the old or the new file, two
// programs saving the same file at once each finish with one whole version, and a failure
// leaves the old file untouched and no temporary behind.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace files {

// Files larger than this are refused by readWholeFile unless the caller allows more.
inline constexpr std::size_t defaultReadLimit = 16 * 1024 * 1024;

// Reads a regular file. Throws EFileError ("Could not open …: …") for a missing or
// unreadable file, a folder, a device, a pipe, or a file above `limit` bytes; never waits
// for a writer and never allocates more than the file holds.
std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path,
                                        std::size_t limit = defaultReadLimit);

// `what` names the contents for the error message ("the settings"); empty for a plain
// file. Throws EFileError ("Could not save …: …") when the file cannot be written.
void writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                         std::string_view what = {});
void writeFileAtomically(const std::filesystem::path& path, const std::string& text,
                         std::string_view what = {});

// The steps of a save that a test can make fail the way the system would (a full disk, a
// folder without write permission), where the real condition cannot be set up.
struct SaveFaults {
    std::error_code create; // creating the temporary file
    std::error_code write;  // writing or flushing its contents
    std::error_code rename; // putting it in place of the target
};
void writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                         std::string_view what, const SaveFaults& faults);

} // namespace files
