#include "editor/page_painter.h"

#include "draw/buttons.h"
#include "draw/drawn_controls.h"
#include "draw/fonts.h"
#include "draw/frames.h"
#include "draw/keyboards.h"
#include "draw/knobs.h"
#include "draw/palette.h"
#include "draw/text.h"
#include "draw/value_texts.h"
#include "editor/area_names.h"
#include "editor/value_texts.h"

#include <algorithm>

namespace editor {
namespace {

using draw::HitRect;

constexpr HitRect kPageArea{594, 54, 777, 553};
constexpr QPoint kScaleKeyboardAt{605, 363};
constexpr draw::Colour kPageFill = draw::rgb(206, 170, 104);

const PageControlInfo& info(int n) {
    return kPageControls[static_cast<std::size_t>(n)];
}

image::PartRecord recordOf(const image::SynthImage& image, int part) {
    image::PartRecord record{};
    std::copy_n(image.parts.begin() + part * image::kPartRecordSize, image::kPartRecordSize,
                record.begin());
    return record;
}

int knobValue(int value, int minimum, int maximum) {
    if (maximum <= minimum) return 0;
    return (std::clamp(value, minimum, maximum) - minimum) * 127 / (maximum - minimum);
}

HitRect unite(const HitRect& a, const HitRect& b) {
    if (a.left > a.right) return b;
    if (b.left > b.right) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

void caption(draw::Canvas& canvas, int x, int y, const char* text) {
    canvas.setTextAlign(draw::TextAlign::Left);
    draw::EtchedText(canvas, x, y, draw::ColDarkBrown, text, -7);
}

} // namespace

HitRect PagePainter::paintPage(const image::SynthImage& image, int part,
                               const PartControls& controls) {
    canvas_.setPen(draw::ColDarkBrown);
    canvas_.setBrush(kPageFill);
    canvas_.rectangle(kPageArea.left, kPageArea.top, kPageArea.right, kPageArea.bottom);
    draw::DrawRaisedFrame(canvas_, 602, 56, 776, 551);
    canvas_.setTextAlign(draw::TextAlign::Left);
    draw::SansText(canvas_, 607, 60, draw::ColHighlight, "PART " + QString::number(part + 1), 700,
                   -11);
    draw::SansText(canvas_, 606, 59, draw::ColDarkBrown, "PART " + QString::number(part + 1), 700,
                   -11);
    caption(canvas_, 660, 63, "AMP EG");
    caption(canvas_, 712, 63, "PITCH EG");
    caption(canvas_, 606, 406 - 44 - 8, "SCALE TUNING");
    caption(canvas_, 680, 418, "PORTAMENTO");
    caption(canvas_, 716, 433, "RES");
    caption(canvas_, 741, 433, "32");

    for (int n = 1; n <= 7; ++n) paintGraph(image, part, n, 0);
    paintScaleKeyboard(image, part, 0);
    for (int n = page::kVibratoDelay; n <= page::kNoteLimitHigh; ++n) {
        if (n == page::kPortamentoOff || (n > page::kAssignSingle && n <= page::kAssignInst))
            continue; // drawn with their group
        paintControl(image, part, controls, n, false);
    }
    for (int n = page::kVibratoDelay; n <= page::kLastSource; ++n) {
        const HitRect& r = info(n).rect;
        if (r.left <= r.right) table_.set(n, r);
    }
    paintControllerNumber(image, part, 1, false);
    paintControllerNumber(image, part, 2, false);
    paintControllerSection(image, part, controls);
    table_.set(page::kFilter, info(page::kFilter).rect);
    table_.set(page::kVibrato, info(page::kVibrato).rect);
    return kPageArea;
}

HitRect PagePainter::paintControl(const image::SynthImage& image, int part,
                                  const PartControls& controls, int n, bool active, int marked) {
    if (n < 1 || n > kPageControlCount || part < 0 || part >= image::kPartCount) return {};
    const Descriptor& d = controls.page(n);
    switch (d.kind) {
    case Kind::AmplitudeHandle:
    case Kind::PitchHandle:
    case Kind::FilterPad:
        return paintGraph(image, part, n, marked);
    case Kind::VibratoGraph: {
        HitRect area = paintGraph(image, part, n, marked);
        area = unite(area, paintKnob(image, part, controls.page(page::kVibratoRate),
                                     page::kVibratoRate, false));
        return unite(area, paintKnob(image, part, controls.page(page::kVibratoDepth),
                                     page::kVibratoDepth, false));
    }
    case Kind::ScaleTuningKey:
        return paintScaleKeyboard(image, part, active ? n : 0);
    case Kind::VibratoKnob:
        return unite(paintKnob(image, part, d, n, active),
                     paintGraph(image, part, page::kVibrato, 0));
    case Kind::Knob:
    case Kind::DetuneKnob:
    case Kind::NoteLimitKnob:
        return paintKnob(image, part, d, n, active);
    case Kind::ElementReserveBox:
    case Kind::PortamentoTimeBox:
        return paintBox(image, part, n, active);
    case Kind::Button:
        if (n == page::kPortamentoOn || n == page::kPortamentoOff)
            return paintRadioGroup(image, part, page::kPortamentoOn, page::kPortamentoOff);
        if (n >= page::kAssignSingle && n <= page::kAssignInst)
            return paintRadioGroup(image, part, page::kAssignSingle, page::kAssignInst);
        return {};
    case Kind::ControllerNumberButton:
        return paintControllerNumber(image, part, n == page::kAc1Number ? 1 : 2, active);
    case Kind::ControllerSourceButton:
        return paintControllerSection(image, part, controls);
    default:
        break;
    }
    return {};
}

HitRect PagePainter::paintGraph(const image::SynthImage& image, int part, int n, int marked) {
    const image::PartRecord record = recordOf(image, part);
    using draw::PartGraphs;
    if (n <= page::kRelease) {
        const auto handles = graphs_.drawAmplitudeEnvelope(record, marked, canvas_);
        table_.set(1, handles.attack);
        table_.set(2, handles.decay);
        table_.set(3, handles.release);
        return {draw::kAmplitudeGraphAt.x(), draw::kAmplitudeGraphAt.y(),
                draw::kAmplitudeGraphAt.x() + 170, draw::kAmplitudeGraphAt.y() + 63};
    }
    if (n <= page::kPitchRelease) {
        const auto handles = graphs_.drawPitchEnvelope(record, marked, canvas_);
        table_.set(4, handles.attack);
        table_.set(5, handles.release);
        return {draw::kPitchGraphAt.x(), draw::kPitchGraphAt.y(), draw::kPitchGraphAt.x() + 170,
                draw::kPitchGraphAt.y() + 57};
    }
    if (n == page::kFilter) {
        filterPoint_ = graphs_.drawFilter(record, marked, canvas_);
        return {draw::kFilterGraphAt.x(), draw::kFilterGraphAt.y(), draw::kFilterGraphAt.x() + 170,
                draw::kFilterGraphAt.y() + 72};
    }
    graphs_.drawVibrato(record, marked, canvas_);
    return {draw::kVibratoGraphAt.x(), draw::kVibratoGraphAt.y(), draw::kVibratoGraphAt.x() + 135,
            draw::kVibratoGraphAt.y() + 60};
}

HitRect PagePainter::paintKnob(const image::SynthImage& image, int part, const Descriptor& d, int n,
                               bool active) {
    const HitRect& r = info(n).rect;
    const int value = image.part(part, d.offset);
    const draw::DrawnOwner owner(canvas_, pageAreaName(n));
    draw::DrawKnob(canvas_, r.left + 1, r.top - 1, knobValue(value, d.minimum, d.maximum), active);
    const bool labelRight = n >= page::kVibratoDelay && n <= page::kDetune;
    if (labelRight) {
        canvas_.setTextAlign(draw::TextAlign::Left);
        draw::SmallText(canvas_, r.right + 2, r.bottom - 1, draw::ColDarkBrown, info(n).label, -7,
                        90);
    } else {
        canvas_.fillRect(r.left - 5, r.bottom + 1, r.right + 6, r.bottom + 9, kPageFill);
        draw::CentredText(canvas_, r.left + 11, r.bottom + 1, draw::ColDarkBrown, info(n).label,
                          -7);
    }
    return {r.left - 5, r.top - 1, r.right + 10, r.bottom + 10};
}

HitRect PagePainter::paintBox(const image::SynthImage& image, int part, int n, bool active) {
    const HitRect& r = info(n).rect;
    const Descriptor& d = kPageDescriptors[static_cast<std::size_t>(n)];
    const draw::DrawnOwner owner(canvas_, pageAreaName(n));
    draw::DrawValueBox(canvas_, r.left, r.top, r.right, r.bottom);
    canvas_.fillRect(r.left + 2, r.top + 2, r.right - 1, r.bottom - 1,
                     active ? draw::ColYellow : draw::ColGilt);
    canvas_.setTextAlign(draw::TextAlign::Centre);
    draw::SmallText(canvas_, draw::captionCentre(r.left, r.right) + 1, r.top + 3, draw::ColBlack,
                    QString::number(image.part(part, d.offset)), -7);
    return r;
}

HitRect PagePainter::paintScaleKeyboard(const image::SynthImage& image, int part, int activeKey) {
    const auto keys = draw::DrawOctaveKeyboard(kScaleKeyboardAt.x(), kScaleKeyboardAt.y(), canvas_);
    for (int k = 0; k < 12; ++k) {
        const int n = page::kFirstScaleKey + k;
        const HitRect& key = keys[static_cast<std::size_t>(k)];
        table_.set(n, key);
        const int value = image.part(part, kPageDescriptors[static_cast<std::size_t>(n)].offset);
        const bool black = key.top == kScaleKeyboardAt.y();
        const draw::Colour colour =
            n == activeKey ? draw::ColRed : (black ? draw::ColHighlight : draw::ColBlack);
        draw::CentredText(canvas_, (key.left + key.right) / 2, black ? key.top + 14 : key.top + 6,
                          colour, draw::SignedText(value), -7);
    }
    return {kScaleKeyboardAt.x(), kScaleKeyboardAt.y(), kScaleKeyboardAt.x() + 134,
            kScaleKeyboardAt.y() + 43};
}

HitRect PagePainter::paintRadioGroup(const image::SynthImage& image, int part, int first,
                                     int last) {
    HitRect area{0, 0, -1, -1};
    const int stored = image.part(part, kPageDescriptors[static_cast<std::size_t>(first)].offset);
    for (int n = first; n <= last; ++n) {
        const HitRect& r = info(n).rect;
        const bool chosen = kPageDescriptors[static_cast<std::size_t>(n)].maximum == stored;
        const draw::DrawnOwner owner(canvas_, pageAreaName(n));
        draw::DrawSmallButton(canvas_, r.left + 2, r.top, r.right - 2, info(n).label,
                              chosen ? draw::ButtonPressed : draw::ButtonUp);
        area = unite(area, {r.left, r.top, r.right, r.top + 11});
    }
    return area;
}

HitRect PagePainter::paintControllerNumber(const image::SynthImage& image, int part, int which,
                                           bool pressed) {
    const int n = which == 1 ? page::kAc1Number : page::kAc2Number;
    const HitRect& r = info(n).rect;
    table_.set(n, r);
    const draw::DrawnOwner owner(canvas_, pageAreaName(n));
    draw::DrawSmallButton(canvas_, r.left + 2, r.top, r.right - 2, info(n).label,
                          pressed ? draw::ButtonPressed : draw::ButtonUp);
    const int nameX = which == 1 ? 630 : 720;
    canvas_.fillRect(nameX - 2, r.top, nameX + 56, r.top + 11, kPageFill);
    const int number = image.part(part, kPageDescriptors[static_cast<std::size_t>(n)].offset);
    canvas_.setTextAlign(draw::TextAlign::Left);
    draw::SmallText(canvas_, nameX, 482, draw::ColBlack,
                    QString::fromStdString(controllerName(number)), -7);
    return {r.left - 2, r.top, nameX + 55, r.top + 11};
}

HitRect PagePainter::paintControllerSection(const image::SynthImage& image, int part,
                                            const PartControls& controls) {
    for (int n = page::kFirstSource; n <= page::kLastSource; ++n) {
        const HitRect& r = info(n).rect;
        const bool shown = n - page::kFirstSource + 1 == controls.controllerSource();
        const draw::DrawnOwner owner(canvas_, pageAreaName(n));
        draw::DrawSmallButton(canvas_, r.left + 2, r.top, r.right - 2, info(n).label,
                              shown ? draw::ButtonPressed : draw::ButtonUp);
        table_.set(n, r);
    }
    for (int n = page::kFirstDestination; n <= page::kLastDestination; ++n)
        paintKnob(image, part, controls.page(n), n, false);
    return {594, 500, 777, 549};
}

} // namespace editor
