#include "draw/frames.h"
#include "draw/graph_values.h"
#include "draw/palette.h"
#include "draw/part_graphs.h"
#include "draw/text.h"
#include "draw/value_texts.h"

namespace draw {
namespace {

constexpr QPoint kEnvelopeSource{3, 3};
constexpr int kEnvelopeWidth = 171;
constexpr int kAmplitudeHeight = 64;
constexpr int kPitchHeight = 58;

Colour handleFill(int marked, int handle) {
    return marked == handle ? ColRed : ColHighlight;
}

// Draws an 8 x 8 handle and returns its rectangle as the drawing call states it.
HitRect drawHandle(Canvas& work, int left, int top, Colour fill) {
    work.setPen(ColBlack);
    FillBox(work, left, top, left + 8, top + 8, fill);
    return {left, top, left + 8, top + 8};
}

void drawFixedPoint(Canvas& work, int left, int top) {
    work.setPen(ColBlack);
    FillBox(work, left, top, left + 8, top + 8, ColFixedPoint);
}

} // namespace

AmplitudeHandles PartGraphs::drawAmplitudeEnvelope(const image::PartRecord& part, int marked,
                                                   Canvas& destination, QPoint at) {
    startFromBackground();
    const int attack = graphValue(part, graph_offset::kAttackTime);
    const int decay = graphValue(part, graph_offset::kDecayTime);
    const int release = graphValue(part, graph_offset::kReleaseTime);
    const int a = attack / 3;
    const int f = decay / 3 + a + 10;
    const int g = f + 31;
    const int h = release / 3 + g;

    AmplitudeHandles handles;
    {
        Canvas work(work_);
        work.setPen(ColBlack);
        work.line(10, 61, a + 10, 9);
        work.line(a + 10, 9, f, 32);
        work.line(f, 32, g, 32);
        work.line(g, 32, h, 61);
        drawFixedPoint(work, 6, 57);
        drawFixedPoint(work, g - 4, 28);
        handles.attack = drawHandle(work, a + 6, 5, handleFill(marked, HandleAttack));
        handles.decay = drawHandle(work, f - 4, 28, handleFill(marked, HandleDecay));
        handles.release = drawHandle(work, h - 4, 57, handleFill(marked, HandleRelease));
        work.setTextAlign(TextAlign::Left);
        GraphText(work, a + 16, 4, SignedText(attack));
        GraphText(work, f + 8, 22, SignedText(decay));
        work.setTextAlign(TextAlign::Right);
        GraphText(work, h - 8, 56, SignedText(release));
    }
    copyOut(destination, at, kEnvelopeSource, kEnvelopeWidth, kAmplitudeHeight);
    const QPoint shift = at - kEnvelopeSource;
    handles.attack = handles.attack.translated(shift.x(), shift.y());
    handles.decay = handles.decay.translated(shift.x(), shift.y());
    handles.release = handles.release.translated(shift.x(), shift.y());
    for (const HitRect& handle : {handles.attack, handles.decay, handles.release})
        noteHandle(destination, handle, at, kEnvelopeWidth, kAmplitudeHeight);
    return handles;
}

PitchHandles PartGraphs::drawPitchEnvelope(const image::PartRecord& part, int marked,
                                           Canvas& destination, QPoint at) {
    startFromBackground();
    const int initialLevel = graphValue(part, graph_offset::kPitchInitialLevel);
    const int attackTime = graphValue(part, graph_offset::kPitchAttackTime);
    const int releaseLevel = graphValue(part, graph_offset::kPitchReleaseLevel);
    const int releaseTime = graphValue(part, graph_offset::kPitchReleaseTime);
    const int px1 = 76 - attackTime / 3;
    const int py1 = 53 - initialLevel / 3;
    const int px2 = 101 + releaseTime / 3;
    const int py2 = 53 - releaseLevel / 3;

    PitchHandles handles;
    {
        Canvas work(work_);
        work.setPen(ColBlack);
        work.line(76, 32, 101, 32);
        work.line(px1, py1, 76, 32);
        work.line(101, 32, px2, py2);
        drawFixedPoint(work, 72, 28);
        drawFixedPoint(work, 97, 28);
        handles.attack = drawHandle(work, px1 - 4, py1 - 4, handleFill(marked, HandlePitchAttack));
        handles.release =
            drawHandle(work, px2 - 4, py2 - 4, handleFill(marked, HandlePitchRelease));
        const QString left = QString::fromLatin1(SignedText(initialLevel)) + QLatin1Char(',') +
                             QString::fromLatin1(SignedText(attackTime));
        const QString right = QString::fromLatin1(SignedText(releaseLevel)) + QLatin1Char(',') +
                              QString::fromLatin1(SignedText(releaseTime));
        work.setTextAlign(TextAlign::Right);
        GraphText(work, px1 - 6, py1 - 5, left);
        work.setTextAlign(TextAlign::Left);
        GraphText(work, px2 + 4, py2 - 5, right);
    }
    copyOut(destination, at, kEnvelopeSource, kEnvelopeWidth, kPitchHeight);
    const QPoint shift = at - kEnvelopeSource;
    handles.attack = handles.attack.translated(shift.x(), shift.y());
    handles.release = handles.release.translated(shift.x(), shift.y());
    for (const HitRect& handle : {handles.attack, handles.release})
        noteHandle(destination, handle, at, kEnvelopeWidth, kPitchHeight);
    return handles;
}

} // namespace draw
