#include "app/help_topics.h"

#include <array>

namespace app {
namespace {

constexpr std::array<HelpTopic, 14> kTopics{{
    {"Inhalt", "index"},
    {"X_Start", "getting-started"},
    {"X_Ports", "midi-ports"},
    {"X_PartEditor", "part-editor"},
    {"X_Effects", "effects"},
    {"X_QS300Editor", "qs300-editor"},
    {"X_DrumEditor", "drum-editor"},
    {"X_KeyRange", "keyboard-range"},
    {"X_VirtualKeyboard", "virtual-keyboard"},
    {"X_Files", "files"},
    {"X_Settings", "settings"},
    {"X_PartJobs", "part-jobs"},
    {"X_Tool", "command-line-tool"},
    {"X_Trouble", "troubleshooting"},
}};

} // namespace

std::span<const HelpTopic> helpTopics() {
    return kTopics;
}

} // namespace app
