#pragma once
// The virtual keyboard's painted client area (`Ig2` of `TFk_maus`, 555 x 85) and how it
// plays: single notes with glissando while the left button is held, minor chords with the
// left button in chord mode, major chords with the right button (chords only below note
// 120), the velocity dragged on its field. Notes go out on the receive channel of the
// current part. A chord's other notes stop when its button is released, then the root:
// no wait loop holds the program meanwhile, and every note that started is stopped, also
// when the window loses the mouse in the middle.

#include "aids/keyboard_keys.h"
#include "editor/drag_engine.h"
#include "editor/screen.h"
#include "image/synth_image.h"
#include "midi/midi_port.h"

#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace draw {
class Canvas;
class DrawnControls;
} // namespace draw

namespace aids {

inline constexpr int kKeyboardWindowWidth = 555;
inline constexpr int kKeyboardWindowHeight = 85;

enum class PlayState { Idle = 0, Single = 1, MinorChord = 2, MajorChord = 3, Velocity = 6 };

class VirtualKeyboard final : private editor::DragTarget {
  public:
    // `host` keeps the pointer for the velocity drag in client coordinates.
    VirtualKeyboard(const image::SynthImage& image, midi::MidiPort& port, editor::SurfaceHost& host,
                    int velocity = 64);
    ~VirtualKeyboard() override;
    VirtualKeyboard(const VirtualKeyboard&) = delete;
    VirtualKeyboard& operator=(const VirtualKeyboard&) = delete;

    const QImage& image() const { return image_; }
    // "CLOSE" was released over itself: the window hides.
    void setCloseRequest(std::function<void()> request) { closeRequest_ = std::move(request); }

    // Each show draws the velocity again.
    void shown();
    // The window lost the mouse (deactivated or hidden): whatever sounds stops.
    void deactivated();

    void Ig2MouseDown(editor::MouseButton button, int x, int y);
    void Ig2MouseMove(int x, int y);
    void Ig2MouseUp(editor::MouseButton button, int x, int y);

    int velocity() const { return velocity_; }
    bool minorChords() const { return chordMode_ == kMinorChordMode; }
    PlayState playState() const { return state_; }
    std::vector<editor::NamedArea> hitAreas() const;
    // A record of what the toolkit draws, for the hit-area check; painted again at once.
    void paintRecorded(draw::DrawnControls* record);

  private:
    static constexpr int kMinorChordMode = 8;
    struct Sounding {
        Key key;
        int channel; // the channel it started on, so that it stops there
    };

    void paintAll();
    void paintButtons();
    void paintVelocity(bool dragging);
    void light(const Key& key, bool on);
    void startNote(const Key& key);
    void stopNote(const Sounding& note);
    void startChord(const Key& root, int third);
    void stopChord();
    void stopAll();
    void finishVelocityDrag();
    int channel() const;
    void repaint(const draw::HitRect& area);

    int dragValue(editor::DragAxis axis) const override;
    void storeDragValue(editor::DragAxis axis, int value) override;

    const image::SynthImage& synth_;
    midi::MidiPort& port_;
    editor::SurfaceHost& host_;
    QImage image_;
    std::unique_ptr<draw::Canvas> canvas_;
    editor::DragEngine engine_;
    std::function<void()> closeRequest_;

    int velocity_;
    int chordMode_ = 0;
    PlayState state_ = PlayState::Idle;
    int pressedButton_ = 0;
    std::optional<Sounding> root_; // the note of the press or the glissando's last key
    std::vector<Sounding> chord_;  // the two notes a chord adds
    std::optional<Key> lastKey_;
};

} // namespace aids
