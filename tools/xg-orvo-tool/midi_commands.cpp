#include "midi_commands.h"

#include "commands.h"
#include "encode_request.h"
#include "midi/clock.h"
#include "midi/midi_port.h"
#include "midi/rtmidi/rtmidi_backend.h"

#include <algorithm>

namespace tool {

int runPorts(midi::Backend& backend, std::ostream& out) {
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock);
    port.FillDeviceLists();
    out << "Midi In\n";
    for (const auto& line : port.inputLines()) out << line << '\n';
    out << "Midi Out\n";
    for (const auto& line : port.outputLines()) out << line << '\n';
    return 0;
}

int runEncode(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto result = encodeRequest(args);
    if (!result.error.empty()) {
        err << "xg-orvo-tool encode: " << result.error << '\n';
        return 2;
    }
    for (const auto& message : result.messages) out << hexLine(message) << '\n';
    return 0;
}

bool openNamedOutput(midi::MidiPort& port, const std::string& name, std::string_view command,
                     std::ostream& err) {
    port.FillDeviceLists();
    const auto& lines = port.outputLines();
    const auto line = std::find(lines.begin() + 1, lines.end(), name);
    if (line == lines.end()) {
        err << "xg-orvo-tool " << command << ": no output port '" << name << "'; the ports are:\n";
        for (auto it = lines.begin() + 1; it != lines.end(); ++it) err << *it << '\n';
        return false;
    }
    port.OpenMidiOut(midi::MidiPort::outputIdOfLine(static_cast<int>(line - lines.begin())));
    return true;
}

int runSend(midi::Backend& backend, std::span<const std::string> args, std::ostream& out,
            std::ostream& err) {
    if (args.size() < 2 || args[0] != "--out") {
        err << "xg-orvo-tool send: the output port is missing (--out NAME)\n";
        return 2;
    }
    const auto& name = args[1];
    const auto encoded = encodeRequest(args.subspan(2));
    if (!encoded.error.empty()) {
        err << "xg-orvo-tool send: " << encoded.error << '\n';
        return 2;
    }
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock);
    if (!openNamedOutput(port, name, "send", err)) return 1;
    std::string lost;
    port.setOutputLostHandler([&](const std::string& text) { lost = text; });
    for (const auto& message : encoded.messages) port.SendLong(message);
    port.drain();
    if (!lost.empty()) {
        err << "xg-orvo-tool send: " << lost << '\n';
        return 1;
    }
    out << "sent " << encoded.messages.size() << " message"
        << (encoded.messages.size() == 1 ? "" : "s") << " to " << name << '\n';
    return 0;
}

namespace {

int portsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (!args.empty()) {
        err << "xg-orvo-tool ports: takes no arguments\n";
        return 2;
    }
    midi::RtMidiBackend backend;
    return runPorts(backend, out);
}

int sendCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    midi::RtMidiBackend backend;
    return runSend(backend, args, out, err);
}

const Command kMidiCommands[] = {
    {"ports", "ports", &portsCommand},
    {"encode", "encode [--device N] WHAT ARGS...", &runEncode},
    {"send", "send --out NAME [--device N] WHAT ARGS...", &sendCommand},
};

} // namespace

std::span<const Command> midiCommands() {
    return kMidiCommands;
}

} // namespace tool
