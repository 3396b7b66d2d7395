#include "effects/effect_area_names.h"

#include "image/effect_types.h"

namespace effects {
namespace {

std::string rowName(image::EffectKind kind) {
    return std::string(image::effectKindName(kind));
}

} // namespace

std::string knobAreaName(image::EffectKind kind, int slot) {
    return rowName(kind) + " knob " + std::to_string(slot);
}

std::string typeListAreaName(image::EffectKind kind) {
    return rowName(kind) + " type list";
}

std::string ledAreaName(image::EffectKind kind) {
    return rowName(kind) + " on/off";
}

std::string toolAreaName(ToolArea area) {
    switch (area) {
    case ToolArea::MasterTune:
        return "Master Tune";
    case ToolArea::MasterVolume:
        return "Master Volume";
    case ToolArea::Transpose:
        return "Transpose";
    case ToolArea::VoiceEditor:
        return "QS300 EDIT";
    case ToolArea::ThruLed:
        return "THRU";
    case ToolArea::About:
        return "About";
    case ToolArea::VirtualKeyboard:
        return "KEYB";
    case ToolArea::DrumEditor:
        return "DRUM";
    case ToolArea::KeyboardRange:
        return "RANGE";
    case ToolArea::None:
        break;
    }
    return {};
}

} // namespace effects
