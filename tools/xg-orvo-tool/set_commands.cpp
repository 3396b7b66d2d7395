#include "set_commands.h"

#include "commands.h"
#include "midi_commands.h"
#include "set_names.h"

#include "files/set_load.h"
#include "files/set_loader.h"
#include "files/set_writer.h"
#include "image/image_init.h"
#include "midi/clock.h"
#include "midi/forwarding_backend.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/rtmidi/rtmidi_backend.h"
#include "midi/xg_messages.h"

#include <memory>
#include <optional>

namespace tool {

namespace {

// The options every set command takes before its files.
struct SetArguments {
    midi::SynthType type = midi::SynthType::Db50;
    std::optional<std::string> out;
    std::vector<std::string> files;
    std::string error;
};

SetArguments parseSetArguments(std::span<const std::string> args, bool wantsOut) {
    SetArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto& arg = args[i];
        if ((arg == "--type" || (wantsOut && arg == "--out")) && i + 1 >= args.size()) {
            parsed.error = arg + " needs a value";
        } else if (arg == "--type") {
            const auto& type = args[++i];
            if (type == "db50")
                parsed.type = midi::SynthType::Db50;
            else if (type == "qs300")
                parsed.type = midi::SynthType::Qs300;
            else if (type == "other")
                parsed.type = midi::SynthType::OtherXg;
            else
                parsed.error = "unknown synth type '" + type + "' (db50, qs300 or other)";
        } else if (wantsOut && arg == "--out") {
            parsed.out = args[++i];
        } else {
            parsed.files.push_back(arg);
        }
        if (!parsed.error.empty()) break;
    }
    return parsed;
}

std::unique_ptr<image::SynthImage> resetImage() {
    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    return image;
}

int setInfoCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = parseSetArguments(args, false);
    if (!parsed.error.empty() || parsed.files.size() != 1) {
        err << "xg-orvo-tool set-info: "
            << (parsed.error.empty() ? "one file is needed" : parsed.error) << '\n';
        return 2;
    }
    const auto start = resetImage();
    std::vector<files::AppliedMessage> applied;
    files::TxMidiData container;
    container.setFileName(parsed.files[0]);
    const auto loaded =
        files::readSetFile(container, files::SetKind::Set, *start, parsed.type,
                           [&](const files::AppliedMessage& m) { applied.push_back(m); });
    for (const auto& m : applied) out << describeApplied(m, *loaded.image) << '\n';
    for (const auto& notice : loaded.notices) out << "Note: " << notice << '\n';
    return 0;
}

int saveSetCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const auto parsed = parseSetArguments(args, false);
    if (!parsed.error.empty() || parsed.files.size() != 2) {
        err << "xg-orvo-tool save-set: "
            << (parsed.error.empty() ? "an input and an output file are needed" : parsed.error)
            << '\n';
        return 2;
    }
    const auto start = resetImage();
    files::TxMidiData container;
    container.setFileName(parsed.files[0]);
    const auto loaded = files::readSetFile(container, files::SetKind::Set, *start, parsed.type);
    files::SetWriteOptions options;
    options.type = parsed.type;
    files::saveSetFile(parsed.files[1], *loaded.image, files::sectionsOf(files::SetKind::Set),
                       options);
    for (const auto& notice : loaded.notices) err << "Note: " << notice << '\n';
    out << "wrote " << parsed.files[1] << '\n';
    return 0;
}

// Counts what leaves and shows how far the send has come.
class ProgressBackend final : public midi::ForwardingBackend {
  public:
    ProgressBackend(midi::Backend& inner, std::size_t total, std::ostream& err)
        : ForwardingBackend(inner), total_(total), err_(err) {}
    void send(midi::Bytes message) override {
        ForwardingBackend::send(message);
        sent_ += message.size();
        const auto percent = total_ == 0 ? 100 : sent_ * 100 / total_;
        if (percent != shown_) {
            shown_ = percent;
            err_ << "\rsending " << percent << " % (" << sent_ << " of " << total_ << " bytes)"
                 << std::flush;
        }
    }

  private:
    std::size_t total_;
    std::ostream& err_;
    std::size_t sent_ = 0;
    std::size_t shown_ = 101;
};

// Loads the set into a reset image exactly as the program does and sends it over `backend`.
files::LoadReport loadAndSend(midi::Backend& backend, const std::string& path, midi::SynthType type,
                              const std::string* outName, std::ostream& err, bool& opened) {
    midi::SteadyClock steady;
    midi::ManualClock dryClock;
    midi::Clock& clock = outName ? static_cast<midi::Clock&>(steady) : dryClock;
    midi::MidiPort port(backend, clock);
    opened = outName ? openNamedOutput(port, *outName, "send-set", err) : true;
    if (!opened) return {};
    if (!outName) {
        port.FillDeviceLists();
        port.OpenMidiOut(0);
    }
    auto image = resetImage();
    midi::XgMessages messages(port, *image, clock);
    midi::SynthOptions options;
    options.type = type;
    // Nothing answers on the command line: voices go without the handshake.
    options.timeoutCheck = false;
    messages.setOptions(options);
    files::TxMidiData container;
    auto report = files::loadSetInto(path, files::SetKind::Set, container, *image, port, messages);
    port.drain();
    return report;
}

} // namespace

int runSendSet(midi::Backend& backend, std::span<const std::string> args, std::ostream& out,
               std::ostream& err) {
    const auto parsed = parseSetArguments(args, true);
    if (!parsed.error.empty() || !parsed.out || parsed.files.size() != 1) {
        err << "xg-orvo-tool send-set: "
            << (!parsed.error.empty() ? parsed.error
                : !parsed.out         ? std::string("the output port is missing (--out NAME)")
                                      : std::string("one file is needed"))
            << '\n';
        return 2;
    }
    // A dry run into memory tells how many bytes the send will take.
    midi::MemoryBackend dry({}, {"dry"});
    bool opened = true;
    loadAndSend(dry, parsed.files[0], parsed.type, nullptr, err, opened);
    ProgressBackend counting(backend, dry.sentBytes(), err);
    const auto report =
        loadAndSend(counting, parsed.files[0], parsed.type, &*parsed.out, err, opened);
    if (!opened) return 1;
    err << '\n';
    for (const auto& notice : report.notices) err << "Note: " << notice << '\n';
    out << "sent " << parsed.files[0] << " to " << *parsed.out << " (" << dry.sentBytes()
        << " bytes)\n";
    return 0;
}

namespace {

int sendSetCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    midi::RtMidiBackend backend;
    return runSendSet(backend, args, out, err);
}

const Command kSetCommands[] = {
    {"set-info", "set-info [--type db50|qs300|other] FILE", &setInfoCommand},
    {"send-set", "send-set --out NAME [--type db50|qs300|other] FILE", &sendSetCommand},
    {"save-set", "save-set [--type db50|qs300|other] IN OUT", &saveSetCommand},
    {"syx2set", "syx2set IN.syx OUT.XGS", &syxToSetCommand},
    {"set2syx", "set2syx IN.XGS OUT.syx", &setToSyxCommand},
};

} // namespace

std::span<const Command> setCommands() {
    return kSetCommands;
}

} // namespace tool
