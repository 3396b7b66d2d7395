#include "commands.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

const tool::Command* findCommand(std::string_view name) {
    for (auto table : {tool::midiCommands(), tool::fileCommands()}) {
        for (const auto& command : table) {
            if (command.name == name) return &command;
        }
    }
    return nullptr;
}

int usage() {
    std::cerr << "usage:\n";
    for (auto table : {tool::midiCommands(), tool::fileCommands()}) {
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
        return command->run(args, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "xg-orvo-tool: " << e.what() << '\n';
        return 1;
    }
}
