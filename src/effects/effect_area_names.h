#pragma once
// The names a person reads for the effect rows' and the tool strip's hit rectangles: the
// same name marks the rectangle a press is tested against and the pixels painted for it.

#include "effects/tool_strip.h"
#include "image/synth_image.h"

#include <string>

namespace effects {

// "Reverb knob 3" for knob slot 3 (1-based) of the reverb row.
std::string knobAreaName(image::EffectKind kind, int slot);
std::string typeListAreaName(image::EffectKind kind); // "Chorus type list"
std::string ledAreaName(image::EffectKind kind);      // "Variation on/off"
inline constexpr const char* kInsAreaName = "INS";
inline constexpr const char* kSysAreaName = "SYS";
// "Master Volume", "QS300 EDIT", ... for a hot area of the tool strip.
std::string toolAreaName(ToolArea area);

} // namespace effects
