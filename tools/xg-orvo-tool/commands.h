#pragma once
// The sub-commands of xg-orvo-tool. Each family of commands lives in its own file and
// returns its table; main() looks the first argument up in every table.

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace tool {

// Returns the exit status: 0 success, 1 failure of the operation, 2 bad arguments.
using CommandFn = int (*)(std::span<const std::string> args, std::ostream& out, std::ostream& err);

struct Command {
    std::string_view name;
    std::string_view usage; // one line, shown by "xg-orvo-tool" without arguments
    CommandFn run;
};

std::span<const Command> midiCommands();  // ports, encode, send
std::span<const Command> fileCommands();  // check, dump, rewrite, config
std::span<const Command> voiceCommands(); // voices, select
std::span<const Command> setCommands();   // set-info, send-set, save-set

} // namespace tool
