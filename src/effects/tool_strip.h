#pragma once
// The tool strip at the top right of the surface: the QS300 editor button, the MIDI thru
// LED, the program's name (the about box), the buttons of the virtual keyboard, the drum
// setup editor and the keyboard range page, and the three system knobs.

#include "draw/canvas.h"
#include "effects/effect_geometry.h"
#include "effects/system_knobs.h"
#include "image/synth_image.h"

#include <QImage>
#include <array>
#include <span>

namespace effects {

// Hot areas of the strip, numbered as the surface tests them (9..17).
enum class ToolArea {
    None = 0,
    MasterTune = 9,
    MasterVolume = 10,
    Transpose = 11,
    VoiceEditor = 12,
    ThruLed = 13,
    About = 14,
    VirtualKeyboard = 15,
    DrumEditor = 16,
    KeyboardRange = 17,
};

inline constexpr std::size_t kPanelButtonCount = 3;

struct ToolAreaEntry {
    ToolArea area;
    HitRect rect;
};

// The hot areas in the order a press tests them.
std::span<const ToolAreaEntry> toolAreas();
// The part of a hot area that a press reaches: the part page lies over its lower end.
HitRect pressableToolRect(const HitRect& rect);
// The first hot area (in table order) that contains the point.
ToolArea findToolArea(int x, int y);

class ToolStripPainter {
  public:
    explicit ToolStripPainter(draw::Canvas& canvas) : canvas_(canvas) {}

    // The whole strip; returns its area.
    HitRect paint(const image::SystemBlock& system, bool thru);
    HitRect paintKnob(const image::SystemBlock& system, SystemKnob knob, bool active);
    HitRect paintThruLed(bool on);
    HitRect paintVoiceButton(bool pressed);
    // "KEYB", "DRUM" or "RANGE", pressed while its screen is open; the whole strip keeps
    // the state.
    HitRect paintPanelButton(ToolArea area, bool pressed);

  private:
    draw::Canvas& canvas_;
    QImage background_; // the strip's frame and panel, kept when the strip is painted
    std::array<bool, kPanelButtonCount> panelPressed_{};
};

} // namespace effects
