#pragma once
// Whole-file reads and writes. A write goes to a temporary file next to the target that is
// renamed over it once complete, so a crash while writing leaves the old file intact.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace files {

// Throws std::filesystem::filesystem_error when the file cannot be opened or read.
std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path);
// Throws std::filesystem::filesystem_error when the file cannot be written.
void writeFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
void writeFileAtomically(const std::filesystem::path& path, const std::string& text);

} // namespace files
