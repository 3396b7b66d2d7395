#include "files/file_memory.h"

namespace files {

namespace {
constexpr std::array<const char*, 5> kInitialNames{"*.XGS", "*.XFX", "*.XDM", "*.QVC", "*.QVB"};
} // namespace

FileMemory::FileMemory(const AppPaths& paths)
    : folders_{paths.setFolder(), paths.fxFolder(), paths.drumsFolder(), paths.qsVoiceFolder(),
               paths.qsBankFolder()} {
    forgetNames();
}

void FileMemory::remember(FileKind kind, const std::filesystem::path& path) {
    at(folders_, kind) = path.parent_path();
    at(names_, kind) = path.string();
}

void FileMemory::forgetNames() {
    for (std::size_t i = 0; i < names_.size(); ++i) names_[i] = kInitialNames[i];
}

} // namespace files
