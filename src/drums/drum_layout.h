#pragma once
// Where everything sits on the drum setup editor's panel and what each knob edits.

#include "draw/hit_rect.h"

#include <array>

namespace drums {

using draw::HitRect;

inline constexpr int kPanelWidth = 583;
inline constexpr int kPanelHeight = 324;

// Bytes of a key's 16-byte record, in the module's drum parameter order.
namespace key_byte {
inline constexpr int kCoarse = 0;
inline constexpr int kFine = 1;
inline constexpr int kLevel = 2;
inline constexpr int kAltGroup = 3;
inline constexpr int kPan = 4;
inline constexpr int kReverb = 5;
inline constexpr int kChorus = 6;
inline constexpr int kVariation = 7;
inline constexpr int kKeyAssign = 8;
inline constexpr int kNoteOff = 9;
inline constexpr int kNoteOn = 10;
inline constexpr int kCutoff = 11;
inline constexpr int kResonance = 12;
inline constexpr int kAttack = 13;
inline constexpr int kDecay1 = 14;
inline constexpr int kDecay2 = 15;
} // namespace key_byte

enum class ValueForm { Signed, Decimal, Pan, Cent, AltGroup };

struct KnobPlace {
    const char* label;
    int x; // the knob unit's place: its value box runs from x - 2 to x + 34
    int y;
    int keyByte;
    ValueForm form;
    HitRect hit;
};

inline constexpr int kKnobCount = 13;
// The pot sits in the middle of its unit, on its hit rectangle.
inline constexpr int kKnobPotOffset = 6;
extern const std::array<KnobPlace, kKnobCount> kKnobs;

// Edit kinds: 1..13 the knobs, then the buttons, the envelope handles, the filter graph and
// the setup headers, in the order a press tests them.
enum Area {
    AreaNone = 0,
    AreaSingle = 14,
    AreaMulti = 15,
    AreaNoteOn = 16,
    AreaNoteOff = 17,
    AreaAttackHandle = 18,
    AreaDecay2Handle = 19,
    AreaDecay1Handle = 20,
    AreaFilter = 21,
    AreaSetup1 = 22,
    AreaSetup2 = 23,
};

struct ButtonPlace {
    const char* caption;
    int left;
    int top;
    int right;
    HitRect hit;
};
// "SINGLE", "MULTI", "NOTE ON", "NOTE OFF" (areas 14..17).
extern const std::array<ButtonPlace, 4> kButtons;

inline constexpr HitRect kFilterArea{400, 7, 574, 81};
inline constexpr HitRect kSetup1Area{8, 7, 88, 22};
inline constexpr HitRect kSetup2Area{8, 160, 88, 181};
// The envelope handles' rows; their columns follow the graph.
inline constexpr int kAttackHandleTop = 15;
inline constexpr int kDecayHandleTop = 38;
inline constexpr int kHandleHeight = 7;

// The graphs' places on the panel.
inline constexpr int kEnvelopeGraphX = 222;
inline constexpr int kFilterGraphX = 402;
inline constexpr int kGraphY = 9;
// The graphs show 171 x 73 pixels of their 188 x 74 work images from (3, 3).
inline constexpr int kGraphShownWidth = 171;
inline constexpr int kGraphShownHeight = 73;
inline constexpr int kGraphSourceX = 3;
inline constexpr int kGraphSourceY = 3;

// ---- the keyboard ----------------------------------------------------------------------
// Seven groups of twelve keys from note 12; the last group stops after G (note 91).
inline constexpr int kFirstKeyboardNote = 12;
inline constexpr int kLastKeyboardNote = 91;
inline constexpr int kKeyboardKeyCount = kLastKeyboardNote - kFirstKeyboardNote + 1;
inline constexpr int kKeyboardLeft = 233;
inline constexpr int kKeyboardTop = 269;
inline constexpr int kGroupWidth = 49;
inline constexpr int kWhiteWidth = 8;
inline constexpr int kWhiteHeight = 40;
inline constexpr int kBlackWidth = 5;
inline constexpr int kBlackHeight = 25;
// The clean keyboard kept apart to take a highlight off again.
inline constexpr int kKeyboardWidth = 330;
inline constexpr int kKeyboardHeight = 40;

struct KeyShape {
    bool black;
    int offset; // x within the group
    // The highlight's upper part of a white key runs from left + h to right + k.
    int h;
    int k;
};
// By semitone C, C sharp ... B.
extern const std::array<KeyShape, 12> kKeyShapes;

// The drawn rectangle of a keyboard key (GDI style: right and bottom are outside), from
// its note 12..91.
HitRect keyRectangle(int note);
// The hit rectangle of a key (inclusive); a white key ends where its right neighbour's
// outline begins.
HitRect keyHitRect(int note);
bool isBlackKey(int note);

} // namespace drums
