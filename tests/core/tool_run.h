#pragma once
// Runs an xg-orvo-tool command from its table in-process, catching what it prints.

#include "commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace testtool {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline Result runCommand(std::span<const tool::Command> table, std::string_view name,
                         std::vector<std::string> args) {
    for (const auto& command : table) {
        if (command.name != name) continue;
        std::ostringstream out;
        std::ostringstream err;
        const int status = command.run(args, out, err);
        return {status, out.str(), err.str()};
    }
    ADD_FAILURE() << "no command " << name;
    return {};
}

} // namespace testtool
