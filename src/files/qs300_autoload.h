#pragma once
// The first start action: the user bank from "Autoload.QVB" in the base directory.

#include "files/app_paths.h"
#include "files/settings.h"
#include "image/synth_image.h"

namespace files {

// Loads the bank file when the option is on, the module plays QS300 voices (synth type 0
// or 1) and the file exists; returns whether it did. A file that is there but cannot be
// read raises EFileError and leaves the bank as it was.
bool autoloadQsBank(const Settings& settings, const AppPaths& paths, image::VoiceBank& bank);

} // namespace files
