#pragma once
// What the file dialogs of the set, effect and drum commands offer and which names they
// accept: the kind's own extension or "MID", in any case.

#include "files/set_sections.h"

#include <optional>
#include <string>
#include <string_view>

namespace files {

struct SetFileKindText {
    std::string_view name;        // "Set File"
    std::string_view extension;   // "XGS"
    std::string_view initialName; // "*.XGS"
};

inline constexpr std::string_view kMidiFileName = "Midi File";
inline constexpr std::string_view kMidiExtension = "MID";

SetFileKindText setFileKindText(SetKind kind);

// "Load Set File", "Save Drum File".
std::string setFileDialogTitle(SetKind kind, bool saving);

// 1 for the kind's own filter, 2 for the MIDI filter when the last name ends in "MID".
int setFileFilterIndex(const std::string& lastName);

// The name the command goes on with, or none when it does nothing: a name without a dot
// gets the extension of the chosen filter (1 own, 2 MIDI); then the last three characters,
// in upper case, must be the kind's own extension or "MID".
std::optional<std::string> acceptedSetFileName(SetKind kind, std::string name, int filterIndex);

} // namespace files
