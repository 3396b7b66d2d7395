#include "files/set_file_names.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace files {

namespace {

std::string upperTail(const std::string& name) {
    std::string tail = name.substr(name.size() - 3);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return tail;
}

} // namespace

SetFileKindText setFileKindText(SetKind kind) {
    switch (kind) {
    case SetKind::Set:
        return {"Set File", "XGS", "*.XGS"};
    case SetKind::Fx:
        return {"FX File", "XFX", "*.XFX"};
    case SetKind::Drums:
        return {"Drum File", "XDM", "*.XDM"};
    }
    return {};
}

std::string setFileDialogTitle(SetKind kind, bool saving) {
    return std::string(saving ? "Save " : "Load ") + std::string(setFileKindText(kind).name);
}

int setFileFilterIndex(const std::string& lastName) {
    return lastName.size() >= 3 && upperTail(lastName) == kMidiExtension ? 2 : 1;
}

std::optional<std::string> acceptedSetFileName(SetKind kind, std::string name, int filterIndex) {
    const std::string fileName = std::filesystem::path(name).filename().string();
    if (!fileName.empty() && fileName.find('.') == std::string::npos) {
        name += '.';
        name += filterIndex == 2 ? kMidiExtension : setFileKindText(kind).extension;
    }
    if (name.size() < 3) return std::nullopt;
    const std::string tail = upperTail(name);
    if (tail != setFileKindText(kind).extension && tail != kMidiExtension) return std::nullopt;
    return name;
}

} // namespace files
