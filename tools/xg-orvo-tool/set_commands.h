#pragma once
// The set file commands with the backend passed in, so tests can run them on memory.

#include "midi/backend.h"

#include <ostream>
#include <span>
#include <string>

namespace tool {

int runSendSet(midi::Backend& backend, std::span<const std::string> args, std::ostream& out,
               std::ostream& err);

// Raw system-exclusive files to set files and back.
int syxToSetCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int setToSyxCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

} // namespace tool
