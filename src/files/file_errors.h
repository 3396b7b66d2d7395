#pragma once
// Why a file could not be read or written, in words a musician understands. The program
// and the command-line tool show the same texts.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace files {

enum class FileAccess { Read, Write };

// The cause alone, without a full stop: "the disk is full", "the folder does not exist".
std::string describeFileError(std::error_code error, FileAccess access);

// "Could not open PATH: CAUSE."
std::string openErrorText(const std::filesystem::path& path, std::string_view cause);
// "Could not save WHAT to PATH: CAUSE." or, without WHAT, "Could not save PATH: CAUSE."
std::string saveErrorText(std::string_view what, const std::filesystem::path& path,
                          std::string_view cause);

} // namespace files
