#include "drums/drum_panel_painter.h"

#include "draw/artwork.h"
#include "draw/buttons.h"
#include "draw/drawn_controls.h"
#include "draw/frames.h"
#include "draw/knobs.h"
#include "draw/palette.h"
#include "draw/text.h"
#include "draw/value_texts.h"
#include "drums/drum_layout.h"

#include <algorithm>

namespace drums {
namespace {

constexpr int kRuleRight = 800;
constexpr draw::Colour kGreyCaption = draw::rgb(128, 128, 128);
constexpr const char* kSetupCaptions[2] = {"DRUMSETUP 1", "DRUMSETUP 2"};
constexpr int kSetupHeaderTops[2] = {7, 163};
constexpr int kSetupHeaderRights[2] = {88, 90};

const KnobPlace& knobPlace(int knob) {
    return kKnobs[static_cast<std::size_t>(std::clamp(knob, 1, kKnobCount) - 1)];
}

} // namespace

QString knobValueText(int knob, int value) {
    value = std::clamp(value, 0, 127);
    switch (knobPlace(knob).form) {
    case ValueForm::Signed:
        return QString::fromLatin1(draw::SignedText(value));
    case ValueForm::Decimal:
        return QString::number(value);
    case ValueForm::Pan:
        return QString::fromLatin1(draw::PanText(value));
    case ValueForm::Cent:
        return QString::fromLatin1(draw::SignedText(value)) + QStringLiteral(" cent");
    case ValueForm::AltGroup:
        return value == 0 ? QStringLiteral("Off") : QString::number(value);
    }
    return {};
}

void DrumPanelPainter::paintFixed() {
    canvas_.fillRect(0, 0, canvas_.width(), canvas_.height(), draw::ColPanel);
    draw::DrawLine(canvas_, 0, 0, kRuleRight, 0, draw::ColHighlight);
    draw::DrawLine(canvas_, 0, 1, kRuleRight, 1, draw::ColBlack);
    draw::DrawLine(canvas_, 0, 322, kRuleRight, 322, draw::ColHighlight);
    draw::DrawLine(canvas_, 0, 323, kRuleRight, 323, draw::ColBlack);

    draw::DrawRaisedFrame(canvas_, 96, 7, 212, 22);
    draw::DrawRaisedFrame(canvas_, 220, 7, 394, 81);
    draw::DrawRaisedFrame(canvas_, 400, 7, 574, 81);
    draw::DrawRaisedFrame(canvas_, 220, 81, 394, 135);
    draw::DrawRaisedFrame(canvas_, 400, 81, 574, 135);
    {
        // The group boxes are drawn under no control's name: a press on them does nothing.
        const draw::DrawnOwner none(canvas_, "");
        draw::DrawValueBox(canvas_, 220, 140, 394, 194);
        draw::DrawValueBox(canvas_, 400, 140, 574, 194);
        draw::DrawValueBox(canvas_, 220, 201, 394, 255);
        draw::DrawValueBox(canvas_, 400, 201, 574, 255);
        // Wide knob units with the pot under the middle of the value box.
        for (const KnobPlace& knob : kKnobs) {
            draw::DrawValueBox(canvas_, knob.x - 2, knob.y, knob.x + 34, knob.y + 13);
            draw::CaptionText(canvas_, knob.x + 16, knob.y + 35, draw::ColBlack,
                              QString::fromLatin1(knob.label));
        }
    }
    draw::CaptionText(canvas_, 456, 242, draw::ColBlack, QStringLiteral("KEY ASSIGN"));
    draw::CaptionText(canvas_, 516, 242, draw::ColBlack, QStringLiteral("RECEIVE"));
    draw::DrawRaisedFrame(canvas_, 220, 261, 574, 316);
    keyboard_.draw(canvas_, draw::ColHighlight);
}

void DrumPanelPainter::paintSetupHeaders(int active) {
    for (int setup = 1; setup <= 2; ++setup) {
        const int top = kSetupHeaderTops[setup - 1];
        const bool on = setup == active;
        canvas_.fillRect(9, top + 1, kSetupHeaderRights[setup - 1], top + 15, draw::ColPanel);
        draw::DrawRaisedFrame(canvas_, 8, top, kSetupHeaderRights[setup - 1], top + 15);
        draw::DrawLed(canvas_, 12, top + 4, on ? draw::LedGreen : draw::LedGrey);
        draw::CaptionText(canvas_, 52, top + 3, on ? draw::ColBlack : kGreyCaption,
                          QString::fromLatin1(kSetupCaptions[setup - 1]));
    }
}

void DrumPanelPainter::paintKeyHeader(const std::string& keyName) {
    canvas_.fillRect(97, 8, 212, 22, draw::ColPanel);
    const QString caption = QStringLiteral("EDIT DRUMKEY :");
    draw::LabelText(canvas_, 100, 10, draw::ColBlack, caption);
    // `Labelx` follows the caption; a long name is cut at the frame rather than written
    // over the caption.
    canvas_.setClip(97, 8, 211, 22);
    draw::LabelText(canvas_, 100 + canvas_.textWidth(caption) + 3, 10, draw::ColBlack,
                    QString::fromStdString(keyName.empty() ? std::string("NONE") : keyName));
    canvas_.resetClip();
}

void DrumPanelPainter::paintKnob(int knob, const image::DrumSlot* key, bool active) {
    const KnobPlace& place = knobPlace(knob);
    // The value box's inside, then its text.
    canvas_.fillRect(place.x, place.y + 2, place.x + 33, place.y + 12, draw::ColPanel);
    const draw::DrawnOwner owner(canvas_, place.label);
    const int potX = place.x + kKnobPotOffset;
    if (!key) {
        draw::DrawPot(canvas_, potX, place.y + 13);
        return;
    }
    const int value = (*key)[static_cast<std::size_t>(place.keyByte)];
    draw::DrawKnob(canvas_, potX, place.y + 13, std::clamp(value, 0, 127), active);
    draw::CentredText(canvas_, place.x + 16, place.y + 2, draw::ColBlack,
                      knobValueText(knob, value), -8);
}

void DrumPanelPainter::paintButtons(const image::DrumSlot* key) {
    namespace kb = key_byte;
    const auto caption = [&](int i) {
        return key ? QString::fromLatin1(kButtons[static_cast<std::size_t>(i)].caption) : QString();
    };
    const auto state = [](bool pressed) { return pressed ? draw::ButtonPressed : draw::ButtonUp; };
    const bool multi = key && (*key)[kb::kKeyAssign] != 0;
    const bool noteOn = key && (*key)[kb::kNoteOn] != 0;
    const bool noteOff = key && (*key)[kb::kNoteOff] != 0;
    const bool pressed[4] = {key && !multi, multi, noteOn, noteOff};
    for (int i = 0; i < 4; ++i) {
        const ButtonPlace& b = kButtons[static_cast<std::size_t>(i)];
        const draw::DrawnOwner owner(canvas_, b.caption);
        draw::DrawButton(canvas_, b.left, b.top, b.right, caption(i), state(pressed[i]));
    }
}

EnvelopeHandles DrumPanelPainter::paintEnvelope(const image::DrumSlot* key, EnvelopeMark mark) {
    return envelope_.draw(key, mark, canvas_);
}

void DrumPanelPainter::paintFilter(const image::DrumSlot* key, bool marked) {
    if (!key) {
        // An empty graph: the clean background only.
        canvas_.blit(kFilterGraphX, kGraphY, kGraphShownWidth, kGraphShownHeight,
                     draw::artwork().graphBackground, kGraphSourceX, kGraphSourceY);
        return;
    }
    image::PartRecord record{};
    record[draw::graph_offset::kFilterCutoff] = (*key)[key_byte::kCutoff];
    record[draw::graph_offset::kFilterResonance] = (*key)[key_byte::kResonance];
    graphs_.drawFilter(record, marked ? draw::HandleFilter : draw::HandleNone, canvas_,
                       QPoint(kFilterGraphX, kGraphY));
}

void DrumPanelPainter::paintKeyHighlight(int note, int activeSetup) {
    keyboard_.highlight(canvas_, note, activeSetup == 2 ? kSetup2KeyColour : kSetup1KeyColour);
}

} // namespace drums
