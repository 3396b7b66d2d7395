#pragma once
// "module": a simulated XG module other programs (the editor first of all) can talk to
// through a virtual device, for trying the editor without hardware.

#include "commands.h"
#include "midi/module_simulator.h"
#include "midi/rtmidi/virtual_device.h"

#include <array>
#include <span>
#include <string>

namespace tool {

struct ModuleOptions {
    std::string port;
    int device = 0;
    midi::MidiSystem system = midi::MidiSystem::Jack;
    bool silent = false;
    bool quiet = false;
    std::array<bool, midi::kAnswerKindCount> answering{true, true, true, true, true};
};

struct ModuleArguments {
    ModuleOptions options;
    std::string error; // set when the arguments are wrong
};

ModuleArguments parseModuleArguments(std::span<const std::string> args);

std::span<const Command> moduleCommands();

} // namespace tool
