// check, dump, rewrite and config: the file layer seen from the command line.

#include "commands.h"
#include "dump_format.h"

#include "files/app_paths.h"
#include "files/errors.h"
#include "files/midi_data.h"
#include "files/settings.h"

#include <array>
#include <optional>

namespace tool {

namespace {

// Wrong arguments: one line saying how the command is used, and status 2.
int badArguments(std::ostream& err, const char* usage) {
    err << "xg-orvo-tool: usage: xg-orvo-tool " << usage << '\n';
    return 2;
}

// Reads a MIDI file; on failure prints the error text alone and returns false.
bool readMidiFile(const std::string& path, files::TxMidiData& data, std::ostream& err) {
    data.setFileName(path);
    try {
        data.SetActive(true);
        return true;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return false;
    }
}

int runCheck(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return badArguments(err, "check FILE");
    files::TxMidiData data;
    if (!readMidiFile(args[0], data, err)) return 1;
    out << "ok: format " << data.format() << ", " << data.trackCount() << " tracks, division "
        << data.division() << ", " << data.eventCount() << " events\n";
    return 0;
}

int runDump(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return badArguments(err, "dump FILE");
    files::TxMidiData data;
    if (!readMidiFile(args[0], data, err)) return 1;
    for (std::size_t t = 0; t < data.trackCount(); ++t) {
        const auto& track = data.Track(t);
        for (std::size_t i = 0; i < track.count(); ++i) {
            const auto event = track.event(i);
            out << t + 1 << ' ' << event.time << ' ' << describeEvent(track, event) << '\n';
        }
    }
    return 0;
}

int runRewrite(std::span<const std::string> args, std::ostream&, std::ostream& err) {
    if (args.size() != 2) return badArguments(err, "rewrite IN OUT");
    files::TxMidiData data;
    if (!readMidiFile(args[0], data, err)) return 1;
    data.setFileName(args[1]);
    try {
        data.Save();
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return 1;
    }
    return 0;
}

int runConfig(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    std::optional<std::filesystem::path> base;
    if (args.size() == 2 && args[0] == "--base-dir") {
        base = args[1];
    } else if (!args.empty()) {
        return badArguments(err, "config [--base-dir DIR]");
    }
    const auto settings = files::LoadSettings(files::resolveAppPaths(base).configFile());
    for (const auto& line : files::describeSettings(settings)) out << line << '\n';
    return 0;
}

constexpr std::array commands{
    Command{"check", "check FILE          read a MIDI file and summarise it", runCheck},
    Command{"dump", "dump FILE           list every event of a MIDI file", runDump},
    Command{"rewrite", "rewrite IN OUT      read a MIDI file and write it back", runRewrite},
    Command{"config", "config [--base-dir DIR]  show the settings", runConfig},
};

} // namespace

std::span<const Command> fileCommands() {
    return commands;
}

} // namespace tool
