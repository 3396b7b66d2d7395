#include "commands.h"

namespace tool {

std::span<const Command> fileCommands() { return {}; }

} // namespace tool
