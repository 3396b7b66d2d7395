#include "effects/effect_rows_painter.h"

#include "draw/artwork.h"
#include "draw/buttons.h"
#include "draw/drawn_controls.h"
#include "draw/fonts.h"
#include "draw/frames.h"
#include "draw/knobs.h"
#include "draw/palette.h"
#include "draw/text.h"
#include "effects/effect_area_names.h"
#include "effects/effect_slot_lookup.h"

#include <algorithm>

namespace effects {
namespace {

using image::EffectKind;

constexpr draw::Colour kWindowColour = draw::rgb(190, 154, 74);
constexpr draw::Colour kRowFill = draw::rgb(206, 170, 104);
constexpr HitRect kArea{6, kAreaTop, 587, 553};
constexpr int kHeaderHeight = 14;
constexpr int kNameRight = 78; // the name is right-aligned here inside the field

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

int knobPosition(int value, int minimum, int maximum) {
    if (maximum <= minimum) return 0;
    return static_cast<int>(static_cast<long long>(std::clamp(value, minimum, maximum) - minimum) *
                            127 / (maximum - minimum));
}

} // namespace

void EffectRowsPainter::restore(int left, int top, int right, int bottom) {
    canvas_.blit(left, top, right - left + 1, bottom - top + 1, background_, left - kArea.left,
                 top - kArea.top);
}

HitRect EffectRowsPainter::paintBackground() {
    canvas_.fillRect(kArea.left, kArea.top, kArea.right + 1, kArea.bottom + 1, kWindowColour);
    for (EffectKind kind : {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation}) {
        const RowGeometry& row = rowGeometry(kind);
        canvas_.setPen(draw::ColBronze);
        canvas_.setBrush(kRowFill);
        canvas_.rectangle(kAreaLeft, row.bandTop, kAreaRight + 1, row.bandBottom + 1);
        draw::DrawRaisedFrame(canvas_, kAreaLeft + 1, row.bandTop + 1, kAreaRight - 1,
                              row.bandBottom - 1);
        // The header strip carries the brass texture, like the title strips elsewhere.
        canvas_.blit(kAreaLeft + 3, row.headerY - 1, kAreaRight - kAreaLeft - 5, kHeaderHeight + 1,
                     draw::artwork().titleStrip, kAreaLeft + 3, 0);
        draw::DrawLine(canvas_, kAreaLeft + 3, row.headerY + kHeaderHeight, kAreaRight - 2,
                       row.headerY + kHeaderHeight, draw::ColBronze);
        canvas_.setTextAlign(draw::TextAlign::Left);
        draw::EtchedText(canvas_, 15, row.headerY + 2, draw::ColDarkBrown, row.title, -8);
    }
    background_ = canvas_.image().copy(kArea.left, kArea.top, kArea.right - kArea.left + 1,
                                       kArea.bottom - kArea.top + 1);
    return kArea;
}

HitRect EffectRowsPainter::paintKnob(EffectKind kind, int slot, bool visible, int value,
                                     int minimum, int maximum, bool active) {
    const HitRect r = knobRect(kind, slot);
    // The knob's disc and shadow fill the hit rectangle's 23 rows; all of them go.
    const HitRect area{r.left - 4, r.top, r.left + 23, r.top + kKnobSize};
    if (background_.isNull()) return area;
    restore(area.left, area.top, area.right, area.bottom);
    const draw::DrawnOwner owner(canvas_, knobAreaName(kind, slot));
    if (visible)
        draw::DrawKnob(canvas_, r.left + 1, r.top - 1, knobPosition(value, minimum, maximum),
                       active);
    return area;
}

HitRect EffectRowsPainter::paintLabel(EffectKind kind, int slot, std::string_view label) {
    const int left = labelLeft(kind, slot);
    const int top = rowGeometry(kind).labelY;
    const HitRect area{left, top + 1, left + kLabelWidth - 1, top + kLabelHeight - 1};
    if (background_.isNull()) return area;
    restore(area.left, area.top, area.right, area.bottom);
    canvas_.setClip(area.left, area.top, area.right + 1, area.bottom + 1);
    canvas_.setTextAlign(draw::TextAlign::Centre);
    draw::SmallText(canvas_, left + kLabelWidth / 2, top, draw::ColBlack, qs(label), -8);
    canvas_.resetClip();
    return area;
}

HitRect EffectRowsPainter::paintHeader(EffectKind kind, int type, bool on) {
    const RowGeometry& row = rowGeometry(kind);
    const HitRect area{row.grooveLeft, row.headerY - 1, kLedX + kLedSize, row.headerY + 12};
    if (background_.isNull()) return area;
    restore(area.left, area.top, area.right, area.bottom);

    // The name first decides how far the grooves may run.
    canvas_.setFont(draw::toolkitFont(draw::FontFace::Sans, -9, 400));
    const QString name = qs(typeFieldText(kind, type));
    const int nameLeft = kNameFieldX + kNameRight - canvas_.textWidth(name) - 4;
    const int grooveEnd = std::min(kGrooveRight, nameLeft);
    for (int i = 0; i < 3; ++i) {
        const int y = row.headerY + 2 + 4 * i;
        draw::DrawLine(canvas_, row.grooveLeft, y, grooveEnd, y, draw::ColBrown);
        draw::DrawLine(canvas_, row.grooveLeft, y + 1, grooveEnd, y + 1, draw::ColHighlight);
    }
    canvas_.setClip(kNameFieldX, row.headerY - 1, kNameFieldX + kNameFieldWidth,
                    row.headerY + kNameFieldHeight);
    canvas_.setTextAlign(draw::TextAlign::Right);
    canvas_.text(kNameFieldX + kNameRight, row.headerY + 1, name, draw::ColHighlight);
    canvas_.text(kNameFieldX + kNameRight - 1, row.headerY, name, draw::ColBlack);
    canvas_.resetClip();

    const HitRect list = listButtonRect(kind);
    {
        const draw::DrawnOwner owner(canvas_, typeListAreaName(kind));
        draw::DrawArrowButton(canvas_, list.left + 2, list.top, list.right - 2, draw::ButtonUp);
    }
    const HitRect led = ledRect(kind);
    draw::DrawLed(canvas_, led.left, led.top, on ? draw::LedRed : draw::LedGrey);
    return area;
}

HitRect EffectRowsPainter::paintConnection(Connection connection) {
    const bool system = connection == Connection::System;
    {
        const draw::DrawnOwner owner(canvas_, kInsAreaName);
        draw::DrawSmallButton(canvas_, kInsButton.left + 2, kInsButton.top, kInsButton.right - 2,
                              "INS", system ? draw::ButtonUp : draw::ButtonPressed);
    }
    const draw::DrawnOwner owner(canvas_, kSysAreaName);
    draw::DrawSmallButton(canvas_, kSysButton.left + 2, kSysButton.top, kSysButton.right - 2, "SYS",
                          system ? draw::ButtonPressed : draw::ButtonUp);
    return {kInsButton.left, kInsButton.top, kSysButton.right, kSysButton.bottom};
}

} // namespace effects
