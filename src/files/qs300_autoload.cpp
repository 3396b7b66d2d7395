#include "files/qs300_autoload.h"

#include "files/qs300_files.h"

#include <system_error>

namespace files {

bool autoloadQsBank(const Settings& settings, const AppPaths& paths, image::VoiceBank& bank) {
    if (!settings.autoloadQsBank || settings.synthType > 1) return false;
    std::error_code ignored;
    // A missing file is no error: the factory bank stays.
    if (!std::filesystem::exists(paths.autoloadBank(), ignored)) return false;
    readBankFile(paths.autoloadBank(), bank);
    return true;
}

} // namespace files
