// voices and select: QS300 voice libraries and the voice lists seen from the command line.

#include "commands.h"

#include "files/qs300_files.h"
#include "image/image_init.h"
#include "image/voice_catalogue.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/voice_selection.h"
#include "midi/xg_messages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>

namespace tool {

namespace {

constexpr const char* kVoicesUsage = "voices FILE";
constexpr const char* kSelectUsage = "select [--device N] [--type db50|qs300|other] PART LIST ITEM";

int badArguments(std::ostream& err, const char* usage) {
    err << "xg-orvo-tool: usage: xg-orvo-tool " << usage << '\n';
    return 2;
}

std::optional<int> numberIn(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

bool isVoiceFile(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension == files::kVoiceFileExtension;
}

int runVoices(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return badArguments(err, kVoicesUsage);
    try {
        if (isVoiceFile(args[0])) {
            out << image::qsListItemText(0, files::readVoiceFile(args[0])) << '\n';
            return 0;
        }
        auto bank = std::make_unique<image::VoiceBank>();
        const std::size_t bytes = files::readBankFile(args[0], *bank);
        // Only whole voices are listed; a shorter file holds fewer.
        const auto count = bytes / image::kVoiceRecordSize;
        for (std::size_t i = 0; i < count; ++i)
            out << image::qsListItemText(static_cast<int>(i), (*bank)[i]) << '\n';
        return 0;
    } catch (const std::exception& e) {
        err << e.what() << '\n';
        return 1;
    }
}

std::string hexLine(const std::vector<std::uint8_t>& message) {
    std::string line;
    char byte[4];
    for (std::uint8_t b : message) {
        std::snprintf(byte, sizeof byte, "%02X ", b);
        line += byte;
    }
    if (!line.empty()) line.pop_back();
    return line;
}

int runSelect(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    int device = 0;
    midi::SynthType type = midi::SynthType::Db50;
    std::vector<std::string> plain;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--device" || args[i] == "--type") {
            if (i + 1 >= args.size()) return badArguments(err, kSelectUsage);
            const std::string& value = args[++i];
            if (args[i - 1] == "--device") {
                const auto n = numberIn(value, 1, 16);
                if (!n) return badArguments(err, kSelectUsage);
                device = *n - 1;
            } else if (value == "db50") {
                type = midi::SynthType::Db50;
            } else if (value == "qs300") {
                type = midi::SynthType::Qs300;
            } else if (value == "other") {
                type = midi::SynthType::OtherXg;
            } else {
                return badArguments(err, kSelectUsage);
            }
        } else {
            plain.push_back(args[i]);
        }
    }
    if (plain.size() != 3) return badArguments(err, kSelectUsage);
    const auto part = numberIn(plain[0], 1, image::kPartCount);
    const auto list = numberIn(plain[1], 0, image::kVoiceListCount - 1);
    const auto item = list ? numberIn(plain[2], 0, image::voiceListSize(*list) - 1) : std::nullopt;
    if (!part || !list || !item) {
        err << "xg-orvo-tool: PART is 1..16, LIST 0..18 and ITEM an item of that list"
            << " (counted from 0)\n";
        return 2;
    }

    midi::MemoryBackend backend({}, {"Module"});
    midi::ManualClock clock;
    midi::MidiPort port(backend, clock);
    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    midi::XgMessages messages(port, *image, clock);
    midi::SynthOptions options;
    options.type = type;
    // Nothing answers here: the messages are printed, not waited on.
    options.timeoutCheck = false;
    messages.setOptions(options);
    messages.setDeviceNumber(device);
    port.FillDeviceLists();
    port.OpenMidiOut(0);

    midi::VoiceSelection selection(*image, messages);
    selection.setOptions({type, true, true});
    image->currentPart = *part - 1;
    const auto result = selection.select(*list, *item);
    for (const auto& message : backend.sent()) out << hexLine(message) << '\n';
    out << "# part #" << result.part + 1 << (result.pair ? " and the next" : "") << ": "
        << result.name << '\n';
    return 0;
}

constexpr std::array commands{
    Command{"voices", kVoicesUsage, runVoices},
    Command{"select", kSelectUsage, runSelect},
};

} // namespace

std::span<const Command> voiceCommands() {
    return commands;
}

} // namespace tool
