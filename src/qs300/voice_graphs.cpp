#include "qs300/voice_graphs.h"

#include "draw/artwork.h"
#include "draw/drawn_controls.h"
#include "draw/frames.h"
#include "draw/keyboards.h"
#include "draw/palette.h"
#include "draw/text.h"
#include "image/voice_layout.h"
#include "qs300/voice_editor_layout.h"
#include "qs300/voice_graph_tables.h"
#include "qs300/voice_texts.h"

#include <algorithm>

namespace qs300 {

namespace e = image::voice::element;
using draw::Canvas;
using draw::Colour;

namespace {

constexpr Colour kHandleActive = draw::ColRed;
constexpr Colour kSustainMark = draw::ColFixedPoint;
constexpr Colour kCurrentRange = draw::rgb(0, 96, 0);
constexpr Colour kOtherRange = draw::ColDarkBrown;
constexpr Colour kKeyInRange = draw::rgb(0, 160, 0);
constexpr Colour kPlayedInRange = draw::rgb(150, 210, 150);
constexpr Colour kPlayedOutside = draw::rgb(200, 170, 170);

int byteOf(Element element, int offset, int maximum) {
    return std::clamp(static_cast<int>(element[static_cast<std::size_t>(offset)]), 0, maximum);
}

// A graph drawn in work-picture coordinates onto the surface: `shift` is where the work
// picture's (0, 0) lies, `area` the part of the surface it covers.
class GraphPlace {
  public:
    GraphPlace(Canvas& canvas, HitRect area, QPoint shift) : canvas_(canvas), shift_(shift) {
        canvas.setClip(area.left, area.top, area.right + 1, area.bottom + 1);
        const QImage& background = draw::artwork().graphBackground;
        // The clean background, repeated across graphs wider than it.
        const int width = area.right - area.left + 1;
        for (int x = 0; x < width; x += background.width() - 6)
            canvas.blit(area.left + x, area.top, std::min(background.width() - 6, width - x),
                        area.bottom - area.top + 1, background, 3, 0);
    }
    ~GraphPlace() { canvas_.resetClip(); }
    GraphPlace(const GraphPlace&) = delete;
    GraphPlace& operator=(const GraphPlace&) = delete;

    void line(QPoint a, QPoint b, Colour colour) {
        canvas_.line(a.x() + shift_.x(), a.y() + shift_.y(), b.x() + shift_.x(), b.y() + shift_.y(),
                     colour);
    }
    void dots(int y, int fromX, int toX, Colour colour) {
        draw::DotRowH(canvas_, fromX + shift_.x(), y + shift_.y(), colour, toX + shift_.x());
    }
    void box(int left, int top, int right, int bottom, Colour colour) {
        canvas_.fillRect(left + shift_.x(), top + shift_.y(), right + shift_.x(),
                         bottom + shift_.y(), colour);
    }
    // An 8 x 8 circle centred on the point; returns its rectangle on the surface.
    // The grey sustain mark is drawn the same way but answers no press.
    void mark(QPoint p) {
        canvas_.setPen(draw::ColBlack);
        canvas_.setBrush(kSustainMark);
        canvas_.ellipse(p.x() + shift_.x() - 4, p.y() + shift_.y() - 4, p.x() + shift_.x() + 4,
                        p.y() + shift_.y() + 4);
    }
    HitRect handle(QPoint p, Colour fill) {
        const int x = p.x() + shift_.x();
        const int y = p.y() + shift_.y();
        canvas_.setPen(draw::ColBlack);
        canvas_.setBrush(fill);
        canvas_.ellipse(x - 4, y - 4, x + 4, y + 4);
        draw::noteDrawn(canvas_, draw::DrawnKind::Handle, x - 4, y - 4, x + 3, y + 3);
        return {x - 4, y - 4, x + 3, y + 3};
    }
    void polyline(std::span<const QPoint> points, Colour colour) {
        for (std::size_t i = 1; i < points.size(); ++i) line(points[i - 1], points[i], colour);
    }

  private:
    Canvas& canvas_;
    QPoint shift_;
};

Colour handleColour(int index, int active) {
    return index == active ? kHandleActive : kSectionColour;
}

// Rate segments: a rate r takes 31 - r / 2 pixels.
int rateWidth(int rate) {
    return 31 - rate / 2;
}

struct EgXs {
    int attack, decay1, decay2, sustain, release;
};

EgXs egXs(Element element, int rates) {
    EgXs x{};
    x.attack = 40 - byteOf(element, rates, 63) / 2;
    x.decay1 = x.attack + rateWidth(byteOf(element, rates + 1, 63));
    x.decay2 = x.decay1 + rateWidth(byteOf(element, rates + 2, 63));
    x.sustain = x.decay2 + 32;
    x.release = x.sustain + rateWidth(byteOf(element, rates + 3, 63));
    return x;
}

} // namespace

int ampLevelY(int level) {
    level = std::clamp(level, 0, 127);
    return 69 - level / 2 + (level > 125 ? 2 : 0);
}

int filterLevelY(int level) {
    level = std::clamp(level, 0, 127);
    return 69 - level / 2 + (level > 114 ? 2 : 0);
}

int pitchLevelY(int level) {
    level = std::clamp(level, 0, 127);
    return 62 - kPitchLevelTable[static_cast<std::size_t>(level / 2)] + (level > 114 ? 2 : 0);
}

int scalingNoteX(int note) {
    note = std::clamp(note, 0, 127);
    return 28 * (note / 12) + kScalingKeyOffsets[static_cast<std::size_t>(note % 12)] + 4;
}

int scalingOffsetY(int offset) {
    return 48 - std::clamp(offset, 0, 127) / 3;
}

int lfoAmplitude(Lfo which, int depth) {
    switch (which) {
    case Lfo::Amp:
        return kAmpLfoDepth[static_cast<std::size_t>(std::clamp(depth, 0, 31))] / 2;
    case Lfo::Filter:
        return kFilterLfoDepth[static_cast<std::size_t>(std::clamp(depth, 0, 15))] / 2;
    case Lfo::Pitch:
        break;
    }
    return kPitchLfoDepth[static_cast<std::size_t>(std::clamp(depth, 0, 63))] / 2;
}

std::array<HitRect, 4> drawAmpEg(Canvas& canvas, Element element, int active) {
    GraphPlace g(canvas, kAmpEgArea, {kAmpEgArea.left - 3, kAmpEgArea.top - 3});
    const EgXs x = egXs(element, e::kAmpEgRates);
    const int y1 = ampLevelY(element[e::kAmpEgDecay1Level]);
    const int y2 = ampLevelY(element[e::kAmpEgDecay2Level]);
    const std::array<QPoint, 6> curve = {QPoint{9, 69},         QPoint{x.attack, 8},
                                         QPoint{x.decay1, y1},  QPoint{x.decay2, y2},
                                         QPoint{x.sustain, y2}, QPoint{x.release, 69}};
    g.polyline(curve, draw::ColBlack);
    g.mark(curve[4]);
    return {
        g.handle(curve[5], handleColour(0, active)), g.handle(curve[3], handleColour(1, active)),
        g.handle(curve[2], handleColour(2, active)), g.handle(curve[1], handleColour(3, active))};
}

std::array<HitRect, 5> drawLevelEg(Canvas& canvas, Element element, LevelEg which, int active) {
    const bool pitch = which == LevelEg::Pitch;
    const HitRect area = pitch ? kPitchEgArea : kFilterEgArea;
    GraphPlace g(canvas, area, {area.left - 3, area.top - 3});
    const int rates = pitch ? e::kPitchEgRates : e::kFilterEgRates;
    const int levels = pitch ? e::kPitchEgLevels : e::kFilterEgLevels;
    const auto y = [&](int i) {
        const int level = element[static_cast<std::size_t>(levels + i)];
        return pitch ? pitchLevelY(level) : filterLevelY(level);
    };
    g.dots(pitch ? pitchLevelY(64) : filterLevelY(64), 4, 176, draw::ColBlack);
    const EgXs x = egXs(element, rates);
    const std::array<QPoint, 6> curve = {QPoint{9, y(0)},         QPoint{x.attack, y(1)},
                                         QPoint{x.decay1, y(2)},  QPoint{x.decay2, y(3)},
                                         QPoint{x.sustain, y(3)}, QPoint{x.release, y(4)}};
    g.polyline(curve, draw::ColBlack);
    g.mark(curve[4]);
    return {
        g.handle(curve[5], handleColour(0, active)), g.handle(curve[3], handleColour(1, active)),
        g.handle(curve[2], handleColour(2, active)), g.handle(curve[1], handleColour(3, active)),
        g.handle(curve[0], handleColour(4, active))};
}

std::array<HitRect, 4> drawScaling(Canvas& canvas, Element element, Scaling which, int active) {
    const bool filter = which == Scaling::Filter;
    const HitRect area = filter ? kFilterScalingArea : kLevelScalingArea;
    GraphPlace g(canvas, area, {area.left, area.top});
    const int points = filter ? e::kFilterBreakPoints : e::kLevelBreakPoints;
    const int offsets = filter ? e::kFilterScalingOffsets : e::kLevelScalingOffsets;
    g.dots(scalingOffsetY(64), 0, 308, draw::ColBlack);
    // The small keyboard strip: white keys with the black ones as short dark bars.
    g.box(4, 54, 4 + 28 * 10 + 20, 66, draw::ColHighlight);
    for (int note = 0; note < 128; ++note) {
        const int k = note % 12;
        if (k == 1 || k == 3 || k == 6 || k == 8 || k == 10)
            g.box(scalingNoteX(note), 54, scalingNoteX(note) + 2, 61, draw::ColDarkBrown);
    }
    std::array<QPoint, 4> p{};
    for (int i = 0; i < 4; ++i) {
        const int note = element[static_cast<std::size_t>(points + i)];
        p[static_cast<std::size_t>(i)] = {
            scalingNoteX(note), scalingOffsetY(element[static_cast<std::size_t>(offsets + i)])};
        g.line(p[static_cast<std::size_t>(i)], {p[static_cast<std::size_t>(i)].x(), 55},
               draw::ColBronze);
        const int k = std::clamp(static_cast<int>(note), 0, 127) % 12;
        const bool black = k == 1 || k == 3 || k == 6 || k == 8 || k == 10;
        const int x = scalingNoteX(note);
        g.box(x, black ? 56 : 62, x + 2, black ? 61 : 66, draw::ColRed);
    }
    const std::array<QPoint, 6> curve = {QPoint{0, p[0].y()},  p[0], p[1], p[2], p[3],
                                         QPoint{320, p[3].y()}};
    g.polyline(curve, draw::ColRed);
    std::array<HitRect, 4> handles{};
    for (int i = 0; i < 4; ++i)
        handles[static_cast<std::size_t>(i)] =
            g.handle(p[static_cast<std::size_t>(3 - i)], handleColour(i, active));
    return handles;
}

void drawCutoff(Canvas& canvas, Element element, bool active) {
    GraphPlace g(canvas, kCutoffArea, {kCutoffArea.left - 3, kCutoffArea.top - 3});
    const int knee = 20 + byteOf(element, e::kCutoff, 127) / 2;
    const int peak = std::min(byteOf(element, e::kResonance, 63), 62) / 2;
    constexpr int base = 40;
    const std::array<QPoint, 6> curve = {QPoint{3, base},
                                         QPoint{knee - 12, base},
                                         QPoint{knee - 5, base - peak / 2},
                                         QPoint{knee, base - peak},
                                         QPoint{knee + 5, base - peak / 3 + 8},
                                         QPoint{knee + 18, 73}};
    g.polyline(curve, active ? draw::ColRed : draw::ColBlack);
}

void drawLfo(Canvas& canvas, Element element, Lfo which) {
    const HitRect area = which == Lfo::Amp      ? kAmpLfoArea
                         : which == Lfo::Filter ? kFilterLfoArea
                                                : kPitchLfoArea;
    const QPoint shift =
        which == Lfo::Pitch ? QPoint{area.left - 5, area.top} : QPoint{area.left - 5, area.top - 5};
    GraphPlace g(canvas, area, shift);
    const int depth = which == Lfo::Amp      ? element[e::kLfoAmpDepth]
                      : which == Lfo::Filter ? element[e::kLfoFilterDepth]
                                             : element[e::kLfoPitchDepth];
    const int a = lfoAmplitude(which, depth);
    const int p = 66 - byteOf(element, e::kLfoSpeed, 63);
    const int wave = byteOf(element, e::kLfoWave, 2);
    constexpr int base = 58;
    constexpr int end = 5 + 130;
    int x = 5;
    if (which == Lfo::Pitch) {
        const int delay = byteOf(element, e::kLfoPitchDelay, 127) / 2;
        g.line({x, base}, {x + delay, base}, draw::ColBlack);
        x += delay;
    }
    // Heights of the held steps of the sample-and-hold picture, in eighths.
    static constexpr std::array<int, 8> kHeld = {5, 2, 7, 3, 8, 1, 6, 4};
    int previous = base;
    for (int step = 0; x < end; ++step) {
        if (wave == 0) {
            g.line({x, base}, {x + p, base - a}, draw::ColBlack);
            g.line({x + p, base - a}, {x + p, base}, draw::ColBlack);
            x += p;
        } else if (wave == 1) {
            g.line({x, base}, {x + p, base - a}, draw::ColBlack);
            g.line({x + p, base - a}, {x + 2 * p, base}, draw::ColBlack);
            x += 2 * p;
        } else {
            const int y = base - a * kHeld[static_cast<std::size_t>(step % 8)] / 8;
            g.line({x, previous}, {x, y}, draw::ColBlack);
            g.line({x, y}, {x + p, y}, draw::ColBlack);
            previous = y;
            x += p;
        }
    }
}

// ---- key ranges ---------------------------------------------------------------------------

namespace {

bool isBlack(int note) {
    const int k = note % 12;
    return k == 1 || k == 3 || k == 6 || k == 8 || k == 10;
}

// A key of the range keyboard filled with a colour (the upper part of a white key stops at
// the black keys beside it).
void fillKey(Canvas& canvas, int note, Colour colour) {
    const int x = rangeNoteX(note);
    const int top = kRangeKeyboardTop;
    if (isBlack(note)) {
        canvas.fillRect(x + 1, top + 1, std::min(x + 4, kRangeRight + 1), top + 24, colour);
        return;
    }
    canvas.fillRect(x + 1, top + 26, std::min(x + 6, kRangeRight + 1), top + 39, colour);
}

} // namespace

std::array<HitRect, 8> drawKeyRanges(Canvas& canvas, const RangeView& view) {
    canvas.fillRect(150, 384, 696, 441, draw::ColPanel);
    std::array<HitRect, 8> handles{};
    for (int element = 0; element < 4; ++element) {
        const int top = rangeBarTop(element);
        const auto at = static_cast<std::size_t>(element);
        canvas.fillRect(kRangeLeft, top, kRangeRight + 1, top + 10, draw::ColBronze);
        // Elements 3 and 4 are out of reach without four elements.
        if (element >= 2 && !view.fourElements) {
            handles[at * 2] = handles[at * 2 + 1] = {-100, -100, -100, -100};
            continue;
        }
        const bool current = element == view.current;
        const int low = std::clamp(view.low[at], 0, 127);
        const int high = std::clamp(view.high[at], 0, 127);
        const int lowX = rangeNoteX(low);
        const int highX = rangeNoteX(high);
        const Colour bar = current ? kCurrentRange : kOtherRange;
        canvas.fillRect(lowX, top + 3, highX + 7, top + 7, bar);
        for (int end = 0; end < 2; ++end) {
            const int handle = element * 2 + end;
            const int x = end == 0 ? lowX : highX;
            const Colour colour = handle == view.activeHandle ? draw::ColRed
                                  : current                   ? draw::ColYellow
                                                              : draw::ColHighlight;
            canvas.setPen(draw::ColBlack);
            canvas.setBrush(colour);
            canvas.rectangle(x, top, x + 7, top + 10);
            draw::noteDrawn(canvas, draw::DrawnKind::Handle, x, top, x + 6, top + 9);
            handles[static_cast<std::size_t>(handle)] = {x, top, x + 6, top + 9};
        }
        const Colour text = current ? draw::ColRed : draw::ColBlack;
        canvas.setTextAlign(draw::TextAlign::Left);
        draw::SmallText(canvas, 153, top, text, QString::fromStdString(noteName(low)), -8);
        draw::SmallText(canvas, 653, top, text, QString::fromStdString(noteName(high)), -8);
    }

    draw::DrawPianoKeyboard(canvas, kRangeKeyboardLeft, kRangeKeyboardTop);
    const auto cur = static_cast<std::size_t>(std::clamp(view.current, 0, 3));
    const int low = std::clamp(view.low[cur], 0, 127);
    const int high = std::clamp(view.high[cur], 0, 127);
    fillKey(canvas, low, kKeyInRange);
    fillKey(canvas, high, kKeyInRange);
    if (view.releasedNote) {
        const bool inRange = *view.releasedNote >= low && *view.releasedNote <= high;
        fillKey(canvas, *view.releasedNote, inRange ? kPlayedInRange : kPlayedOutside);
    }
    if (view.soundingNote) fillKey(canvas, *view.soundingNote, draw::ColRed);
    if (view.markedNote) {
        const int x = rangeNoteX(*view.markedNote);
        const int right = std::min(x + 6, kRangeRight + 1);
        canvas.fillRect(x, 443, right, 467, draw::ColRed);
        if (!isBlack(*view.markedNote)) canvas.fillRect(x, 467, right, 481, draw::ColRed);
    }
    return handles;
}

std::optional<int> rangeKeyboardNote(int x, int y) {
    if (!kRangeKeyboard.contains(x, y)) return std::nullopt;
    const int octave = (x - kRangeKeyboardLeft) / 42;
    const int within = (x - kRangeKeyboardLeft) % 42;
    if (y <= kRangeKeyboardTop + 25) {
        static constexpr std::array<std::pair<int, int>, 5> kBlack = {
            {{4, 1}, {10, 3}, {22, 6}, {28, 8}, {34, 10}}};
        for (const auto& [offset, key] : kBlack)
            if (within >= offset && within < offset + 5) {
                const int note = octave * 12 + key;
                if (note <= 127) return note;
            }
    }
    static constexpr std::array<int, 7> kWhite = {0, 2, 4, 5, 7, 9, 11};
    const int note = octave * 12 + kWhite[static_cast<std::size_t>(std::min(within / 6, 6))];
    if (note > 127) return std::nullopt;
    return note;
}

} // namespace qs300
