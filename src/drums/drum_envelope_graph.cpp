#include "drums/drum_envelope_graph.h"

#include "draw/artwork.h"
#include "draw/drawn_controls.h"
#include "draw/frames.h"
#include "draw/palette.h"
#include "drums/drum_layout.h"

#include <algorithm>

namespace drums {
namespace {

constexpr int kToPanelX = kEnvelopeGraphX - kGraphSourceX;
constexpr int kToPanelY = kGraphY - kGraphSourceY;

struct Corners {
    int a; // attack's x offset
    int f; // end of decay 1
    int g; // end of decay 2
};

// A higher rate is a shorter segment.
Corners cornersOf(int attack, int decay1, int decay2) {
    const auto span = [](int rate) { return (127 - std::clamp(rate, 0, 127)) / 3; };
    const int a = span(attack);
    const int f = 25 + a + span(decay1);
    return {a, f, f + span(decay2)};
}

void drawHandle(draw::Canvas& work, int left, int top, draw::Colour fill) {
    work.setPen(draw::ColBlack);
    draw::FillBox(work, left, top, left + 8, top + 8, fill);
}

draw::Colour fillOf(EnvelopeMark mark, EnvelopeMark handle) {
    return mark == handle ? draw::ColRed : draw::ColHighlight;
}

void noteHandle(draw::Canvas& panel, const char* name, int workLeft, int workTop) {
    const draw::DrawnOwner owner(panel, name);
    draw::noteDrawn(panel, draw::DrawnKind::Handle, workLeft + kToPanelX, workTop + kToPanelY,
                    workLeft + kToPanelX + 7, workTop + kToPanelY + 7);
}

} // namespace

EnvelopeHandles envelopeHandles(int attack, int decay1, int decay2) {
    const Corners c = cornersOf(attack, decay1, decay2);
    return {{240 + c.a, kAttackHandleTop, 248 + c.a, kAttackHandleTop + kHandleHeight},
            {215 + c.f, kDecayHandleTop, 223 + c.f, kDecayHandleTop + kHandleHeight},
            {215 + c.g, kDecayHandleTop, 223 + c.g, kDecayHandleTop + kHandleHeight}};
}

DrumEnvelopeGraph::DrumEnvelopeGraph()
    : work_(draw::artwork().graphBackground.size(), QImage::Format_RGB32) {}

EnvelopeHandles DrumEnvelopeGraph::draw(const image::DrumSlot* key, EnvelopeMark mark,
                                        draw::Canvas& panel) {
    const QImage& background = draw::artwork().graphBackground;
    // Without a key the handles lie off the panel, where no press reaches them.
    constexpr draw::HitRect kNowhere{-10, -10, -10, -10};
    EnvelopeHandles handles{kNowhere, kNowhere, kNowhere};
    {
        draw::Canvas work(work_);
        work.blit(0, 0, background.width(), background.height(), background, 0, 0);
        if (key) {
            namespace kb = key_byte;
            const Corners c =
                cornersOf((*key)[kb::kAttack], (*key)[kb::kDecay1], (*key)[kb::kDecay2]);
            work.setPen(draw::ColBlack);
            work.line(25, 65, 25 + c.a, 13);
            work.line(25 + c.a, 13, c.f, 36);
            work.line(c.f, 36, c.g, 36);
            work.line(c.g, 36, c.g + 15, 65);
            drawHandle(work, 21, 61, draw::ColFixedPoint);
            drawHandle(work, c.g + 11, 61, draw::ColFixedPoint);
            drawHandle(work, 21 + c.a, 9, fillOf(mark, EnvelopeMark::Attack));
            drawHandle(work, c.f - 4, 32, fillOf(mark, EnvelopeMark::Decay1));
            drawHandle(work, c.g - 4, 32, fillOf(mark, EnvelopeMark::Decay2));
            handles =
                envelopeHandles((*key)[kb::kAttack], (*key)[kb::kDecay1], (*key)[kb::kDecay2]);
            if (panel.drawnControls()) {
                noteHandle(panel, "Attack handle", 21 + c.a, 9);
                noteHandle(panel, "Decay 1 handle", c.f - 4, 32);
                noteHandle(panel, "Decay 2 handle", c.g - 4, 32);
            }
        }
    }
    panel.blit(kEnvelopeGraphX, kGraphY, kGraphShownWidth, kGraphShownHeight, work_, kGraphSourceX,
               kGraphSourceY);
    return handles;
}

} // namespace drums
