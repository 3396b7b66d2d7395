#pragma once
// The controls of the part editor: the ten controls of every part strip and the 68 controls
// of the current part's page, with what each edits, how it is pressed and drawn, where its
// status field goes and how its value reads. The descriptors are one writable table: the
// element-reserve maximum and the controller-source bindings change while the program runs.

#include "draw/hit_rect.h"

#include <array>
#include <cstdint>
#include <string>

namespace editor {

using draw::HitRect;

enum class Kind : std::uint8_t {
    PartSelect = 0,
    ModeToggle = 1,
    ChannelField = 2,
    Knob = 3,
    Fader = 4,
    VoiceButton = 5,
    AmplitudeHandle = 6,
    PitchHandle = 7,
    FilterPad = 8,
    VibratoGraph = 9,
    ScaleTuningKey = 10,
    Button = 11,
    ElementReserveBox = 12,
    ControllerNumberButton = 13,
    ControllerSourceButton = 14,
    VibratoKnob = 15,
    DetuneKnob = 16,
    PortamentoTimeBox = 17,
    NoteLimitKnob = 18,
};

enum class ValueForm : std::uint8_t {
    None,
    Plain,
    Signed,
    SignedCent, // signed + " cent"
    Channel,    // "CH  1".." OFF"
    MonoPoly,   // "Mono", "Poly"
    Pan,        // "RND", "<-63".."63->"
    NoteName,   // "C -2".."G  8"
    DetuneHz,   // "-12.8 Hz".."12.7 Hz"
    FilterCent, // "-9600 cent".."9450 cent"
    AmpPercent, // "-100%".."100%"
    OffOn,      // "Off", "On"
};

struct Descriptor {
    std::uint16_t minimum = 0;
    std::uint16_t maximum = 0;
    std::uint16_t offset = 0;
    Kind kind = Kind::PartSelect;
};

struct StripControlInfo {
    const char* name;
    HitRect rect; // for the first part; the part of index p sits 35 * p further right
    int statusX;  // status field of the first part
    int statusY;
    ValueForm form;
};

struct PageControlInfo {
    const char* name;
    HitRect rect; // empty (all zero) for the graph handles, registered when drawn
    const char* label;
    int statusX; // status field left, top and width; width 0: no status field
    int statusY;
    int statusWidth;
    ValueForm form;
    const char* secondName; // second line of the two-value controls, else nullptr
};

inline constexpr int kStripControlCount = 10;
inline constexpr int kPageControlCount = 68;
inline constexpr int kStripSpacing = 35;
inline constexpr int kStatusHeight = 18;
inline constexpr int kStripStatusWidth = 90;
inline constexpr int kSourceCount = 6;
inline constexpr int kControllerListSize = 96;

// Strip controls by number 1..10.
namespace strip {
inline constexpr int kPart = 1;
inline constexpr int kMode = 2;
inline constexpr int kChannel = 3;
inline constexpr int kReverb = 4;
inline constexpr int kChorus = 5;
inline constexpr int kVariation = 6;
inline constexpr int kDry = 7;
inline constexpr int kPan = 8;
inline constexpr int kVolume = 9;
inline constexpr int kVoice = 10;
} // namespace strip

// Page controls by number 1..68.
namespace page {
inline constexpr int kAttack = 1;
inline constexpr int kRelease = 3;
inline constexpr int kPitchAttack = 4;
inline constexpr int kPitchRelease = 5;
inline constexpr int kFilter = 6;
inline constexpr int kVibrato = 7;
inline constexpr int kFirstScaleKey = 8;
inline constexpr int kLastScaleKey = 19;
inline constexpr int kVibratoDelay = 20;
inline constexpr int kVibratoRate = 21;
inline constexpr int kVibratoDepth = 22;
inline constexpr int kNoteShift = 23;
inline constexpr int kDetune = 24;
inline constexpr int kPortamentoOn = 25;
inline constexpr int kPortamentoOff = 26;
inline constexpr int kPortamentoTime = 27;
inline constexpr int kAssignSingle = 28;
inline constexpr int kAssignInst = 30;
inline constexpr int kElementReserve = 31;
inline constexpr int kNoteLimitLow = 36;
inline constexpr int kNoteLimitHigh = 37;
inline constexpr int kAc1Number = 38;
inline constexpr int kAc2Number = 39;
inline constexpr int kFirstDestination = 40;
inline constexpr int kLastDestination = 45;
inline constexpr int kFirstSource = 46;
inline constexpr int kLastSource = 51;
inline constexpr int kFirstReceive = 52;
inline constexpr int kLastReceive = 68;
} // namespace page

// The constant tables (part_controls_tables.cpp).
extern const std::array<Descriptor, kStripControlCount + 1> kStripDescriptors; // [0] unused
extern const std::array<Descriptor, kPageControlCount + 1> kPageDescriptors;   // [0] unused
extern const std::array<StripControlInfo, kStripControlCount + 1> kStripControls;
extern const std::array<PageControlInfo, kPageControlCount + 1> kPageControls;
// Part-record offsets of the six destination knobs for each source 1..6 ([0] unused).
extern const std::array<std::array<std::uint8_t, 6>, kSourceCount + 1> kSourceOffsets;
extern const std::array<const char*, kSourceCount + 1> kSourceLabels;
// The controller list: one item per controller number 0..95.
extern const std::array<const char*, kControllerListSize> kControllerListItems;
// X of the part number labels above the strips.
extern const std::array<int, 16> kPartLabelX;

// The writable descriptor table of one editor.
class PartControls {
  public:
    PartControls();

    const Descriptor& strip(int c) const;
    const Descriptor& page(int n) const;

    // The element-reserve control may go up to what the other parts leave free.
    void setElementReserveMaximum(int maximum);
    // Rebinds the destination knobs 40..45 to source 1..6 (others are ignored).
    void SetControllerSource(int source);
    int controllerSource() const { return source_; }

  private:
    std::array<Descriptor, kStripControlCount + 1> strip_;
    std::array<Descriptor, kPageControlCount + 1> page_;
    int source_ = 1;
};

} // namespace editor
