#pragma once
// Where everything lies on the voice editor surface (792 x 554) and what each control
// edits: the rows behind the knobs, value boxes and graph points, and the rectangles of the
// switches and buttons. Rectangles are inclusive, tested in table order.

#include "draw/hit_rect.h"
#include "qs300/voice_texts.h"

#include <array>
#include <optional>
#include <string_view>

namespace qs300 {

using draw::HitRect;

inline constexpr int kEditorWidth = 792;
inline constexpr int kEditorHeight = 554;

// One byte of the voice: a common byte, or a byte of the current (or a given) element.
struct VoiceParam {
    bool element = true;
    int offset = 0;
    int minimum = 0;
    int maximum = 127;
};

// A value the user drags: its byte, its value field and how the field shows it.
struct ParamRow {
    std::string_view name; // the status text while it is pressed
    VoiceParam param;
    int x = 0; // value field
    int y = 0;
    Form form = Form::Number;
    std::string_view caption;
};

inline constexpr int kKnobCount = 22;
inline constexpr int kOverallCount = 6;
inline constexpr int kStripCount = 24;
inline constexpr int kMixRowCount = 5; // shift, detune, velocity high, velocity low, pan

extern const std::array<ParamRow, kKnobCount> kKnobRows;
extern const std::array<ParamRow, kOverallCount> kOverallRows;
extern const std::array<HitRect, kOverallCount> kOverallRects;
extern const std::array<ParamRow, kStripCount> kControllerRows;
extern const std::array<ParamRow, kStripCount> kEgDataRows;
extern const std::array<ParamRow, kMixRowCount> kMixRows;

// Knobs whose value is a note: their drag marks the note on the range keyboard.
bool isNoteKnob(const ParamRow& row);

// Hit rectangle of a knob whose value box is at (x, y), and of element mix cell (e, row).
HitRect knobRect(int x, int y);
HitRect mixRect(int element, int row);
HitRect stripRect(int index);

// ---- graph points (26 entries) ----------------------------------------------------------
// Entries 0..21 sit on drawn handles; 22..25 are whole graphs. A reversed horizontal axis
// belongs to a rate: a higher rate is a shorter segment, so dragging right lowers it.
struct GraphPointRow {
    std::optional<VoiceParam> horizontal;
    std::optional<VoiceParam> vertical;
    bool reversed = false;
    std::string_view status; // empty: the two-value texts of scaling and cutoff points
};
inline constexpr int kGraphPointCount = 26;
inline constexpr int kHandlePointCount = 22;
extern const std::array<GraphPointRow, kGraphPointCount> kGraphPoints;

// ---- switch table (38 entries) -----------------------------------------------------------
enum class SwitchKind {
    VelocityCurve, // value 0..6
    FilterCurve,   // 1 EXPO, 0 LINEAR
    LfoWave,       // 0..2
    LfoPhase,      // 1 ON, 0 OFF
    PlayMode,      // 1 poly, 0 mono
    Portamento,    // 1 ON, 0 OFF
    ElementTab,    // element 0..3
    ElementRow,    // element 0..3
    ElementLed,    // element 0..3
    AmpTemplates,
    FilterTemplates,
    PitchTemplates,
    WaveField, // element 0..3
    NameField,
};

struct SwitchEntry {
    SwitchKind kind;
    int value;
    HitRect rect;
    std::string_view status; // empty: the status line keeps its text
};

inline constexpr int kSwitchCount = 38;
extern const std::array<SwitchEntry, kSwitchCount> kSwitches;

// ---- command buttons --------------------------------------------------------------------
enum class Command { Random, Copy, Scan, EgData, Exit, NameField };
struct CommandButton {
    Command command;
    std::string_view caption;
    HitRect rect;
};
inline constexpr int kCommandCount = 6;
extern const std::array<CommandButton, kCommandCount> kCommands;

// ---- fixed places -----------------------------------------------------------------------
inline constexpr HitRect kStatusLine{250, 358, 436, 369};
inline constexpr HitRect kNameField{153, 358, 238, 369};
inline constexpr int kTabTop = 18;
constexpr int tabLeft(int element) {
    return 4 + 35 * element;
}
constexpr int ledLeft(int element) {
    return 16 + 34 * element;
}
inline constexpr int kLedTop = 39;
constexpr int faderLeft(int element) {
    return 7 + 35 * element;
}
constexpr int elementRowTop(int element) {
    return 424 + 16 * element;
}
// The level fader's handle: 23 x 13 at y = 405 - level.
constexpr HitRect faderHandle(int element, int level) {
    return {faderLeft(element), 405 - level, faderLeft(element) + 22, 418 - level};
}

// Graph places on the surface (left, top, right, bottom inclusive) and where their work
// pictures' (0, 0) lies.
inline constexpr HitRect kAmpEgArea{152, 106, 324, 178};
inline constexpr HitRect kPitchEgArea{152, 236, 324, 308 - 8};
inline constexpr HitRect kFilterEgArea{610, 106, 782, 178};
inline constexpr HitRect kLevelScalingArea{152, 20, 459, 99};
inline constexpr HitRect kFilterScalingArea{475, 20, 782, 99};
inline constexpr HitRect kCutoffArea{610, 183, 782, 253};
inline constexpr HitRect kAmpLfoArea{331, 106, 459, 163};
inline constexpr HitRect kFilterLfoArea{475, 106, 603, 163};
inline constexpr HitRect kPitchLfoArea{331, 236, 459, 300};

// Key ranges: bars, the keyboard and the presets.
inline constexpr int kRangeLeft = 196;
inline constexpr int kRangeRight = 646;
constexpr int rangeBarTop(int element) {
    return 388 + 14 * element;
}
inline constexpr int kRangeKeyboardLeft = 196;
inline constexpr int kRangeKeyboardTop = 442;
inline constexpr HitRect kRangeKeyboard{196, 442, 647, 481};
inline constexpr int kRangePresetCount = 6;
HitRect rangePresetRect(int preset); // preset 0..5 ("SET  1" .. "SET  6")
std::string_view rangePresetCaption(int preset);
// Low and high note of each element for a preset.
struct NoteRange {
    int low;
    int high;
};
extern const std::array<std::array<NoteRange, 4>, kRangePresetCount> kRangePresets;

// x of a note on the range bars and keyboard (a 42-pixel octave).
int rangeNoteX(int note);

} // namespace qs300
