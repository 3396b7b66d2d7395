#pragma once
// Readable names of what a set file changes, for "xg-orvo-tool set-info".

#include "files/set_interpreter.h"

#include <string>
#include <string_view>

namespace tool {

// The part (counted from one) or block, the parameter's name and the value:
// "Drum setup 1 note 36  Level = 100".
std::string describeApplied(const files::AppliedMessage& message, const image::SynthImage& image);

} // namespace tool
