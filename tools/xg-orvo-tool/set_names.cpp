#include "set_names.h"

#include "image/effect_types.h"
#include "midi/parameter_names.h"

#include <cstdio>

namespace tool {

namespace {

using Target = files::AppliedMessage::Target;

// The XG address of an effect block byte (within 02 01): the last six bytes sit at 10, 30
// and 70.
int effectAddress(image::EffectKind kind, int index) {
    const int base = kind == image::EffectKind::Reverb   ? 0x00
                     : kind == image::EffectKind::Chorus ? 0x20
                                                         : 0x40;
    const int head = kind == image::EffectKind::Reverb   ? 14
                     : kind == image::EffectKind::Chorus ? 15
                                                         : 33;
    return index < head ? base + index : base + 0x10 * (head > 20 ? 3 : 1) + index - head;
}

std::string voiceName(const image::VoiceDump& dump) {
    std::string name(dump.begin() + image::kVoiceDumpDataStart,
                     dump.begin() + image::kVoiceDumpDataStart + image::kVoiceNameSize);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    for (char& c : name)
        if (c < 0x20 || c > 0x7E) c = '?';
    return name;
}

} // namespace

std::string describeApplied(const files::AppliedMessage& m, const image::SynthImage& image) {
    const std::string value = std::to_string(m.value);
    switch (m.target) {
    case Target::MasterTune:
        return "System  Master tune = " + value;
    case Target::MasterVolume:
        return "System  Master volume = " + value;
    case Target::Transpose:
        return "System  Transpose = " + value;
    case Target::PartVoice:
        return "Part " + std::to_string(m.part + 1) + "  QS300 voice = \"" +
               voiceName(image.partVoices[static_cast<std::size_t>(m.part)]) + "\"";
    case Target::Part:
        return "Part " + std::to_string(m.part + 1) + "  " +
               std::string(midi::partParameterName(m.index)) + " = " + value;
    case Target::Effect: {
        char address[16];
        std::snprintf(address, sizeof address, "02 01 %02X", effectAddress(m.effect, m.index));
        return std::string(image::effectKindName(m.effect)) + "  " + address + " = " + value;
    }
    case Target::Drum:
        return "Drum setup " + std::to_string(m.setup) + " note " + std::to_string(m.note) + "  " +
               std::string(midi::drumParameterName(m.index)) + " = " + value;
    }
    return {};
}

} // namespace tool
