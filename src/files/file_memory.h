#pragma once
// What each file dialog starts from: its folder and the last name used. A successful load
// or save makes the folder the one used and the name its full path; "New" puts the names
// back to their patterns.

#include "files/app_paths.h"

#include <array>
#include <filesystem>
#include <string>

namespace files {

enum class FileKind { Set, Fx, Drums, QsVoice, QsBank };

class FileMemory {
  public:
    explicit FileMemory(const AppPaths& paths);

    const std::filesystem::path& folder(FileKind kind) const { return at(folders_, kind); }
    const std::string& lastName(FileKind kind) const { return at(names_, kind); }
    // After a load or save of `path`.
    void remember(FileKind kind, const std::filesystem::path& path);
    // The names back to "*.XGS", "*.XFX", "*.XDM", "*.QVC", "*.QVB"; the folders stay.
    void forgetNames();

  private:
    template <typename T> static T& at(std::array<T, 5>& a, FileKind kind) {
        return a[static_cast<std::size_t>(kind)];
    }
    template <typename T> static const T& at(const std::array<T, 5>& a, FileKind kind) {
        return a[static_cast<std::size_t>(kind)];
    }

    std::array<std::filesystem::path, 5> folders_;
    std::array<std::string, 5> names_;
};

} // namespace files
