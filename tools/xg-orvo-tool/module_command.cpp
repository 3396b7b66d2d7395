#include "module_command.h"

#include "encode_request.h"
#include "midi/clock.h"
#include "midi/errors.h"
#include "midi/message_words.h"
#include "midi/midi_port.h"
#include "midi/rtmidi/rtmidi_backend.h"
#include "midi/rtmidi/simulated_module.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <string_view>

namespace tool {

namespace {

constexpr std::chrono::milliseconds kPumpWait{20};

struct AnswerName {
    std::string_view name;
    midi::AnswerKind kind;
};
constexpr AnswerName kAnswerNames[] = {{"system", midi::AnswerKind::System},
                                       {"effects", midi::AnswerKind::Effects},
                                       {"parts", midi::AnswerKind::Parts},
                                       {"drums", midi::AnswerKind::Drums},
                                       {"voices", midi::AnswerKind::Voices}};

// A signal handler reaches nothing but what lives outside every object; the module loop
// looks at this between two rounds.
std::atomic<int> stopSignal{0};

extern "C" void onStopSignal(int number) {
    stopSignal.store(number);
}

// Catches SIGINT and SIGTERM while it exists, so that the device is closed properly.
class StopSignals {
  public:
    StopSignals() {
        stopSignal.store(0);
        std::signal(SIGINT, onStopSignal);
        std::signal(SIGTERM, onStopSignal);
    }
    ~StopSignals() {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;
    bool requested() const { return stopSignal.load() != 0; }
};

bool setAnswerList(const std::string& list, ModuleOptions& options) {
    options.answering.fill(false);
    // Every word must name a kind: an empty one is a typo, and none at all is --silent.
    std::string_view rest(list);
    for (;;) {
        const auto comma = rest.find(',');
        const auto word = rest.substr(0, comma);
        const auto* found = std::find_if(std::begin(kAnswerNames), std::end(kAnswerNames),
                                         [&](const AnswerName& a) { return a.name == word; });
        if (found == std::end(kAnswerNames)) return false;
        options.answering[static_cast<std::size_t>(found->kind)] = true;
        if (comma == std::string_view::npos) return true;
        rest = rest.substr(comma + 1);
    }
}

// The line of the editor's port dialog that reaches a port: listed by the same backend.
std::string dialogLine(const std::vector<std::string>& lines, const std::string& port) {
    const auto it = std::find_if(lines.begin(), lines.end(),
                                 [&](const std::string& line) { return line.ends_with(port); });
    return it == lines.end() ? port : *it;
}

void tellWhereToConnect(const midi::VirtualDevice& device, const ModuleOptions& options,
                        std::ostream& out) {
    midi::RtMidiBackend backend(options.port + " list");
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock);
    port.FillDeviceLists();
    out << "XG module ready, device number " << options.device << ". In the editor choose output \""
        << dialogLine(port.outputLines(), device.inputPortName()) << "\" and input \""
        << dialogLine(port.inputLines(), device.outputPortName()) << "\". Ctrl+C ends."
        << std::endl;
}

int moduleCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = parseModuleArguments(args);
    if (!parsed.error.empty()) {
        err << "xg-orvo-tool module: " << parsed.error << '\n';
        return 2;
    }
    const auto& options = parsed.options;
    const StopSignals signals;
    try {
        midi::SimulatedModule module(options.port, options.system, options.device);
        module.withSimulator([&](midi::ModuleSimulator& simulator) {
            simulator.setSilent(options.silent);
            for (const auto& a : kAnswerNames)
                simulator.setAnswering(a.kind, options.answering[static_cast<std::size_t>(a.kind)]);
        });
        if (!options.quiet) {
            module.setListener([&](midi::SimulatedModule::Direction direction, midi::Bytes m) {
                out << (direction == midi::SimulatedModule::Direction::Received ? "received: "
                                                                                : "answered: ")
                    << midi::describeMessage(m) << std::endl;
            });
        }
        tellWhereToConnect(module.device(), options, out);
        while (!signals.requested()) {
            module.pump(kPumpWait);
            if (module.gone()) {
                err << "xg-orvo-tool module: the JACK server has stopped\n";
                return 1;
            }
        }
    } catch (const midi::BackendError& e) {
        err << "xg-orvo-tool module: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

const Command kModuleCommands[] = {
    {"module",
     "module --port NAME [--alsa] [--device N] [--silent] "
     "[--answer system,effects,parts,drums,voices] [--quiet]",
     &moduleCommand},
};

} // namespace

ModuleArguments parseModuleArguments(std::span<const std::string> args) {
    ModuleArguments result;
    auto& options = result.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--port" && hasValue) {
            options.port = args[++i];
        } else if (a == "--device" && hasValue) {
            const auto n = parseNumber(args[++i], 0, 15);
            if (!n) return {options, "the device number is 0..15"};
            options.device = static_cast<int>(*n);
        } else if (a == "--answer" && hasValue) {
            if (!setAnswerList(args[++i], options))
                return {options, "--answer takes a list of system, effects, parts, drums, voices"};
        } else if (a == "--silent") {
            options.silent = true;
        } else if (a == "--quiet") {
            options.quiet = true;
        } else if (a == "--alsa") {
            options.system = midi::MidiSystem::Alsa;
        } else {
            return {options, "unknown or incomplete argument '" + a + "'"};
        }
    }
    if (options.port.empty()) return {options, "the port name is missing (--port NAME)"};
    return result;
}

std::span<const Command> moduleCommands() {
    return kModuleCommands;
}

} // namespace tool
