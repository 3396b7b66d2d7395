#pragma once
// The MIDI commands with the backend passed in, so tests can run them on memory.

#include "midi/backend.h"
#include "midi/midi_port.h"

#include <ostream>
#include <span>
#include <string>

namespace tool {

int runPorts(midi::Backend& backend, std::ostream& out);
int runEncode(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// Opens the output of that name; otherwise tells `err` which outputs there are and returns
// false. `command` names the command in the message.
bool openNamedOutput(midi::MidiPort& port, const std::string& name, std::string_view command,
                     std::ostream& err);
int runSend(midi::Backend& backend, std::span<const std::string> args, std::ostream& out,
            std::ostream& err);

} // namespace tool
