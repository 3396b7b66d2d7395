#include "commands.h"
#include "module_command.h"

#include "files/file_errors.h"

#include <cerrno>
#include <iostream>
#include <string>
#include <vector>

namespace {

const tool::Command* findCommand(std::string_view name) {
    for (auto table : {tool::midiCommands(), tool::fileCommands(), tool::voiceCommands(),
                       tool::setCommands(), tool::moduleCommands()}) {
        for (const auto& command : table) {
            if (command.name == name) return &command;
        }
    }
    return nullptr;
}

// Output that did not arrive (a full disk, /dev/full, a closed pipe) is a failure: a
// script must not take half a dump for a whole one.
int checkOutput(int status) {
    errno = 0;
    std::cout.flush();
    if (std::cout) return status;
    const int cause = errno;
    std::cerr << "xg-orvo-tool: Could not write the output: "
              << (cause != 0 ? files::describeFileError({cause, std::generic_category()},
                                                        files::FileAccess::Write)
                             : std::string("it was not accepted"))
              << ".\n";
    return status == 0 ? 1 : status;
}

int usage() {
    std::cerr << "usage:\n";
    for (auto table : {tool::midiCommands(), tool::fileCommands(), tool::voiceCommands(),
                       tool::setCommands(), tool::moduleCommands()}) {
        for (const auto& command : table) std::cerr << "  xg-orvo-tool " << command.usage << '\n';
    }
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const auto* command = findCommand(argv[1]);
    if (command == nullptr) {
        std::cerr << "xg-orvo-tool: unknown command '" << argv[1] << "'\n";
        return usage();
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    try {
        return checkOutput(command->run(args, std::cout, std::cerr));
    } catch (const std::exception& e) {
        std::cerr << "xg-orvo-tool: " << e.what() << '\n';
        return 1;
    }
}
