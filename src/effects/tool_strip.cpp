#include "effects/tool_strip.h"

#include "draw/buttons.h"
#include "draw/drawn_controls.h"
#include "draw/fonts.h"
#include "draw/frames.h"
#include "draw/knobs.h"
#include "draw/palette.h"
#include "draw/text.h"
#include "effects/effect_area_names.h"

#include <algorithm>
#include <array>

namespace effects {
namespace {

constexpr std::array<ToolAreaEntry, 9> kAreas{{
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

constexpr int kButtonTop = 34;

// The buttons that open the virtual keyboard, the drum editor and the range page; each is
// drawn pressed while its screen is open.
struct PanelButton {
    ToolArea area;
    HitRect rect;
    const char* caption;
};
constexpr std::array<PanelButton, kPanelButtonCount> kPanelButtons{{
    {ToolArea::VirtualKeyboard, tool::kVirtualKeyboard, "KEYB"},
    {ToolArea::DrumEditor, tool::kDrumEditor, "DRUM"},
    {ToolArea::KeyboardRange, tool::kKeyboardRange, "RANGE"},
}};
// The knobs' captions sit between the name box and the knobs.
constexpr int kCaptionY = 25;
// The knob sprite's visible disc and shadow: 22 x 22 pixels from (x, y + 2) for a knob
// drawn at (x, y).
constexpr int kKnobDisc = 22;
constexpr int kKnobDiscTop = 2;
// All three knobs stand on one line: the top of the small knobs' hot areas, which puts the
// master volume knob in the middle of its larger one.
constexpr int kKnobTop = 34;

int knobPosition(int value, int minimum, int maximum) {
    if (maximum <= minimum) return 0;
    return (std::clamp(value, minimum, maximum) - minimum) * 127 / (maximum - minimum);
}

// The left edge of a knob's disc: centred across its hot area.
int knobLeft(const HitRect& r) {
    return r.left + (r.right - r.left + 1 - kKnobDisc) / 2;
}

} // namespace

std::span<const ToolAreaEntry> toolAreas() {
    return kAreas;
}

HitRect pressableToolRect(const HitRect& rect) {
    // The part page takes the presses below the strip (a knob's area reaches into it).
    const HitRect& page = tool::kPartPage;
    const bool overPage = rect.left <= page.right && rect.right >= page.left;
    if (!overPage || rect.bottom < page.top) return rect;
    return {rect.left, rect.top, rect.right, page.top - 1};
}

ToolArea findToolArea(int x, int y) {
    if (tool::kPartPage.contains(x, y)) return ToolArea::None;
    for (const ToolAreaEntry& entry : kAreas)
        if (entry.rect.contains(x, y)) return entry.area;
    return ToolArea::None;
}

HitRect ToolStripPainter::paint(const image::SystemBlock& system, bool thru) {
    const HitRect& a = tool::kArea;
    canvas_.fillRect(a.left, a.top, a.right + 1, a.bottom + 1, draw::rgb(190, 154, 74));
    draw::DrawSunkenFrame(canvas_, a.left, a.top + 1, a.right - 1, a.bottom - 1);
    draw::FillPanel(canvas_, a.left + 2, a.top + 3, a.right - 1, a.bottom - 1);
    // A knob is redrawn over this, so that it can cross the frame.
    background_ = canvas_.image().copy(a.left, a.top, a.right - a.left + 1, a.bottom - a.top + 1);
    paintVoiceButton(false);
    paintThruLed(thru);

    // The program's name; a click shows the about box.
    const HitRect& about = tool::kAbout;
    {
        const draw::DrawnOwner owner(canvas_, toolAreaName(ToolArea::About));
        draw::DrawValueBox(canvas_, about.left, about.top, about.right, about.bottom);
    }
    canvas_.fillRect(about.left + 2, about.top + 2, about.right - 1, about.bottom - 1,
                     draw::ColBlack);
    canvas_.setTextAlign(draw::TextAlign::Centre);
    draw::SansText(canvas_, draw::captionCentre(about.left, about.right), about.top + 3,
                   draw::ColYellow, "XG-Orvo", 700, -12);

    for (std::size_t i = 0; i < kPanelButtons.size(); ++i)
        paintPanelButton(kPanelButtons[i].area, panelPressed_[i]);

    for (SystemKnob knob :
         {SystemKnob::MasterTune, SystemKnob::MasterVolume, SystemKnob::Transpose}) {
        const SystemKnobInfo& info = systemKnobInfo(knob);
        canvas_.setTextAlign(draw::TextAlign::Centre);
        draw::SmallText(
            canvas_, knobLeft(info.rect) + kKnobDisc / 2, kCaptionY, draw::ColBlack,
            QString::fromUtf8(info.caption.data(), static_cast<int>(info.caption.size())), -7);
        paintKnob(system, knob, false);
    }
    return a;
}

HitRect ToolStripPainter::paintPanelButton(ToolArea area, bool pressed) {
    for (std::size_t i = 0; i < kPanelButtons.size(); ++i) {
        if (kPanelButtons[i].area != area) continue;
        panelPressed_[i] = pressed;
        const HitRect& r = kPanelButtons[i].rect;
        const draw::DrawnOwner owner(canvas_, toolAreaName(area));
        draw::DrawPadButton(canvas_, r.left + 2, kButtonTop, r.right - 2, kPanelButtons[i].caption,
                            pressed ? draw::ButtonPressed : draw::ButtonUp);
        return {r.left, kButtonTop, r.right, kButtonTop + 15};
    }
    return {};
}

HitRect ToolStripPainter::paintKnob(const image::SystemBlock& system, SystemKnob knob,
                                    bool active) {
    const SystemKnobInfo& info = systemKnobInfo(knob);
    const draw::DrawnOwner owner(canvas_, std::string(info.title));
    const int left = knobLeft(info.rect);
    // The disc ends where the strip does: the part page lies below.
    const HitRect area{left, kKnobTop, left + kKnobDisc - 1,
                       std::min(kKnobTop + kKnobDisc - 1, tool::kArea.bottom)};
    if (!background_.isNull())
        canvas_.blit(area.left, area.top, area.right - area.left + 1, area.bottom - area.top + 1,
                     background_, area.left - tool::kArea.left, area.top - tool::kArea.top);
    canvas_.setClip(area.left, area.top, area.right + 1, area.bottom + 1);
    draw::DrawKnob(canvas_, left, kKnobTop - kKnobDiscTop,
                   knobPosition(systemKnobValue(system, knob), info.minimum, info.maximum), active);
    canvas_.resetClip();
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
    const draw::DrawnOwner owner(canvas_, toolAreaName(ToolArea::VoiceEditor));
    draw::DrawButton(canvas_, r.left + 2, r.top + 4, r.right - 2, "QS300 EDIT",
                     pressed ? draw::ButtonPressed : draw::ButtonUp);
    return r;
}

} // namespace effects
