#include "set_commands.h"

#include "files/set_loader.h"
#include "files/set_writer.h"
#include "files/syx_file.h"
#include "image/image_init.h"

#include <memory>

namespace tool {

namespace {

std::unique_ptr<image::SynthImage> resetImage() {
    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    return image;
}

bool twoFiles(std::span<const std::string> args, std::string_view command, std::ostream& err) {
    if (args.size() == 2) return true;
    err << "xg-orvo-tool " << command << ": an input and an output file are needed\n";
    return false;
}

// Files are converted as a module of no particular kind would take them: nothing is split
// or narrowed for a DB-50 or a QS300 on the way.
constexpr auto kNeutral = midi::SynthType::OtherXg;

} // namespace

int syxToSetCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (!twoFiles(args, "syx2set", err)) return 2;
    const auto start = resetImage();
    const auto loaded = files::readSysExFile(args[0], files::SetKind::Set, *start, kNeutral);
    files::SetWriteOptions options;
    options.type = kNeutral;
    files::saveSetFile(args[1], *loaded.image, files::sectionsOf(files::SetKind::Set), options);
    out << "wrote " << args[1] << '\n';
    return 0;
}

int setToSyxCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (!twoFiles(args, "set2syx", err)) return 2;
    const auto start = resetImage();
    files::TxMidiData container;
    container.setFileName(args[0]);
    const auto loaded = files::readSetFile(container, files::SetKind::Set, *start, kNeutral);
    files::SetWriteOptions options;
    options.type = kNeutral;
    files::saveSysExFile(args[1], *loaded.image, files::sectionsOf(files::SetKind::Set), options);
    out << "wrote " << args[1] << '\n';
    return 0;
}

} // namespace tool
