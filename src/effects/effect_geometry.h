#pragma once
// Where the three effect rows and the tool strip sit on the editor surface.

#include "draw/hit_rect.h"
#include "image/synth_image.h"

#include <array>

namespace effects {

using draw::HitRect;

// One effect row: its knobs, labels, header and controls.
struct RowGeometry {
    int knobTop;       // top of every knob's hit rectangle
    int slotPitch;     // x distance of neighbouring knobs
    int labelY;        // top of the 28 x 10 label boxes
    int headerY;       // top of the 80 x 14 type name field
    int grooveLeft;    // the header grooves run from here to kGrooveRight
    int bandTop;       // the row's panel
    int bandBottom;    // (inclusive)
    const char* title; // caption at the left of the header
};

inline constexpr int kKnobSize = 22; // a knob's hit rectangle is 23 x 23
inline constexpr int kFirstKnobLeft = 14;
inline constexpr int kLabelWidth = 28;
inline constexpr int kLabelHeight = 10;
inline constexpr int kNameFieldX = 475;
inline constexpr int kNameFieldWidth = 80;
inline constexpr int kNameFieldHeight = 14;
inline constexpr int kGrooveRight = 548;
inline constexpr int kListButtonLeft = 557;
inline constexpr int kListButtonRight = 567;
inline constexpr int kLedX = 572;
inline constexpr int kLedSize = 8;
inline constexpr int kAreaLeft = 8;
inline constexpr int kAreaRight = 585;
inline constexpr int kAreaTop = 403;

const RowGeometry& rowGeometry(image::EffectKind kind);

// Hit rectangle of knob slot `slot` (1-based) of a row.
HitRect knobRect(image::EffectKind kind, int slot);
// Left x of the label box under slot `slot`.
int labelLeft(image::EffectKind kind, int slot);

// The row's clickable header parts.
HitRect listButtonRect(image::EffectKind kind);
HitRect ledRect(image::EffectKind kind);

inline constexpr HitRect kInsButton{546, 522, 567, 534};
inline constexpr HitRect kSysButton{546, 537, 567, 549};

// Hot areas 9..17 of the tool strip at the top right of the surface.
namespace tool {
inline constexpr HitRect kMasterTune{755, 34, 778, 55};
inline constexpr HitRect kMasterVolume{715, 26, 753, 64};
inline constexpr HitRect kTranspose{691, 34, 714, 55};
inline constexpr HitRect kVoiceEditor{590, 3, 654, 27};
inline constexpr HitRect kThruLed{665, 10, 673, 18};
inline constexpr HitRect kAbout{693, 3, 788, 23};
inline constexpr HitRect kVirtualKeyboard{590, 29, 621, 62};
inline constexpr HitRect kDrumEditor{623, 29, 654, 62};
inline constexpr HitRect kKeyboardRange{656, 29, 687, 62};
// The strip's own area: right of the part strips, above the part page.
inline constexpr HitRect kArea{588, 0, 791, 53};
// The part page below the strip. The knobs' hot areas reach into its header; there the
// page's header is what the user sees, so the strip does not answer there.
inline constexpr HitRect kPartPage{594, 54, 777, 553};
} // namespace tool

} // namespace effects
