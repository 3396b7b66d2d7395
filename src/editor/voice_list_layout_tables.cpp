#include "editor/voice_list_layout_tables.h"

namespace editor {

// clang-format off
const std::array<DesignedList, kVoiceListTotal> kDesignedVoiceLists{{
    {304,  18, 113, 473, 1}, // Piano
    {240, 128, 113, 245, 1}, // Chromatic
    { 80, 110, 113, 437, 1}, // Organ
    { 80, 153, 113, 353, 1}, // Guitar
    { 24,  34, 113, 509, 1}, // Bass
    {328, 182, 113, 149, 1}, // Strings
    {368, 110, 113, 412, 1}, // Ensemble
    {368, 110, 113, 389, 1}, // Brass
    {360, 224, 113, 161, 1}, // Reed
    {360, 238, 113, 101, 1}, // Pipe
    {408, 110, 113, 437, 1}, // Synth Lead
    {384, 110, 113, 353, 1}, // Synth Pad
    {400, 110, 226, 353, 2}, // Synth Effects
    {400, 110, 113, 257, 1}, // Ethnic
    {408, 110, 113, 281, 1}, // Percussive
    {472, 110, 226, 317, 2}, // SFX
    {440, 336, 113, 161, 1}, // Drums
    {352,  40, 226, 401, 2}, // QS300 Preset
    {304,  40, 226, 401, 2}, // QS300 User
}};
// clang-format on

} // namespace editor
