#pragma once
// The editor window: shows the part editor's painted surface, enlarged by the chosen zoom
// without blurring, and hands mouse and arrow-key events to it in surface coordinates. It
// is the surface's host: it keeps the virtual pointer of a drag, repaints, shows the
// surface's pop-up lists and its messages.

#include "aids/range_page.h"
#include "app/prompts.h"
#include "app/virtual_pointer.h"
#include "app/voice_chooser.h"
#include "drums/drum_editor.h"
#include "editor/panel_host.h"
#include "editor/panels.h"
#include "editor/part_editor.h"
#include "editor/surface_host.h"
#include "effects/effect_editor.h"

#include <QWidget>

#include <map>
#include <memory>
#include <optional>

class QKeyEvent;
class QListWidget;

namespace app {

class Session;
class VoiceEditorLink;

class TFXg final : public QWidget, public editor::SurfaceHost {
    Q_OBJECT
  public:
    // Client area at 100 %; the surface sits at its top left.
    static constexpr int kClientWidth = 872;
    static constexpr int kClientHeight = 710;

    TFXg(Session& session, Prompts& prompts, QWidget* parent = nullptr);
    ~TFXg() override;

    editor::PartEditor& editor() { return *editor_; }
    // The surface and the panels laid over it; every mouse and arrow-key event goes
    // through them to the screen that takes it.
    editor::Panels& panels() { return *panels_; }
    // A message box is about to show: every drag ends as a release would.
    void endDrags();
    // The effect rows and the tool strip, painted on the same surface.
    effects::EffectEditor& effects() { return *effects_; }
    // The voice lists behind the strips' voice buttons, with the voice selection.
    VoiceChooser& voices() { return *voices_; }
    const QImage& surface() const { return editor_->image(); }
    // The drum setup editor (`Panel2`).
    drums::DrumEditor& drums() { return *drums_; }
    // The tool strip's "DRUM": closes an open drum editor, else opens it when the current
    // part is (or becomes) a drum setup part.
    void toggleDrumEditor();
    // A message from the MIDI input (after MIDI thru): the drum editor selects played keys.
    void midiInput(const std::vector<std::uint8_t>& message);
    // The keyboard range page of `Panel1`.
    aids::RangePage& rangePage() { return *rangePage_; }
    // The QS300 voice editor, laid over the whole surface while open.
    VoiceEditorLink& voiceEditor() { return *voiceEditor_; }
    Prompts& prompts() { return prompts_; }

    // First show: the surface builds its tables and paints itself from the image.
    void FormShow();

    // The knob colours of every screen; the shown screens are redrawn in them.
    void setKnobScheme(draw::KnobScheme scheme);
    // Everything painted again from the image (after a reset or new colours).
    void redrawScreens();

    int zoomPercent() const { return zoom_; }
    // 100, 150 or 200; anything else is taken as 100.
    void setZoom(int percent);
    // The window pixel where a pointer put on surface pixel (x, y) lands.
    QPoint windowPointOf(int x, int y) const;
    // The surface pixel under a window pixel.
    QPoint surfacePointOf(QPoint windowPoint) const;

    // Re-centring the real pointer during a drag needs a platform that can move it.
    void setRecentring(bool on) { recentring_ = on; }
    const VirtualPointer& pointer() const { return pointer_; }

    // Menus close the surface's pop-up lists before they open.
    void hidePopupLists();
    QListWidget* popupList(editor::PopupList list) const;

    // ---- editor::SurfaceHost ----
    void confinePointer(const editor::HitRect& area) override;
    void releasePointer() override;
    void setPointerPosition(int x, int y) override;
    void setPointerShape(editor::PointerShape shape) override;
    void repaint(const editor::HitRect& area) override;
    void showPopupList(editor::PopupList list, int x, int y, int width, int height,
                       const std::vector<std::string>& items, int selected) override;
    void hidePopupList(editor::PopupList list) override;
    void enablePopupList(editor::PopupList list, bool enabled) override;
    void showMessage(const std::string& text) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Where the surface should see the pointer of this event: the virtual position during
    // a confined drag, otherwise the surface pixel under it.
    QPoint surfacePositionOf(QMouseEvent* event);
    bool onSurface(QPoint surfacePoint) const;
    void installRangePage();
    void keepPointerAwayFromEdges(QPoint screenPoint);
    void putRealPointerAt(int x, int y);
    void applyCursor();
    QListWidget* makePopupList(editor::PopupList list);
    void makeDrumEditor();
    bool popupListKey(QObject* watched, QKeyEvent* key);

    Session& session_;
    Prompts& prompts_;
    std::unique_ptr<editor::PartEditor> editor_;
    std::unique_ptr<effects::EffectEditor> effects_;
    std::unique_ptr<editor::Panels> panels_;
    std::unique_ptr<VoiceChooser> voices_;
    std::unique_ptr<editor::PanelHost> drumHost_;
    std::unique_ptr<drums::DrumPartChooser> drumChooser_;
    std::unique_ptr<drums::DrumEditor> drums_;
    class DrumSetupWatch;
    std::unique_ptr<DrumSetupWatch> drumWatch_;
    std::unique_ptr<editor::PanelHost> rangeHost_;
    std::unique_ptr<aids::RangePage> rangePage_;
    std::unique_ptr<VoiceEditorLink> voiceEditor_;
    VirtualPointer pointer_;
    QPoint lastFed_{-1, -1}; // the last position the surface was given
    int zoom_ = 100;
    bool recentring_ = false;
    bool shown_ = false;
    editor::PointerShape shape_ = editor::PointerShape::Default;
    std::map<editor::PopupList, QListWidget*> popupLists_;
};

} // namespace app
