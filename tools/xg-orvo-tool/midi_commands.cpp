#include "commands.h"

namespace tool {

std::span<const Command> midiCommands() { return {}; }

} // namespace tool
