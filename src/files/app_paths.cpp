#include "files/app_paths.h"

namespace files {

AppPaths resolveAppPaths(const std::optional<std::filesystem::path>& baseOverride) {
    return AppPaths{baseOverride ? *baseOverride : std::filesystem::current_path()};
}

} // namespace files
