#include "aids/virtual_keyboard.h"

#include "draw/artwork.h"
#include "draw/buttons.h"
#include "draw/canvas.h"
#include "draw/drawn_controls.h"
#include "draw/frames.h"
#include "draw/keyboards.h"
#include "draw/knobs.h"
#include "draw/palette.h"
#include "draw/text.h"

#include <algorithm>

namespace aids {
namespace {

using draw::HitRect;
using editor::MouseButton;

constexpr std::uint32_t kBackgroundColorRef = 4889278;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr int kChannels = 16;
constexpr int kHighestChordRoot = 119;
constexpr int kMinorThird = 3;
constexpr int kMajorThird = 4;
constexpr int kFifth = 7;

// Hot areas in the order a press tests them.
constexpr int kClose = 1;
constexpr int kSingleNotes = 2;
constexpr int kMinorChords = 3;
constexpr int kVelocityField = 4;
struct HotArea {
    const char* name;
    HitRect rect;
};
constexpr std::array<HotArea, 4> kHotAreas{{
    {"CLOSE", {17, 7, 110, 23}},
    {"SINGLE NOTES", {335, 7, 432, 23}},
    {"MINOR CHORDS", {440, 7, 539, 23}},
    {"VELOCITY", {120, 7, 220, 23}},
}};
constexpr HitRect kPlayingArea{16, 31, 539, 68};

// The velocity strip: one pixel wide, far right of the window's origin; y is 127 - value.
constexpr int kVelocityStripX = 1000;
constexpr int kVelocityTextX = 122;
constexpr int kVelocityTextY = 10;
constexpr int kVelocityTextWidth = 98;

int hotAreaAt(int x, int y) {
    for (std::size_t i = 0; i < kHotAreas.size(); ++i)
        if (kHotAreas[i].rect.contains(x, y)) return static_cast<int>(i) + 1;
    return 0;
}

Key keyOfNote(int note) {
    for (int index = 1; index <= kBlackKeys; ++index)
        if (blackNote(index) == note) return {note, true, index};
    for (int index = 1; index <= kWhiteKeys; ++index)
        if (whiteNote(index) == note) return {note, false, index};
    return {};
}

} // namespace

VirtualKeyboard::VirtualKeyboard(const image::SynthImage& image, midi::MidiPort& port,
                                 editor::SurfaceHost& host, int velocity)
    : synth_(image), port_(port), host_(host),
      image_(kKeyboardWindowWidth, kKeyboardWindowHeight, QImage::Format_RGB32),
      canvas_(std::make_unique<draw::Canvas>(image_)), engine_(host),
      velocity_(std::clamp(velocity, 0, 127)) {
    paintAll();
}

VirtualKeyboard::~VirtualKeyboard() = default;

// ---- painting -----------------------------------------------------------------------------

void VirtualKeyboard::paintAll() {
    draw::Canvas& c = *canvas_;
    c.resetClip();
    c.fillRect(0, 0, kKeyboardWindowWidth, kKeyboardWindowHeight,
               draw::fromColorRef(kBackgroundColorRef));
    // The brass texture stretched over the width, three times down.
    const QImage& strip = draw::artwork().titleStrip;
    const QImage band = strip.copy(1, 0, strip.width() - 1, 32).scaled(562, 32);
    for (const int y : {0, 32, 64}) c.blit(0, y, 562, 32, band, 0, 0);

    draw::DrawPianoKeyboard(c, kKeyboardLeft, kKeysTop, draw::kWidePiano);
    paintButtons();
    {
        const draw::DrawnOwner owner(c, "VELOCITY");
        draw::DrawValueBox(c, 120, 7, 220, 22);
    }
    paintVelocity(false);

    const QImage& screw = draw::artwork().screw;
    for (const auto& [x, y] : {std::pair{3, 3}, {3, 71}, {542, 3}, {542, 71}})
        c.blit(x, y, screw.width(), screw.height(), screw, 0, 0);

    c.line(0, 0, 554, 0, draw::ColHighlight);
    c.line(0, 0, 0, 84, draw::ColHighlight);
    c.line(554, 0, 554, 84, draw::ColBrown);
    c.line(1, 83, 554, 83, draw::ColBrown);
    c.line(553, 1, 553, 85, draw::ColBlack);
    c.line(0, 84, 555, 84, draw::ColBlack);
}

void VirtualKeyboard::paintButtons() {
    for (const int area : {kClose, kSingleNotes, kMinorChords}) {
        const HotArea& hot = kHotAreas[static_cast<std::size_t>(area - 1)];
        const bool pressed = (area == kClose && pressedButton_ == kClose) ||
                             (area == kSingleNotes && chordMode_ == 0) ||
                             (area == kMinorChords && chordMode_ == kMinorChordMode);
        const draw::DrawnOwner owner(*canvas_, hot.name);
        // A button reaches two pixels left of its left end and one right of its right end.
        draw::DrawPadButton(*canvas_, hot.rect.left + 2, hot.rect.top, hot.rect.right - 1, hot.name,
                            pressed ? draw::ButtonPressed : draw::ButtonUp);
        repaint(hot.rect);
    }
}

void VirtualKeyboard::paintVelocity(bool dragging) {
    const draw::DrawnOwner owner(*canvas_, "VELOCITY");
    draw::DrawNamedValue(*canvas_, kVelocityTextX, kVelocityTextY, kVelocityTextWidth, "VELOCITY",
                         velocity_, dragging ? draw::ColRed : draw::ColBlack);
    repaint({kVelocityTextX, kVelocityTextY, kVelocityTextX + kVelocityTextWidth, 22});
}

void VirtualKeyboard::paintRecorded(draw::DrawnControls* record) {
    canvas_->setDrawnControls(record);
    paintAll();
    canvas_->setDrawnControls(nullptr);
}

void VirtualKeyboard::light(const Key& key, bool on) {
    const KeyHighlight h = highlightOf(key);
    const draw::Colour colour = on          ? draw::rgb(0, 0, 255)
                                : key.black ? draw::ColDarkBrown
                                            : draw::ColHighlight;
    for (const std::optional<HitRect>& r : {std::optional<HitRect>(h.lower), h.upper}) {
        if (!r) continue;
        canvas_->fillRect(r->left, r->top, r->right, r->bottom, colour);
        repaint({r->left, r->top, r->right - 1, r->bottom - 1});
    }
}

void VirtualKeyboard::shown() {
    paintVelocity(false);
}

std::vector<editor::NamedArea> VirtualKeyboard::hitAreas() const {
    std::vector<editor::NamedArea> areas;
    for (const HotArea& hot : kHotAreas) areas.push_back({hot.name, hot.rect});
    areas.push_back({"Keys", kPlayingArea});
    return areas;
}

// ---- notes --------------------------------------------------------------------------------

int VirtualKeyboard::channel() const {
    return synth_.part(synth_.currentPart, image::offset::kReceiveChannel);
}

void VirtualKeyboard::startNote(const Key& key) {
    light(key, true);
    const int ch = channel();
    // A part that receives on no channel ("OFF") cannot be played.
    if (ch < kChannels)
        port_.SendShort(static_cast<std::uint8_t>(kNoteOn | ch),
                        static_cast<std::uint8_t>(key.note), static_cast<std::uint8_t>(velocity_));
    const Sounding note{key, ch};
    if (!root_)
        root_ = note;
    else
        chord_.push_back(note);
}

void VirtualKeyboard::stopNote(const Sounding& note) {
    light(note.key, false);
    if (note.channel < kChannels)
        port_.SendShort(static_cast<std::uint8_t>(kNoteOn | note.channel),
                        static_cast<std::uint8_t>(note.key.note), 0);
}

void VirtualKeyboard::startChord(const Key& root, int third) {
    startNote(root);
    if (root.note > kHighestChordRoot) return;
    startNote(keyOfNote(root.note + third));
    startNote(keyOfNote(root.note + kFifth));
}

void VirtualKeyboard::stopChord() {
    for (const Sounding& note : chord_) stopNote(note);
    chord_.clear();
}

void VirtualKeyboard::stopAll() {
    stopChord();
    if (root_) stopNote(*root_);
    root_.reset();
    lastKey_.reset();
}

void VirtualKeyboard::deactivated() {
    if (engine_.active()) finishVelocityDrag();
    stopAll();
    state_ = PlayState::Idle;
    if (pressedButton_ == kClose) {
        pressedButton_ = 0;
        paintButtons();
    }
}

// ---- mouse --------------------------------------------------------------------------------

void VirtualKeyboard::Ig2MouseDown(MouseButton button, int x, int y) {
    // One thing at a time: a press while a note, chord or the velocity is held is ignored.
    if (state_ != PlayState::Idle || button == MouseButton::Middle) return;
    const std::optional<Key> key = inKeyboardArea(x, y) ? keyAt(x, y) : std::nullopt;
    if (button == MouseButton::Right) {
        if (!key) return;
        lastKey_ = key;
        state_ = PlayState::MajorChord;
        startChord(*key, kMajorThird);
        return;
    }
    switch (hotAreaAt(x, y)) {
    case kClose:
        pressedButton_ = kClose;
        paintButtons();
        return;
    case kSingleNotes:
        chordMode_ = 0;
        paintButtons();
        return;
    case kMinorChords:
        chordMode_ = kMinorChordMode;
        paintButtons();
        return;
    case kVelocityField: {
        editor::DragSetup strip = editor::DragSetup::single(0, 127);
        strip.originX = kVelocityStripX;
        strip.confinement = HitRect{kVelocityStripX, 0, kVelocityStripX, 127};
        strip.fineMode = false;
        engine_.begin(strip, *this, x, y);
        state_ = PlayState::Velocity;
        return;
    }
    default:
        break;
    }
    if (!key) return;
    lastKey_ = key;
    if (chordMode_ == kMinorChordMode && key->note <= kHighestChordRoot) {
        state_ = PlayState::MinorChord;
        startChord(*key, kMinorThird);
    } else {
        state_ = PlayState::Single;
        startNote(*key);
    }
}

void VirtualKeyboard::Ig2MouseMove(int x, int y) {
    if (state_ == PlayState::Velocity) {
        engine_.move({}, x, y);
        return;
    }
    if (state_ != PlayState::Single || !inKeyboardArea(x, y)) return;
    const std::optional<Key> key = keyAt(x, y);
    if (!key || key == lastKey_) return;
    // Glissando: the key left behind stops before the new one starts.
    if (root_) stopNote(*root_);
    root_.reset();
    startNote(*key);
    lastKey_ = key;
}

void VirtualKeyboard::Ig2MouseUp(MouseButton button, int x, int y) {
    if (button == MouseButton::Right) {
        if (state_ != PlayState::MajorChord) return;
        stopAll();
        state_ = PlayState::Idle;
        return;
    }
    if (button != MouseButton::Left) return;
    if (pressedButton_ == kClose) {
        pressedButton_ = 0;
        paintButtons();
        if (hotAreaAt(x, y) == kClose && closeRequest_) closeRequest_();
    }
    if (state_ == PlayState::Velocity) {
        finishVelocityDrag();
    } else if (state_ == PlayState::Single || state_ == PlayState::MinorChord) {
        stopAll();
    } else {
        return; // the right button's chord ends with the right button
    }
    state_ = PlayState::Idle;
}

// ---- velocity -----------------------------------------------------------------------------

void VirtualKeyboard::finishVelocityDrag() {
    engine_.finish();
    paintVelocity(false);
}

int VirtualKeyboard::dragValue(editor::DragAxis) const {
    return velocity_;
}

void VirtualKeyboard::storeDragValue(editor::DragAxis, int value) {
    velocity_ = std::clamp(value, 0, 127);
    paintVelocity(true);
}

void VirtualKeyboard::repaint(const HitRect& area) {
    host_.repaint(area);
}

} // namespace aids
