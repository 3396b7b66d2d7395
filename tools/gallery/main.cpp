// xg-orvo-gallery OUT.png: draws every primitive and graph of the drawing toolkit in its
// states onto one labelled image, so the whole toolkit can be looked at at once.

#include "draw/artwork.h"
#include "draw/buttons.h"
#include "draw/canvas.h"
#include "draw/fonts.h"
#include "draw/frames.h"
#include "draw/keyboards.h"
#include "draw/knobs.h"
#include "draw/palette.h"
#include "draw/part_graphs.h"
#include "draw/text.h"
#include "draw/value_texts.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdio>

using namespace draw;

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 700;
constexpr Colour kSurface = rgb(190, 154, 74);

void section(Canvas& canvas, int x, int y, const char* title) {
    TitleTextSized(canvas, x, y, title, 700, -11);
}

void label(Canvas& canvas, int x, int y, const QString& text) {
    LabelText(canvas, x, y, ColBlack, text);
}

void drawButtons(Canvas& canvas, int x, int y) {
    section(canvas, x, y, "Buttons");
    const char* states[] = {"up", "pressed", "other"};
    for (int state = 0; state < 3; ++state) {
        const int left = x + 4 + state * 62;
        DrawButton(canvas, left, y + 16, left + 52, "Button", state);
        DrawPadButton(canvas, left, y + 40, left + 52, "Pad", state);
        DrawSmallButton(canvas, left, y + 64, left + 52, "SMALL", state);
        DrawArrowButton(canvas, left, y + 84, left + 52, state);
        label(canvas, left + 10, y + 100, states[state]);
    }
}

void drawKnobs(Canvas& canvas, int x, int y) {
    section(canvas, x, y, "Knobs");
    const int values[] = {0, 64, 127};
    for (int i = 0; i < 3; ++i) {
        const int kx = x + 10 + i * 40;
        DrawKnob(canvas, kx, y + 16, values[i], false);
        DrawKnob(canvas, kx, y + 46, values[i], true);
        canvas.setTextAlign(TextAlign::Centre);
        CaptionText(canvas, kx + 10, y + 76, ColBlack, QString::number(values[i]));
    }
    label(canvas, x + 124, y + 24, "normal");
    label(canvas, x + 124, y + 54, "active");

    const struct {
        KnobWidth width;
        const char* name;
        int value;
    } units[] = {{KnobWidth::Wide, "Wide", 20},
                 {KnobWidth::Normal, "Normal", 64},
                 {KnobWidth::Narrow, "Narrow", 100},
                 {KnobWidth::Narrowest, "Tiny", 127}};
    int ux = x + 170;
    for (const auto& unit : units) {
        DrawKnobUnit(canvas, ux, y + 16, unit.name, unit.width);
        const int potX = ux + knobUnitPotOffset(unit.width);
        DrawKnobPointer(canvas, potX, y + 29, unit.value, unit.value == 64);
        canvas.setTextAlign(TextAlign::Centre);
        SmallText(canvas, ux + 16, y + 18, ColHighlight, SignedText(unit.value), -8);
        ux += 44;
    }
}

void drawLedsAndFrames(Canvas& canvas, int x, int y) {
    section(canvas, x, y, "LEDs, frames, rules");
    const char* kinds[] = {"red", "green", "grey", "off"};
    for (int kind = 0; kind < 4; ++kind) {
        DrawLed(canvas, x + 4 + kind * 40, y + 18, kind);
        label(canvas, x + 14 + kind * 40, y + 17, kinds[kind]);
    }
    DrawRaisedFrame(canvas, x + 4, y + 36, x + 54, y + 60);
    label(canvas, x + 9, y + 42, "raised");
    DrawSunkenFrame(canvas, x + 62, y + 36, x + 112, y + 60);
    label(canvas, x + 67, y + 42, "sunken");
    DrawValueBox(canvas, x + 120, y + 36, x + 170, y + 49);
    label(canvas, x + 124, y + 37, "value");
    DrawRaisedBox(canvas, x + 120, y + 52, x + 170, y + 65);
    label(canvas, x + 124, y + 53, "raised");
    FillPanel(canvas, x + 4, y + 68, x + 54, y + 92);
    label(canvas, x + 10, y + 74, "panel");
    DrawGrip(canvas, x + 62, y + 72, 48);
    DotRowH(canvas, x + 120, y + 74, ColDarkBrown, x + 170);
    DotRowH(canvas, x + 120, y + 80, ColHighlight, x + 170);
    DotRowV(canvas, x + 176, y + 36, ColDarkBrown, y + 92);
    DotRowV(canvas, x + 180, y + 36, ColHighlight, y + 92);
    label(canvas, x + 120, y + 84, "dot rows");
}

void drawTexts(Canvas& canvas, int x, int y) {
    section(canvas, x, y, "Text");
    canvas.setTextAlign(TextAlign::Left);
    TitleText(canvas, x + 4, y + 22, "Title Text");
    AlertTitle(canvas, x + 90, y + 22, "Alert Title");
    InverseTitle(canvas, x + 180, y + 22, "Inverse Title", 700, -13);
    canvas.setTextAlign(TextAlign::Left);
    TitleTextSized(canvas, x + 4, y + 40, "Sans 9", 400, -9);
    TitleTextSized(canvas, x + 50, y + 40, "Sans 11", 400, -11);
    TitleTextSized(canvas, x + 110, y + 40, "Sans 11 bold", 700, -11);
    TitleTextSized(canvas, x + 200, y + 40, "Sans 13 bold", 700, -13);
    EtchedText(canvas, x + 4, y + 58, ColDarkBrown, "Etched caption text", -8);
    LabelText(canvas, x + 110, y + 56, ColBlack, "Label -8: Volume Pan Cutoff");
    canvas.setTextAlign(TextAlign::Left);
    SmallText(canvas, x + 110, y + 68, ColBlack, "Small -7: REVERB CHORUS VAR", -7);
    LabelText(canvas, x + 4, y + 70, ColDisabled, "Disabled");
    DrawNamedValue(canvas, x + 4, y + 84, 120, "Volume", 100, ColBlack);
    DrawNamedValue(canvas, x + 130, y + 84, 120, "Expression", 127, ColRed);
    label(canvas, x + 256, y + 84,
          QString("Pan: ") + PanText(0) + " " + PanText(20) + " " + PanText(64) + " " +
              PanText(127));
}

void drawKeyboards(Canvas& canvas, int x, int y) {
    section(canvas, x, y, "Keyboards");
    DrawPianoKeyboard(canvas, x + 4, y + 16);
    DrawOctaveKeyboard(x + 470, y + 14, canvas);
}

image::PartRecord partWith(int value) {
    image::PartRecord part{};
    for (int offset :
         {graph_offset::kVibratoRate, graph_offset::kVibratoDepth, graph_offset::kVibratoDelay,
          graph_offset::kFilterCutoff, graph_offset::kFilterResonance, graph_offset::kAttackTime,
          graph_offset::kDecayTime, graph_offset::kReleaseTime, graph_offset::kPitchInitialLevel,
          graph_offset::kPitchAttackTime, graph_offset::kPitchReleaseLevel,
          graph_offset::kPitchReleaseTime})
        part[static_cast<std::size_t>(offset)] = static_cast<image::Byte>(value);
    return part;
}

void drawGraphs(Canvas& canvas, int x, int y) {
    section(canvas, x, y, "Part graphs: 0, 64 (marked), 127");
    PartGraphs graphs;
    const int values[] = {0, 64, 127};
    for (int column = 0; column < 3; ++column) {
        const image::PartRecord part = partWith(values[column]);
        const bool marked = column == 1;
        const int gx = x + 4 + column * 180;
        int gy = y + 16;
        graphs.drawAmplitudeEnvelope(part, marked ? HandleDecay : HandleNone, canvas, {gx, gy});
        gy += 68;
        graphs.drawPitchEnvelope(part, marked ? HandlePitchRelease : HandleNone, canvas, {gx, gy});
        gy += 62;
        graphs.drawFilter(part, marked ? HandleFilter : HandleNone, canvas, {gx, gy});
        gy += 77;
        graphs.drawVibrato(part, HandleNone, canvas, {gx, gy});
        image::PartRecord wave = part;
        wave[graph_offset::kVibratoDepth] = 110;
        wave[graph_offset::kVibratoDelay] = static_cast<image::Byte>(values[column] / 2);
        graphs.drawVibrato(wave, marked ? HandleVibrato : HandleNone, canvas, {gx, gy + 64});
    }
}

void drawArtwork(Canvas& canvas, int x, int y) {
    section(canvas, x, y, "Artwork");
    const Artwork& art = artwork();
    canvas.blit(x + 4, y + 16, 64, 32, art.knob, 0, 0);
    label(canvas, x + 4, y + 50, "knob | mask");
    canvas.blit(x + 80, y + 18, 11, 11, art.screw, 0, 0);
    canvas.blit(x + 96, y + 18, 11, 11, art.screw, 0, 0);
    label(canvas, x + 80, y + 32, "screws");
    canvas.blit(x + 4, y + 64, 170, 13, art.listSelection, 0, 0);
    label(canvas, x + 8, y + 65, "List selection");
    QImage cursor = art.dragCursor.convertToFormat(QImage::Format_RGB32);
    {
        // Show the cursor over the surface colour where it is transparent.
        QImage shown(32, 32, QImage::Format_RGB32);
        shown.fill(kSurface);
        for (int cy = 0; cy < 32; ++cy)
            for (int cx = 0; cx < 32; ++cx)
                if (qAlpha(art.dragCursor.pixel(cx, cy)) != 0)
                    shown.setPixel(cx, cy, art.dragCursor.pixel(cx, cy) | 0xFF000000u);
        canvas.blit(x + 130, y + 14, 32, 32, shown, 0, 0);
    }
    label(canvas, x + 124, y + 46, "drag cursor");
    canvas.blit(x + 4, y + 84, 240, 32, art.titleStrip, 0, 0);
    canvas.setTextAlign(TextAlign::Left);
    TitleText(canvas, x + 10, y + 93, "Title strip");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: xg-orvo-gallery OUT.png\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    initialiseToolkit();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    {
        Canvas canvas(image);
        canvas.fillRect(0, 0, kWidth, kHeight, kSurface);
        canvas.blit(0, 0, kWidth, 32, artwork().titleStrip, 0, 0);
        canvas.blit(791, 0, kWidth - 791, 32, artwork().titleStrip, 0, 0);
        canvas.setTextAlign(TextAlign::Left);
        TitleTextSized(canvas, 12, 10, "XG-Orvo drawing toolkit", 700, -13);
        drawButtons(canvas, 10, 40);
        drawKnobs(canvas, 210, 40);
        drawLedsAndFrames(canvas, 600, 40);
        drawTexts(canvas, 10, 160);
        drawArtwork(canvas, 600, 160);
        drawKeyboards(canvas, 10, 270);
        drawGraphs(canvas, 10, 340);
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "xg-orvo-gallery: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
