#include "effects/system_knobs.h"

#include "effects/display_forms.h"
#include "effects/effect_geometry.h"

#include <algorithm>
#include <array>

namespace effects {
namespace {

constexpr int kTransposeCentre = 64;

constexpr std::array<SystemKnobInfo, 3> kSystemKnobs{{
    {"Master Tune", "TUNE", 0, 2047, tool::kMasterTune},
    {"Master Volume", "VOL", 0, 127, tool::kMasterVolume},
    {"Transpose", "TRANS", 40, 88, tool::kTranspose},
}};

} // namespace

const SystemKnobInfo& systemKnobInfo(SystemKnob knob) {
    return kSystemKnobs[static_cast<std::size_t>(knob)];
}

int systemKnobValue(const image::SystemBlock& system, SystemKnob knob) {
    switch (knob) {
    case SystemKnob::MasterTune:
        return system.masterTune();
    case SystemKnob::MasterVolume:
        return system.masterVolume;
    case SystemKnob::Transpose:
        return system.transpose;
    }
    return 0;
}

void storeSystemKnob(image::SystemBlock& system, SystemKnob knob, int value) {
    const SystemKnobInfo& info = systemKnobInfo(knob);
    const int v = std::clamp(value, info.minimum, info.maximum);
    switch (knob) {
    case SystemKnob::MasterTune:
        system.setMasterTune(v);
        break;
    case SystemKnob::MasterVolume:
        system.masterVolume = static_cast<image::Byte>(v);
        break;
    case SystemKnob::Transpose:
        system.transpose = static_cast<image::Byte>(v);
        break;
    }
}

void sendSystemKnob(midi::XgMessages& messages, const image::SystemBlock& system, SystemKnob knob) {
    switch (knob) {
    case SystemKnob::MasterTune:
        messages.SendMasterTune(system.masterTune());
        break;
    case SystemKnob::MasterVolume:
        messages.SendSystemParam(midi::kMasterVolumeAddress, system.masterVolume);
        break;
    case SystemKnob::Transpose:
        messages.SendSystemParam(midi::kTransposeAddress, system.transpose);
        break;
    }
}

std::string systemKnobText(SystemKnob knob, int value) {
    switch (knob) {
    case SystemKnob::MasterTune:
        return formatEffectValue(form::kMasterTune, value);
    case SystemKnob::MasterVolume:
        return std::to_string(value);
    case SystemKnob::Transpose: {
        const int semitones = value - kTransposeCentre;
        return (semitones > 0 ? "+" : "") + std::to_string(semitones);
    }
    }
    return {};
}

} // namespace effects
