#include "effects/tool_strip.h"

#include "draw/buttons.h"
#include "draw/fonts.h"
#include "draw/frames.h"
#include "draw/knobs.h"
#include "draw/palette.h"
#include "draw/text.h"

#include <algorithm>
#include <array>

namespace effects {
namespace {

struct AreaEntry {
    ToolArea area;
    HitRect rect;
};

constexpr std::array<AreaEntry, 9> kAreas{{
    {ToolArea::MasterTune, tool::kMasterTune},
    {ToolArea::MasterVolume, tool::kMasterVolume},
    {ToolArea::Transpose, tool::kTranspose},
    {ToolArea::VoiceEditor, tool::kVoiceEditor},
    {ToolArea::ThruLed, tool::kThruLed},
    {ToolArea::About, tool::kAbout},
    {ToolArea::VirtualKeyboard, tool::kVirtualKeyboard},
    {ToolArea::DrumEditor, tool::kDrumEditor},
    {ToolArea::KeyboardRange, tool::kKeyboardRange},
}};

// The knobs sit a little higher than their hot areas so that they stay clear of the page.
constexpr int kKnobTop = 23;
constexpr int kButtonTop = 34;
constexpr int kCaptionY = 44;

int knobPosition(int value, int minimum, int maximum) {
    if (maximum <= minimum) return 0;
    return (std::clamp(value, minimum, maximum) - minimum) * 127 / (maximum - minimum);
}

// Where the 23 x 23 knob of a hot area is drawn: centred across the area.
int knobLeft(const HitRect& r) {
    return r.left + (r.right - r.left - kKnobSize) / 2;
}

} // namespace

ToolArea findToolArea(int x, int y) {
    for (const AreaEntry& entry : kAreas)
        if (entry.rect.contains(x, y)) return entry.area;
    return ToolArea::None;
}

HitRect ToolStripPainter::paint(const image::SystemBlock& system, bool thru) {
    const HitRect& a = tool::kArea;
    canvas_.fillRect(a.left, a.top, a.right + 1, a.bottom + 1, draw::rgb(190, 154, 74));
    draw::DrawSunkenFrame(canvas_, a.left, a.top + 1, a.right - 1, a.bottom - 1);
    draw::FillPanel(canvas_, a.left + 2, a.top + 3, a.right - 1, a.bottom - 1);
    paintVoiceButton(false);
    paintThruLed(thru);

    // The program's name; a click shows the about box.
    const HitRect& about = tool::kAbout;
    draw::DrawValueBox(canvas_, about.left, about.top, about.right, about.bottom);
    canvas_.fillRect(about.left + 2, about.top + 2, about.right - 1, about.bottom - 1,
                     draw::ColBlack);
    canvas_.setTextAlign(draw::TextAlign::Centre);
    draw::SansText(canvas_, draw::captionCentre(about.left, about.right), about.top + 3,
                   draw::ColYellow, "XG-Orvo", 700, -12);

    static constexpr const char* kButtons[] = {"KEYB", "DRUM", "RANGE"};
    const HitRect rects[] = {tool::kVirtualKeyboard, tool::kDrumEditor, tool::kKeyboardRange};
    for (int i = 0; i < 3; ++i)
        draw::DrawPadButton(canvas_, rects[i].left + 2, kButtonTop, rects[i].right - 2, kButtons[i],
                            draw::ButtonUp);

    for (SystemKnob knob :
         {SystemKnob::MasterTune, SystemKnob::MasterVolume, SystemKnob::Transpose}) {
        const SystemKnobInfo& info = systemKnobInfo(knob);
        canvas_.setTextAlign(draw::TextAlign::Centre);
        draw::SmallText(
            canvas_, knobLeft(info.rect) + 9, kCaptionY, draw::ColBlack,
            QString::fromUtf8(info.caption.data(), static_cast<int>(info.caption.size())), -7);
        paintKnob(system, knob, false);
    }
    return a;
}

HitRect ToolStripPainter::paintKnob(const image::SystemBlock& system, SystemKnob knob,
                                    bool active) {
    const SystemKnobInfo& info = systemKnobInfo(knob);
    const int left = knobLeft(info.rect);
    const int top = kKnobTop;
    // The top row stays: the name box above ends there.
    const HitRect area{left - 4, top + 1, left + 23, top + 21};
    canvas_.fillRect(area.left, area.top, area.right + 1, area.bottom + 1, draw::ColPanel);
    draw::DrawKnob(canvas_, left + 1, top - 1,
                   knobPosition(systemKnobValue(system, knob), info.minimum, info.maximum), active);
    return area;
}

HitRect ToolStripPainter::paintThruLed(bool on) {
    const HitRect& r = tool::kThruLed;
    draw::DrawLed(canvas_, r.left, r.top, on ? draw::LedGreen : draw::LedGrey);
    canvas_.setTextAlign(draw::TextAlign::Centre);
    draw::SmallText(canvas_, r.left + 4, r.bottom + 2, draw::ColBlack, "THRU", -7);
    return {r.left - 8, r.top, r.right + 8, r.bottom + 10};
}

HitRect ToolStripPainter::paintVoiceButton(bool pressed) {
    const HitRect& r = tool::kVoiceEditor;
    draw::DrawButton(canvas_, r.left + 2, r.top + 4, r.right - 2, "QS300 EDIT",
                     pressed ? draw::ButtonPressed : draw::ButtonUp);
    return r;
}

} // namespace effects
