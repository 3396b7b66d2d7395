// Painting the voice editor surface: the fixed frames and captions, every value from the
// edit voice, and after a change only what the changed byte shows.

#include "draw/artwork.h"
#include "draw/buttons.h"
#include "draw/drawn_controls.h"
#include "draw/frames.h"
#include "draw/knobs.h"
#include "draw/palette.h"
#include "draw/text.h"
#include "image/qs300_templates.h"
#include "image/voice_edit.h"
#include "image/voice_layout.h"
#include "qs300/voice_editor.h"

#include <algorithm>

namespace qs300 {

namespace e = image::voice::element;
namespace c = image::voice;
using draw::Canvas;

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// A pointer position for any range: the 128 positions of the knob spread over the range.
int knobIndex(const VoiceParam& p, int value) {
    if (p.maximum == 127 && p.minimum <= 1) return value;
    return (value - p.minimum) * 127 / std::max(1, p.maximum - p.minimum);
}

void heading(Canvas& canvas, int x, int y, const char* text) {
    canvas.setTextAlign(draw::TextAlign::Left);
    draw::SansText(canvas, x, y, kSectionColour, QString::fromLatin1(text), 700, -11);
}

void caption(Canvas& canvas, int x, int y, const char* text) {
    draw::CaptionText(canvas, x, y, draw::ColBlack, QString::fromLatin1(text));
}

} // namespace

void VoiceEditor::repaint(const HitRect& area) {
    host_.repaint(area);
}

void VoiceEditor::repaintAll() {
    host_.repaint({0, 0, kEditorWidth - 1, kEditorHeight - 1});
}

// ---- fixed parts ----------------------------------------------------------------------------

void VoiceEditor::paintStatic() {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    canvas.fillRect(0, 0, kEditorWidth, kEditorHeight, draw::ColPanel);
    draw::DrawRaisedFrame(canvas, 1, 1, 144, 488);
    draw::DrawRaisedFrame(canvas, 148, 1, 463, 212);
    draw::DrawRaisedFrame(canvas, 148, 214, 463, 350);
    draw::DrawRaisedFrame(canvas, 467, 1, 789, 255);
    draw::DrawRaisedFrame(canvas, 467, 258, 789, 350);
    draw::DrawRaisedFrame(canvas, 703, 351, 789, 552);
    draw::DrawRaisedFrame(canvas, 1, 490, 700, 552);
    heading(canvas, 6, 3, "ELEMENT MIX");
    heading(canvas, 166, 3, "AMP");
    heading(canvas, 489, 3, "FILTER");
    heading(canvas, 166, 218, "PITCH");
    heading(canvas, 473, 261, "LFO");
    heading(canvas, 708, 353, "OVERALL");
    // The template buttons: a small raised box with an arrow.
    for (const HitRect r :
         {HitRect{152, 3, 162, 13}, HitRect{475, 3, 485, 13}, HitRect{152, 219, 162, 230}}) {
        draw::DrawRaisedBox(canvas, r.left, r.top, r.right, r.bottom);
        canvas.setPen(draw::ColDarkBrown);
        canvas.setBrush(kSectionColour);
        const std::array<QPoint, 3> arrow = {QPoint{r.left + 3, r.top + 3},
                                             QPoint{r.left + 7, r.top + 6},
                                             QPoint{r.left + 3, r.top + 8}};
        canvas.polygon(arrow);
    }
    canvas.setTextAlign(draw::TextAlign::Left);
    draw::LabelText(canvas, 707, 362, draw::ColBlack, QStringLiteral("POLY"));
    draw::LabelText(canvas, 707, 407, draw::ColBlack, QStringLiteral("PORTA"));
    caption(canvas, 496, 249, "CURVE");
    caption(canvas, 497, 342, "PHASE INIT");
    for (int e2 = 0; e2 < 4; ++e2) {
        canvas.setPen(draw::ColBrown);
        canvas.line(faderLeft(e2) + 11, 277, faderLeft(e2) + 11, 424);
    }
}

// ---- values ---------------------------------------------------------------------------------

void VoiceEditor::paintValues() {
    paintTabs();
    paintLeds();
    for (int row = 0; row < kMixRowCount; ++row)
        for (int element = 0; element < 4; ++element) paintMixCell(element, row, false);
    for (int element = 0; element < 4; ++element) paintFader(element, false);
    paintElementRows();
    for (const ParamRow& row : kKnobRows) paintKnobRow(row, edit_.currentElement(), false, true);
    for (const ParamRow& row : kOverallRows) paintKnobRow(row, 0, false, true);
    paintSwitchGroups();
    paintStrip();
    paintCommands();
    paintName();
    paintStatus();
    paintGraphs();
    paintRanges();
}

void VoiceEditor::paintKnobRow(const ParamRow& row, int element, bool active, bool withCaption) {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    const draw::DrawnOwner owner(canvas, std::string(row.name));
    const int x = row.x;
    const int y = row.y;
    canvas.fillRect(x - 1, y - 2, x + 28, y + 44, draw::ColPanel);
    draw::DrawValueBox(canvas, x - 1, y - 2, x + 27, y + 11);
    const int value = valueOf(row.param, element);
    draw::CentredText(canvas, x + 13, y, active ? draw::ColRed : draw::ColBlack,
                      q(formText(row.form, value)), -8);
    draw::DrawKnob(canvas, x + 3, y + 11, knobIndex(row.param, value), active);
    if (withCaption) caption(canvas, x + 13, y + 34, row.caption.data());
}

void VoiceEditor::paintMixCell(int element, int row, bool active) {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    const ParamRow& r = kMixRows[static_cast<std::size_t>(row)];
    const draw::DrawnOwner owner(canvas, std::string(r.name));
    const int x = 4 + 34 * element;
    const int y = 50 + 45 * row;
    canvas.fillRect(x, y, x + 32, y + 45, draw::ColPanel);
    if (!edit_.elementAvailable(element)) return;
    draw::DrawValueBox(canvas, x, y, x + 30, y + 13);
    const int value = valueOf(r.param, element);
    draw::CentredText(canvas, x + 15, y + 2, active ? draw::ColRed : draw::ColBlack,
                      q(formText(r.form, value)), -7);
    draw::DrawKnob(canvas, x + 5, y + 13, knobIndex(r.param, value), active);
    caption(canvas, x + 15, y + 36, r.caption.data());
}

void VoiceEditor::paintFader(int element, bool active) {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    const int x = faderLeft(element);
    canvas.fillRect(x - 1, 276, x + 24, 424, draw::ColPanel);
    canvas.setPen(draw::ColBrown);
    canvas.line(x + 11, 277, x + 11, 424);
    if (!edit_.elementAvailable(element)) return;
    const int level = std::clamp(static_cast<int>(edit_.elementByteOf(element, e::kLevel)), 0, 127);
    const HitRect h = faderHandle(element, level);
    canvas.fillRect(h.left, h.top, h.right + 1, h.bottom + 1,
                    active ? draw::ColYellow : draw::ColGilt);
    draw::DrawRaisedBox(canvas, h.left, h.top, h.right, h.bottom);
    canvas.setPen(active ? draw::ColRed : draw::ColBlack);
    canvas.line(h.left + 3, h.top + 6, h.right - 2, h.top + 6);
    // The level in the element's row.
    const int top = elementRowTop(element);
    canvas.fillRect(110, top + 1, 138, top + 13, draw::ColBronze);
    draw::DrawValueBox(canvas, 109, top, 138, top + 13);
    draw::CentredText(canvas, 124, top + 2, active ? draw::ColRed : draw::ColBlack,
                      QString::number(level), -8);
}

void VoiceEditor::paintElementRows() {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    for (int element = 0; element < 4; ++element) {
        const int top = elementRowTop(element);
        canvas.fillRect(2, top, 140, top + 15, draw::ColPanel);
        const bool available = edit_.elementAvailable(element);
        const bool current = element == edit_.currentElement();
        draw::CentredText(canvas, 12, top + 2,
                          available ? (current ? draw::ColRed : draw::ColBlack) : draw::ColDisabled,
                          QString::number(element + 1), -8);
        draw::DrawValueBox(canvas, 26, top, 103, top + 13);
        draw::DrawValueBox(canvas, 109, top, 138, top + 13);
        if (!available) continue;
        const int wave = edit_.elementByteOf(element, e::kWaveHigh) * 128 +
                         edit_.elementByteOf(element, e::kWaveLow);
        canvas.setTextAlign(draw::TextAlign::Left);
        draw::SmallText(canvas, 29, top + 2, current ? draw::ColRed : draw::ColBlack,
                        QString::fromLatin1(image::waveName(wave).data(),
                                            static_cast<int>(image::waveName(wave).size())),
                        -8);
        draw::CentredText(canvas, 124, top + 2, draw::ColBlack,
                          QString::number(edit_.elementByteOf(element, e::kLevel) & 0x7F), -8);
    }
}

void VoiceEditor::paintTabs() {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    canvas.fillRect(2, 16, 144, 38, draw::ColPanel);
    for (int element = 0; element < 4; ++element) {
        const int left = tabLeft(element);
        const bool current = element == edit_.currentElement();
        canvas.fillRect(left, kTabTop, left + 31, kTabTop + 18,
                        current ? draw::ColHighlight : draw::ColBronze);
        if (current)
            draw::DrawRaisedFrame(canvas, left, kTabTop, left + 30, kTabTop + 17);
        else
            draw::DrawOutline(canvas, left, kTabTop + 2, left + 30, kTabTop + 17,
                              draw::ColDarkBrown);
        draw::CentredText(canvas, left + 15, kTabTop + 4,
                          edit_.elementAvailable(element) ? draw::ColBlack : draw::ColDisabled,
                          QString::number(element + 1), -8);
        if (current) canvas.line(left + 4, kTabTop + 15, left + 27, kTabTop + 15, draw::ColRed);
    }
}

void VoiceEditor::paintLeds() {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    const int on = edit_.commonByte(c::kElementSwitch);
    for (int element = 0; element < 4; ++element) {
        const int kind = !edit_.elementAvailable(element) ? draw::LedGrey
                         : (on >> element & 1)            ? draw::LedGreen
                                                          : draw::LedRed;
        canvas.fillRect(ledLeft(element), kLedTop, ledLeft(element) + 8, kLedTop + 8,
                        draw::ColPanel);
        draw::DrawLed(canvas, ledLeft(element), kLedTop, kind);
    }
}

void VoiceEditor::paintSwitchGroups() {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    const int curve = edit_.elementByte(e::kVelocityCurve);
    for (int i = 0; i < 7; ++i) {
        const HitRect r = kSwitches[static_cast<std::size_t>(i)].rect;
        const int right = r.left + 21;
        canvas.fillRect(r.left, r.top, right + 1, r.bottom + 1, draw::ColHighlight);
        draw::DrawOutline(canvas, r.left, r.top, right, r.bottom,
                          i == curve ? draw::ColRed : draw::ColDarkBrown);
        // The curve's shape: from soft (0) over straight to hard (6).
        canvas.setPen(draw::ColBlack);
        const int bend = (i - 3) * 3;
        canvas.line(r.left + 2, r.bottom - 2, r.left + 10 - bend, r.top + 10 + bend);
        canvas.line(r.left + 10 - bend, r.top + 10 + bend, right - 2, r.top + 2);
    }
    const bool expo = edit_.elementByte(e::kFilterCurve) == 1;
    draw::DrawButton(canvas, 475, 213, 517, QStringLiteral("EXPO"), expo ? 1 : 0);
    draw::DrawButton(canvas, 475, 232, 517, QStringLiteral("LINEAR"), expo ? 0 : 1);
    const int wave = edit_.elementByte(e::kLfoWave);
    for (int i = 0; i < 3; ++i) {
        const HitRect r = kSwitches[static_cast<std::size_t>(9 + i)].rect;
        canvas.fillRect(r.left, r.top, r.right + 1, r.bottom + 1,
                        i == wave ? draw::ColHighlight : draw::ColGilt);
        if (i == wave)
            draw::DrawSunkenFrame(canvas, r.left, r.top, r.right, r.bottom);
        else
            draw::DrawRaisedFrame(canvas, r.left, r.top, r.right, r.bottom);
        canvas.setPen(i == wave ? draw::ColRed : draw::ColBlack);
        const int base = r.bottom - 5;
        const int top = r.top + 5;
        for (int x = r.left + 8; x + 24 <= r.right - 6; x += 24) {
            if (i == 0) {
                canvas.line(x, base, x + 24, top);
                canvas.line(x + 24, top, x + 24, base);
            } else if (i == 1) {
                canvas.line(x, base, x + 12, top);
                canvas.line(x + 12, top, x + 24, base);
            } else {
                const int y = (x / 24) % 2 ? top + 3 : base - 4;
                canvas.line(x, y, x + 24, y);
                canvas.line(x + 24, y, x + 24, (x / 24) % 2 ? base - 4 : top + 3);
            }
        }
    }
    const bool phase = edit_.elementByte(e::kLfoPhaseInit) == 1;
    draw::DrawButton(canvas, 475, 306, 520, QStringLiteral("ON"), phase ? 1 : 0);
    draw::DrawButton(canvas, 475, 325, 520, QStringLiteral("OFF"), phase ? 0 : 1);
    const bool poly = edit_.commonByte(c::kPlayMode) == 1;
    draw::DrawButton(canvas, 723, 372, 746, QStringLiteral("ON"), poly ? 1 : 0);
    draw::DrawButton(canvas, 723, 391, 746, QStringLiteral("OFF"), poly ? 0 : 1);
    const bool porta = edit_.commonByte(c::kPortamentoSwitch) == 1;
    draw::DrawButton(canvas, 723, 417, 746, QStringLiteral("ON"), porta ? 1 : 0);
    draw::DrawButton(canvas, 723, 436, 746, QStringLiteral("OFF"), porta ? 0 : 1);
}

void VoiceEditor::paintStrip() {
    {
        Canvas canvas(image_);
        canvas.setDrawnControls(drawn_);
        canvas.setKnobScheme(knobScheme_);
        canvas.fillRect(3, 492, 699, 551, draw::ColPanel);
        const std::array<std::pair<int, const char*>, 4> controller = {
            {{12, "BEND"}, {186, "MOD"}, {360, "CAT"}, {534, "AC1"}}};
        const std::array<std::pair<int, const char*>, 3> eg = {
            {{12, "AMP EG"}, {186, "PITCH EG"}, {447, "FILTER EG"}}};
        if (egData_)
            for (const auto& [x, text] : eg) heading(canvas, x, 494, text);
        else
            for (const auto& [x, text] : controller) heading(canvas, x, 494, text);
    }
    for (int i = 0; i < kStripCount; ++i)
        paintStripCell(i, drag_.kind == DragKind::Strip && drag_.row.x == 15 + 29 * i);
}

void VoiceEditor::paintStripCell(int index, bool active) {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    const ParamRow& row =
        (egData_ ? kEgDataRows : kControllerRows)[static_cast<std::size_t>(index)];
    const draw::DrawnOwner owner(canvas, std::string(row.name));
    const HitRect r = stripRect(index);
    canvas.fillRect(r.left, 508, r.right + 2, r.bottom + 1, draw::ColPanel);
    caption(canvas, r.left + 10, 510, row.caption.data());
    canvas.fillRect(r.left + 1, r.top + 1, r.right, r.bottom,
                    active ? draw::ColYellow : draw::ColBronze);
    draw::DrawValueBox(canvas, r.left, r.top, r.right, r.bottom);
    draw::CentredText(canvas, r.left + 10, r.top + 6, active ? draw::ColRed : draw::ColBlack,
                      q(formText(row.form, valueOf(row.param, edit_.currentElement()))), -7);
}

void VoiceEditor::paintCommands() {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    for (const CommandButton& b : kCommands) {
        if (b.caption.empty()) continue;
        const draw::DrawnOwner owner(canvas, std::string(b.caption));
        const bool pressed =
            pressedCommand_ == b.command || (b.command == Command::EgData && egDataPinned_);
        draw::DrawButton(canvas, b.rect.left + 2, b.rect.top, b.rect.right - 1,
                         QString::fromLatin1(b.caption.data(), static_cast<int>(b.caption.size())),
                         pressed ? 1 : 0);
    }
}

void VoiceEditor::paintName() {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    canvas.blit(kNameField.left, kNameField.top, kNameField.right - kNameField.left + 1,
                kNameField.bottom - kNameField.top + 1, draw::artwork().titleStrip, kNameField.left,
                1);
    draw::DrawOutline(canvas, kNameField.left - 1, kNameField.top - 1, kNameField.right + 1,
                      kNameField.bottom + 1, draw::ColDarkBrown);
    const auto name = image::voiceNameOf(edit_.voice());
    canvas.setTextAlign(draw::TextAlign::Left);
    draw::SansText(canvas, kNameField.left + 2, kNameField.top - 1, draw::ColBlack,
                   QString::fromLatin1(name.data(), static_cast<int>(name.size())), 400, -11);
}

void VoiceEditor::paintStatus() {
    paintStatus(status_, "");
}

void VoiceEditor::paintStatus(const std::string& left, const std::string& right) {
    status_ = right.empty() ? left : left + "|" + right;
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    const HitRect r = kStatusLine;
    canvas.blit(r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1,
                draw::artwork().titleStrip, r.left, 1);
    draw::DrawOutline(canvas, r.left - 1, r.top - 1, r.right + 1, r.bottom + 1, draw::ColDarkBrown);
    canvas.setTextAlign(draw::TextAlign::Left);
    draw::SansText(canvas, r.left + 2, r.top - 1, draw::ColBlack, q(left), 400, -11);
    if (!right.empty()) {
        canvas.setTextAlign(draw::TextAlign::Right);
        draw::SansText(canvas, r.right - 2, r.top - 1, draw::ColBlack, q(right), 400, -11);
        canvas.setTextAlign(draw::TextAlign::Left);
    }
}

// ---- graphs ---------------------------------------------------------------------------------

void VoiceEditor::paintGraphs() {
    paintEnvelopes();
    paintLfos();
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    const auto element = image::elementOf(edit_.voice(), edit_.currentElement());
    const int point = drag_.kind == DragKind::Point ? drag_.point : -1;
    const auto level = drawScaling(canvas, element, Scaling::Level, point);
    const auto filter = drawScaling(canvas, element, Scaling::Filter, point - 4);
    std::copy(level.begin(), level.end(), pointRects_.begin());
    std::copy(filter.begin(), filter.end(), pointRects_.begin() + 4);
    drawCutoff(canvas, element, point == 25);
}

void VoiceEditor::paintEnvelopes() {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    const auto element = image::elementOf(edit_.voice(), edit_.currentElement());
    const int point = drag_.kind == DragKind::Point ? drag_.point : -1;
    const auto amp = drawAmpEg(canvas, element, point - 8);
    const auto filter = drawLevelEg(canvas, element, LevelEg::Filter, point - 12);
    const auto pitch = drawLevelEg(canvas, element, LevelEg::Pitch, point - 17);
    std::copy(amp.begin(), amp.end(), pointRects_.begin() + 8);
    std::copy(filter.begin(), filter.end(), pointRects_.begin() + 12);
    std::copy(pitch.begin(), pitch.end(), pointRects_.begin() + 17);
}

void VoiceEditor::paintLfos() {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    const auto element = image::elementOf(edit_.voice(), edit_.currentElement());
    drawLfo(canvas, element, Lfo::Amp);
    drawLfo(canvas, element, Lfo::Filter);
    drawLfo(canvas, element, Lfo::Pitch);
}

void VoiceEditor::paintRanges() {
    Canvas canvas(image_);
    canvas.setDrawnControls(drawn_);
    canvas.setKnobScheme(knobScheme_);
    RangeView view;
    for (int element = 0; element < 4; ++element) {
        view.low[static_cast<std::size_t>(element)] = edit_.elementByteOf(element, e::kNoteLow);
        view.high[static_cast<std::size_t>(element)] = edit_.elementByteOf(element, e::kNoteHigh);
    }
    view.current = edit_.currentElement();
    view.fourElements = edit_.fourElements();
    view.activeHandle = rangeDrag_;
    view.markedNote = markedNote_;
    view.soundingNote = sounding_;
    view.releasedNote = played_;
    rangeHandles_ = drawKeyRanges(canvas, view);
    for (int preset = 0; preset < kRangePresetCount; ++preset) {
        const HitRect r = rangePresetRect(preset);
        const auto text = rangePresetCaption(preset);
        const draw::DrawnOwner owner(canvas, std::string(text));
        draw::DrawSmallButton(canvas, r.left + 2, r.top, r.right - 1,
                              QString::fromLatin1(text.data(), static_cast<int>(text.size())),
                              preset == pressedPreset_ ? 1 : 0);
    }
}

// ---- after one change -------------------------------------------------------------------------

void VoiceEditor::paintRestoredElement(int element,
                                       const std::bitset<image::kVoiceElementSize>& bytes) {
    const auto changed = [&](const VoiceParam& p) {
        return p.element && p.offset >= 0 && p.offset < image::kVoiceElementSize &&
               bytes.test(static_cast<std::size_t>(p.offset));
    };
    // A knob's cell reaches one pixel into the cell below, which the whole editor paints
    // later: the cells after a repainted one that touch it are painted again too.
    std::array<bool, kKnobCount> again{};
    for (std::size_t i = 0; i < kKnobRows.size(); ++i) {
        if (!changed(kKnobRows[i].param) && !again[i]) continue;
        paintKnobRow(kKnobRows[i], element, false, true);
        const ParamRow& row = kKnobRows[i];
        for (std::size_t j = i + 1; j < kKnobRows.size(); ++j) {
            const ParamRow& next = kKnobRows[j];
            if (next.x - 1 < row.x + 28 && row.x - 1 < next.x + 28 && next.y - 2 < row.y + 44 &&
                row.y - 2 < next.y + 44)
                again[j] = true;
        }
    }
    for (int row = 0; row < kMixRowCount; ++row)
        if (changed(kMixRows[static_cast<std::size_t>(row)].param))
            paintMixCell(element, row, false);
    if (bytes.test(e::kLevel)) paintFader(element, false);
    const auto& strip = egData_ ? kEgDataRows : kControllerRows;
    for (int i = 0; i < kStripCount; ++i)
        if (changed(strip[static_cast<std::size_t>(i)].param)) paintStripCell(i, false);
    // The element rows, the switches, the graphs and the ranges each read many bytes.
    paintElementRows();
    paintSwitchGroups();
    paintGraphs();
    paintRanges();
    repaintAll();
}

void VoiceEditor::paintAfterChange(const VoiceParam& p, int element, bool withGraph) {
    const int point = drag_.kind == DragKind::Point ? drag_.point : -1;
    if (point >= 0 && (point < 8 || point == 25)) {
        const auto& row = kGraphPoints[static_cast<std::size_t>(point)];
        const int h = valueOf(*row.horizontal, element);
        const int v = valueOf(*row.vertical, element);
        if (point == 25)
            paintStatus("Cutoff Frequency  :  " + std::to_string(h),
                        "Resonance  :  " + std::to_string(v));
        else
            paintStatus(std::string(point >= 4 ? "Filter" : "Level") + " Scaling BP " +
                            std::to_string(4 - point % 4) + "  :  " + noteName(h),
                        "Offset  :  " + std::to_string(v - 64));
    }
    if (!p.element) {
        for (const ParamRow& row : kOverallRows)
            if (row.param.offset == p.offset)
                paintKnobRow(row, 0, drag_.row.param.offset == p.offset, true);
        for (int i = 0; i < kStripCount; ++i)
            if (!egData_ && kControllerRows[static_cast<std::size_t>(i)].param.offset == p.offset)
                paintStripCell(i, drag_.kind == DragKind::Strip);
        repaintAll();
        return;
    }
    const int o = p.offset;
    if (withGraph && (o == e::kLfoWave || o == e::kLfoSpeed)) paintLfos();
    if (o == e::kLevel) paintFader(element, true);
    if (withGraph) {
        // Only the graph that shows the byte.
        Canvas canvas(image_);
        canvas.setDrawnControls(drawn_);
        canvas.setKnobScheme(knobScheme_);
        const auto data = image::elementOf(edit_.voice(), element);
        const auto pointOf = [&](int first) { return point - first; };
        if (o >= e::kAmpEgRates && o <= e::kAmpEgDecay2Level) {
            const auto r = drawAmpEg(canvas, data, pointOf(8));
            std::copy(r.begin(), r.end(), pointRects_.begin() + 8);
        } else if (o >= e::kPitchEgRates && o < e::kPitchEgLevels + 5) {
            const auto r = drawLevelEg(canvas, data, LevelEg::Pitch, pointOf(17));
            std::copy(r.begin(), r.end(), pointRects_.begin() + 17);
        } else if (o >= e::kFilterEgRates && o < e::kFilterEgLevels + 5) {
            const auto r = drawLevelEg(canvas, data, LevelEg::Filter, pointOf(12));
            std::copy(r.begin(), r.end(), pointRects_.begin() + 12);
        } else if (o >= e::kLevelBreakPoints && o < e::kLevelScalingOffsets + 4) {
            const auto r = drawScaling(canvas, data, Scaling::Level, pointOf(0));
            std::copy(r.begin(), r.end(), pointRects_.begin());
        } else if (o >= e::kFilterBreakPoints && o < e::kFilterScalingOffsets + 4) {
            const auto r = drawScaling(canvas, data, Scaling::Filter, pointOf(4));
            std::copy(r.begin(), r.end(), pointRects_.begin() + 4);
        } else if (o == e::kCutoff || o == e::kResonance) {
            drawCutoff(canvas, data, point == 25);
        } else if (o == e::kLfoPitchDelay || o == e::kLfoPitchDepth) {
            drawLfo(canvas, data, Lfo::Pitch);
        } else if (o == e::kLfoFilterDepth) {
            drawLfo(canvas, data, Lfo::Filter);
        } else if (o == e::kLfoAmpDepth) {
            drawLfo(canvas, data, Lfo::Amp);
        }
    }
    if (drag_.kind == DragKind::Knob) paintKnobRow(drag_.row, element, true, false);
    if (drag_.kind == DragKind::Mix && o != e::kLevel)
        for (int r = 0; r < kMixRowCount; ++r)
            if (kMixRows[static_cast<std::size_t>(r)].param.offset == o)
                paintMixCell(element, r, true);
    if (drag_.kind == DragKind::Point && point >= 22 && point <= 24)
        for (const ParamRow& row : kKnobRows)
            if (row.param.offset == o) paintKnobRow(row, element, false, true);
    // Only the strip value that shows the byte.
    const auto& strip = egData_ ? kEgDataRows : kControllerRows;
    for (int i = 0; i < kStripCount; ++i) {
        const VoiceParam& shown = strip[static_cast<std::size_t>(i)].param;
        if (shown.element == p.element && shown.offset == o)
            paintStripCell(i, drag_.kind == DragKind::Strip);
    }
    if (markedNote_) paintRanges();
    repaintAll();
}

} // namespace qs300
