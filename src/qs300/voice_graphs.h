#pragma once
// The small graphs of the voice editor, drawn from the voice bytes alone: the three
// envelopes, the level and filter scaling curves, cutoff and resonance, the three LFO
// shapes and the key ranges of the four elements. Each graph starts from its clean
// background, so a redraw on every drag step leaves no trace of the previous one. Graphs
// with points return the rectangles of their handles, so that presses follow the drawing.

#include "draw/canvas.h"
#include "draw/hit_rect.h"
#include "image/synth_image.h"

#include <array>
#include <optional>
#include <span>

namespace qs300 {

using draw::HitRect;
using Element = std::span<const image::Byte, image::kVoiceElementSize>;

// The section colour of headings and handles.
inline constexpr draw::Colour kSectionColour = draw::rgb(0, 0, 128);

// Handles in the graph point table's order. `active` is the handle being dragged (drawn
// red) or -1.
// Amp EG: release, decay 2, decay 1, attack.
std::array<HitRect, 4> drawAmpEg(draw::Canvas& canvas, Element element, int active);
// Filter or pitch EG: release, decay 2, decay 1, attack, initial level.
enum class LevelEg { Filter, Pitch };
std::array<HitRect, 5> drawLevelEg(draw::Canvas& canvas, Element element, LevelEg which,
                                   int active);
// Level or filter scaling: break points 4, 3, 2, 1.
enum class Scaling { Level, Filter };
std::array<HitRect, 4> drawScaling(draw::Canvas& canvas, Element element, Scaling which,
                                   int active);
void drawCutoff(draw::Canvas& canvas, Element element, bool active);
enum class Lfo { Amp, Filter, Pitch };
void drawLfo(draw::Canvas& canvas, Element element, Lfo which);

// Vertical pixel of an EG level in the work picture (amp, filter, pitch rules).
int ampLevelY(int level);
int filterLevelY(int level);
int pitchLevelY(int level);
// Horizontal pixel of a scaling break point and vertical pixel of an offset.
int scalingNoteX(int note);
int scalingOffsetY(int offset);
// Half the percentage the LFO depth table gives.
int lfoAmplitude(Lfo which, int depth);

// The key range bars of the four elements, the range keyboard under them and the note
// marks. Returns the handles: for element e, 2e is the low end and 2e + 1 the high end.
struct RangeView {
    std::array<int, 4> low{};
    std::array<int, 4> high{};
    int current = 0;
    bool fourElements = true;
    int activeHandle = -1;           // being dragged, drawn red
    std::optional<int> markedNote;   // a note knob being dragged
    std::optional<int> soundingNote; // the key played with the mouse
    std::optional<int> releasedNote; // the key played last, shown inside or outside the range
};
std::array<HitRect, 8> drawKeyRanges(draw::Canvas& canvas, const RangeView& view);
// The note under a point of the range keyboard (black keys first), if any.
std::optional<int> rangeKeyboardNote(int x, int y);

} // namespace qs300
