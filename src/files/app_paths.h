#pragma once
// The base directory (the current directory at start-up unless overridden) and the files
// and folders the program finds there.

#include <filesystem>
#include <optional>

namespace files {

struct AppPaths {
    std::filesystem::path base;

    std::filesystem::path configFile() const { return base / "XG-Orvo.INI"; }
    std::filesystem::path setFolder() const { return base / "Set"; }
    std::filesystem::path fxFolder() const { return base / "Fx"; }
    std::filesystem::path drumsFolder() const { return base / "Drums"; }
    std::filesystem::path qsVoiceFolder() const { return base / "QS_Voice"; }
    std::filesystem::path qsBankFolder() const { return base / "QS_Bank"; }
    std::filesystem::path autoloadBank() const { return base / "Autoload.QVB"; }
};

// The given directory (from --base-dir) or else the current directory.
AppPaths resolveAppPaths(const std::optional<std::filesystem::path>& baseOverride);

} // namespace files
