#pragma once
// The three system knobs of the tool strip: master tune (0..2047, 1024 = no detune, shown
// in cents), master volume (0..127) and transpose (40..88, shown -24..+24).

#include "draw/hit_rect.h"
#include "image/synth_image.h"
#include "midi/xg_messages.h"

#include <string>
#include <string_view>

namespace effects {

enum class SystemKnob { MasterTune, MasterVolume, Transpose };

struct SystemKnobInfo {
    std::string_view title;
    std::string_view caption; // above the knob
    int minimum;
    int maximum;
    draw::HitRect rect;
};

const SystemKnobInfo& systemKnobInfo(SystemKnob knob);

int systemKnobValue(const image::SystemBlock& system, SystemKnob knob);
// Stores a value kept inside the knob's range.
void storeSystemKnob(image::SystemBlock& system, SystemKnob knob, int value);
// Sends the knob's current value as the module's system parameter.
void sendSystemKnob(midi::XgMessages& messages, const image::SystemBlock& system, SystemKnob knob);
// The status field text of a value ("-12.5 cent", "127", "+3").
std::string systemKnobText(SystemKnob knob, int value);

} // namespace effects
