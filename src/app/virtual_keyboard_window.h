#pragma once
// `TFk_maus`, "Virtual Keyboard": a small stay-on-top tool window whose whole client area
// is the virtual keyboard's painted image. It hands the mouse to the keyboard, keeps the
// pointer of the velocity drag (hidden, confined to the velocity strip), and remembers
// where it was left ("VKleft"/"VKtop") and the velocity ("Velo") in the configuration.

#include "aids/virtual_keyboard.h"
#include "app/virtual_pointer.h"
#include "editor/surface_host.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace app {

class Session;

class TFk_maus final : public QWidget, public editor::SurfaceHost {
    Q_OBJECT
  public:
    TFk_maus(Session& session, QWidget* owner);
    ~TFk_maus() override;

    aids::VirtualKeyboard& keyboard() { return *keyboard_; }
    // The tool strip's button follows the window: pressed while it shows.
    void setVisibilityListener(std::function<void(bool)> listener) {
        visibilityListener_ = std::move(listener);
    }
    // Shows it, or hides it when it shows. The first show places it where it was left,
    // else below the main window's top left.
    void toggle();
    // Position and velocity into the settings, for the configuration file.
    void storeSettings();

    // ---- editor::SurfaceHost (the velocity drag's pointer, in client coordinates) ----
    void confinePointer(const editor::HitRect& area) override;
    void releasePointer() override;
    void setPointerPosition(int x, int y) override;
    void setPointerShape(editor::PointerShape shape) override;
    void repaint(const editor::HitRect& area) override;
    void showPopupList(editor::PopupList, int, int, int, int, const std::vector<std::string>&,
                       int) override {}
    void hidePopupList(editor::PopupList) override {}
    void showMessage(const std::string&) override {}

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QPoint positionOf(QMouseEvent* event);
    void placeFirstTime();

    Session& session_;
    QWidget* owner_;
    VirtualPointer pointer_;
    std::unique_ptr<aids::VirtualKeyboard> keyboard_;
    std::function<void(bool)> visibilityListener_;
    bool placed_ = false; // `FirstShow` done
};

} // namespace app
