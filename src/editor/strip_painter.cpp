#include "editor/strip_painter.h"

#include "draw/buttons.h"
#include "draw/drawn_controls.h"
#include "draw/fonts.h"
#include "draw/frames.h"
#include "draw/knobs.h"
#include "draw/palette.h"
#include "draw/text.h"
#include "editor/area_names.h"
#include "editor/part_controls.h"
#include "editor/value_texts.h"
#include "editor/voice_naming.h"

#include <algorithm>

namespace editor {
namespace {

namespace off = image::offset;
using draw::HitRect;

constexpr int kStripTop = 24;
constexpr int kStripBottom = 401;
constexpr draw::Colour kStripFill = draw::rgb(206, 170, 104);
constexpr draw::Colour kCurrentFill = draw::rgb(230, 198, 122);
constexpr draw::Colour kMeter = draw::rgb(120, 60, 10);
constexpr draw::Colour kMeterActive = draw::rgb(220, 40, 0);
constexpr int kMeterTop = 274;
constexpr int kMeterBottom = 378;
// Byte of the variation block that names the part it is inserted into.
constexpr std::size_t kVariationPartIndex = 27;

HitRect stripRect(int c, int part) {
    return kStripControls[static_cast<std::size_t>(c)].rect.translated(kStripSpacing * part, 0);
}

// Knob position of a hit rectangle whose top-left corner holds a 22 x 22 knob.
int knobValue(int value, int minimum, int maximum) {
    if (maximum <= minimum) return 0;
    return (std::clamp(value, minimum, maximum) - minimum) * 127 / (maximum - minimum);
}

// The longest start of a text that fits into a width.
QString fitted(const draw::Canvas& canvas, const QString& text, int width) {
    QString shown = text;
    while (!shown.isEmpty() && canvas.textWidth(shown) > width) shown.chop(1);
    return shown;
}

} // namespace

HitRect StripPainter::paintBackground() {
    canvas_.fillRect(0, 0, canvas_.width(), canvas_.height(), kWindowColour);
    // The effect area below the strips; the effect editor paints into it.
    draw::DrawSunkenFrame(canvas_, 8, 406, 584, 548);
    draw::FillPanel(canvas_, 10, 408, 583, 547);
    // The title field and the frame of the receive-switch row.
    draw::DrawSunkenFrame(canvas_, 6, 2, 576, 22);
    // What the knob rows send, written upward in the margin left of the first strip.
    static constexpr const char* kRowCaptions[] = {"REV", "CHO", "VAR", "DRY", "PAN"};
    canvas_.setTextAlign(draw::TextAlign::Centre);
    for (int c = strip::kReverb; c <= strip::kPan; ++c) {
        const HitRect& r = kStripControls[static_cast<std::size_t>(c)].rect;
        draw::SmallText(canvas_, 2, (r.top + r.bottom) / 2 + 1, draw::ColDarkBrown,
                        kRowCaptions[c - strip::kReverb], -7, 90);
    }
    return {0, 0, canvas_.width() - 1, canvas_.height() - 1};
}

HitRect StripPainter::paintStrip(const image::SynthImage& image, int part, bool current) {
    const int left = 12 + kStripSpacing * part;
    const int right = left + 36;
    canvas_.setPen(current ? draw::ColDarkBrown : draw::ColBronze);
    canvas_.setBrush(current ? kCurrentFill : kStripFill);
    canvas_.rectangle(left, kStripTop, right, kStripBottom);
    if (current) {
        draw::DrawOutline(canvas_, left + 1, kStripTop + 1, right - 2, kStripBottom - 2,
                          draw::ColHighlight);
    } else {
        draw::DrawRaisedFrame(canvas_, left + 1, kStripTop + 1, right - 2, kStripBottom - 2);
    }
    // Grooves between the send knobs and the volume.
    draw::DrawGrip(canvas_, left + 5, 224, 26);
    canvas_.setTextAlign(draw::TextAlign::Centre);
    draw::SmallText(canvas_, left + 18, 241, draw::ColBrown, "VOL", -7);
    for (int c = 1; c <= kStripControlCount; ++c) paintControl(image, part, c, false, current);
    // The last column is also the next strip's left edge, which the whole surface paints
    // after this strip: painted alone, the strip leaves it in the next strip's colour.
    if (part + 1 < image::kPartCount) {
        canvas_.setPen(image.currentPart == part + 1 ? draw::ColDarkBrown : draw::ColBronze);
        canvas_.line(right - 1, kStripTop, right - 1, kStripBottom);
    }
    return {left, kStripTop, right - 1, kStripBottom - 1};
}

HitRect StripPainter::paintControl(const image::SynthImage& image, int part, int c, bool active,
                                   bool current) {
    if (part < 0 || part >= image::kPartCount) return {0, 0, -1, -1};
    const Descriptor& d = kStripDescriptors[static_cast<std::size_t>(std::clamp(c, 0, 10))];
    const HitRect r = stripRect(c, part);
    const draw::DrawnOwner owner(canvas_, stripAreaName(part, c));
    switch (d.kind) {
    case Kind::PartSelect:
        return paintPartLabel(part, current);
    case Kind::ModeToggle:
        return paintModeField(image, part, current);
    case Kind::ChannelField:
        return paintChannelField(image, part, active);
    case Kind::Knob: {
        if (insertion_ && (c == strip::kVariation || c == strip::kDry))
            return paintSendCaption(image, part, c, current);
        const int value = image.part(part, d.offset);
        draw::DrawKnob(canvas_, r.left + 1, r.top - 1, knobValue(value, d.minimum, d.maximum),
                       active);
        return {r.left - 4, r.top, r.left + 27, r.top + 30};
    }
    case Kind::Fader:
        return paintFader(image, part, active);
    case Kind::VoiceButton:
        return paintVoiceButton(image, part, current);
    default:
        break;
    }
    return {0, 0, -1, -1};
}

HitRect StripPainter::paintSendCaption(const image::SynthImage& image, int part, int c,
                                       bool current) {
    const HitRect r = stripRect(c, part);
    const HitRect knob{r.left - 4, r.top, r.left + 23, r.top + 22};
    canvas_.fillRect(knob.left, knob.top, knob.right + 1, knob.bottom + 1,
                     current ? kCurrentFill : kStripFill);
    // The part the variation is inserted into is the one whose sends still matter.
    const int inserted = image.variation.current[kVariationPartIndex];
    canvas_.setTextAlign(draw::TextAlign::Centre);
    draw::SmallText(canvas_, r.left + 8, r.top + 7,
                    inserted == part ? draw::ColBlack : draw::ColDisabled,
                    c == strip::kVariation ? "VAR" : "DRY", -8);
    return knob;
}

HitRect StripPainter::paintPartLabel(int part, bool current) {
    const HitRect r = stripRect(strip::kPart, part);
    canvas_.setPen(current ? draw::ColBlack : draw::ColBronze);
    canvas_.setBrush(current ? draw::ColHighlight : kStripFill);
    canvas_.rectangle(r.left + 2, r.top + 1, r.right - 1, r.bottom - 1);
    canvas_.setFont(draw::toolkitFont(draw::FontFace::Sans, -11, 700));
    canvas_.setTextAlign(draw::TextAlign::Left);
    const QString number = QString::number(part + 1);
    const int x = kPartLabelX[static_cast<std::size_t>(part)];
    if (current) canvas_.text(x + 1, 30, number, draw::ColHighlight);
    canvas_.text(x, 29, number, current ? draw::ColRed : draw::ColDarkBrown);
    return r;
}

HitRect StripPainter::paintModeField(const image::SynthImage& image, int part, bool current) {
    const HitRect r = stripRect(strip::kMode, part);
    canvas_.setPen(current ? kCurrentFill : kStripFill);
    canvas_.setBrush(current ? kCurrentFill : kStripFill);
    canvas_.rectangle(r.left, r.top, r.right + 1, r.bottom + 1);
    const bool poly = image.part(part, kStripDescriptors[strip::kMode].offset) != 0;
    canvas_.setTextAlign(draw::TextAlign::Centre);
    draw::SmallText(canvas_, r.left + 15, r.top, poly ? draw::ColDarkBrown : draw::ColRed,
                    poly ? "POLY" : "MONO", -7);
    return r;
}

HitRect StripPainter::paintChannelField(const image::SynthImage& image, int part, bool active) {
    const HitRect r = stripRect(strip::kChannel, part);
    draw::DrawValueBox(canvas_, r.left, r.top, r.right, r.bottom);
    canvas_.fillRect(r.left + 2, r.top + 2, r.right - 1, r.bottom - 1,
                     active ? draw::ColYellow : draw::ColGilt);
    const int channel = image.part(part, off::kReceiveChannel);
    const QString text = channel >= 16 ? "OFF" : "CH" + QString::number(channel + 1);
    canvas_.setTextAlign(draw::TextAlign::Centre);
    draw::SmallText(canvas_, r.left + 15, r.top + 3, channel >= 16 ? draw::ColRed : draw::ColBlack,
                    text, -7);
    return r;
}

HitRect StripPainter::paintFader(const image::SynthImage& image, int part, bool active) {
    const HitRect r = stripRect(strip::kVolume, part);
    const int value = std::min<int>(image.part(part, off::kVolume), 127);
    draw::DrawValueBox(canvas_, r.left, r.top, r.right, r.bottom);
    canvas_.fillRect(r.left + 2, r.top + 2, r.right - 1, r.bottom - 1,
                     active ? draw::ColYellow : draw::ColGilt);
    canvas_.setTextAlign(draw::TextAlign::Centre);
    draw::SmallText(canvas_, r.left + 12, r.top + 3, draw::ColBlack, QString::number(value), -7);
    // The level as a bar under the box.
    const int x = r.left + 1;
    draw::DrawSunkenFrame(canvas_, x, kMeterTop, x + 7, kMeterBottom);
    canvas_.fillRect(x + 2, kMeterTop + 2, x + 6, kMeterBottom - 1, draw::ColBronze);
    const int height = (kMeterBottom - kMeterTop - 3) * value / 127;
    canvas_.fillRect(x + 2, kMeterBottom - 1 - height, x + 6, kMeterBottom - 1,
                     active ? kMeterActive : kMeter);
    return {r.left, r.top, r.right, kMeterBottom};
}

HitRect StripPainter::paintVoiceButton(const image::SynthImage& image, int part, bool current) {
    const HitRect r = stripRect(strip::kVoice, part);
    const QString name = QString::fromStdString(partVoiceName(image, part));
    const draw::Colour colour = nameColours_.of(partVoiceKind(image, part));
    // The full name runs upward beside the level bar.
    const int nameLeft = r.left + 14;
    canvas_.fillRect(nameLeft, kMeterTop, nameLeft + 16, kMeterBottom + 1,
                     current ? kCurrentFill : kStripFill);
    canvas_.setFont(draw::toolkitFont(draw::FontFace::Sans, -9, 400));
    canvas_.setTextAlign(draw::TextAlign::Left);
    canvas_.setClip(nameLeft, kMeterTop, nameLeft + 16, kMeterBottom + 1);
    canvas_.text(nameLeft + 2, kMeterBottom, name, colour, 90);
    canvas_.resetClip();
    // A QS300 voice on two parts has one button across both strips.
    const int first = titlePart(image, part);
    HitRect button = r;
    QString label = name;
    draw::Colour labelColour = colour;
    if (first % 2 == 0 && first + 1 < image::kPartCount &&
        image.userVoiceKind[static_cast<std::size_t>(first)] == image::kTwoPartVoice) {
        button.left = stripRect(strip::kVoice, first).left;
        button.right = stripRect(strip::kVoice, first + 1).right;
        current = image.currentPart == first || image.currentPart == first + 1;
        label = QString::fromStdString(partVoiceName(image, first));
        labelColour = nameColours_.of(partVoiceKind(image, first));
    }
    draw::DrawSmallButton(canvas_, button.left + 2, button.top + 1, button.right - 2, QString(),
                          current ? draw::ButtonPressed : draw::ButtonUp);
    canvas_.setFont(draw::toolkitFont(draw::FontFace::Small, -7));
    canvas_.setTextAlign(draw::TextAlign::Centre);
    const QString shown = fitted(canvas_, label, button.right - button.left - 4);
    canvas_.text((button.left + button.right) / 2, button.top + 3, shown,
                 current ? draw::ColHighlight : labelColour);
    return {std::min(r.left, button.left), kMeterTop, std::max(r.right, button.right), r.bottom};
}

HitRect StripPainter::paintTitle(const image::SynthImage& image, int part) {
    const HitRect r{18, 8, 18 + 72, 8 + 10};
    canvas_.fillRect(r.left - 1, r.top - 1, r.right + 2, r.bottom + 2, draw::ColDarkBrown);
    canvas_.fillRect(r.left, r.top, r.right + 1, r.bottom + 1, draw::ColBlack);
    const int shown = titlePart(image, part);
    canvas_.setFont(draw::toolkitFont(draw::FontFace::Sans, -9, 700));
    canvas_.setTextAlign(draw::TextAlign::Left);
    canvas_.setClip(r.left, r.top, r.right + 1, r.bottom + 1);
    canvas_.text(r.left + 2, r.top, QString::fromStdString(partVoiceName(image, shown)),
                 draw::ColYellow);
    canvas_.resetClip();
    return {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
}

HitRect StripPainter::paintReceiveSwitch(const image::SynthImage& image, int part, int k) {
    const int n = page::kFirstReceive + std::clamp(k, 0, 16);
    const PageControlInfo& info = kPageControls[static_cast<std::size_t>(n)];
    const Descriptor& d = kPageDescriptors[static_cast<std::size_t>(n)];
    const HitRect& r = info.rect;
    const bool on = image.part(part, d.offset) == 1;
    draw::DrawSmallButton(canvas_, r.left + 2, r.top, r.right - 2, info.label,
                          on ? draw::ButtonPressed : draw::ButtonUp);
    if (on) {
        canvas_.setTextAlign(draw::TextAlign::Centre);
        draw::SmallText(canvas_, draw::captionCentre(r.left + 2, r.right - 2), r.top + 2,
                        draw::ColHighlight, info.label, -7);
    }
    return r;
}

} // namespace editor
