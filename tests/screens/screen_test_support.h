#pragma once
// Shared helpers of the screen tests: an application object for the fonts, a scripted
// host that records what the surface asks of the window, and a part editor wired to the
// memory backend.

#include "core/part_param_message.h"
#include "draw/fonts.h"
#include "editor/part_editor.h"
#include "editor/surface_host.h"
#include "image/image_init.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace editor::testing {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "screen_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)application;
    draw::initialiseToolkit();
}

using Msg = std::vector<std::uint8_t>;

using testmsg::partParam;

// Records the requests; the pointer it keeps is the virtual one, clamped to the
// confinement the way the window keeps it.
class ScriptedHost final : public SurfaceHost {
  public:
    void confinePointer(const HitRect& area) override {
        confined = true;
        confinement = area;
        confines.push_back(area);
    }
    void releasePointer() override {
        confined = false;
        ++releases;
    }
    void setPointerPosition(int x, int y) override {
        pointerX = x;
        pointerY = y;
        positions.push_back({x, y});
    }
    void setPointerShape(PointerShape s) override { shapes.push_back(s); }
    void repaint(const HitRect& area) override { repaints.push_back(area); }
    void showPopupList(PopupList list, int x, int y, int, int,
                       const std::vector<std::string>& items, int selected) override {
        popupShown = list;
        popupX = x;
        popupY = y;
        popupItems = items;
        popupSelected = selected;
    }
    void hidePopupList(PopupList list) override {
        if (popupShown == list) popupShown.reset();
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }

    // Where a pointer moved to (x, y) ends up under the confinement.
    std::pair<int, int> clamp(int x, int y) const {
        if (!confined) return {x, y};
        return {std::clamp(x, confinement.left, confinement.right),
                std::clamp(y, confinement.top, confinement.bottom)};
    }

    bool confined = false;
    HitRect confinement{};
    std::vector<HitRect> confines;
    int releases = 0;
    int pointerX = 0;
    int pointerY = 0;
    std::vector<std::pair<int, int>> positions;
    std::vector<PointerShape> shapes;
    std::vector<HitRect> repaints;
    std::optional<PopupList> popupShown;
    int popupX = 0;
    int popupY = 0;
    std::vector<std::string> popupItems;
    int popupSelected = -1;
    std::vector<std::string> messages;
};

// A shown part editor over a freshly initialised image and an open memory output.
struct EditorFixture : ::testing::Test {
    midi::MemoryBackend backend{{"Module In"}, {"Module Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};
    ScriptedHost host;
    std::unique_ptr<PartEditor> editor;

    void SetUp() override {
        ensureApplication();
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
        editor = std::make_unique<PartEditor>(*image, xg, port, host);
        editor->show();
        backend.clearSent();
    }

    std::vector<Msg> sent() const { return backend.sent(); }

    void press(int x, int y, MouseButton b = MouseButton::Left, Modifiers m = {}) {
        editor->Ig2MouseDown(b, m, x, y);
    }
    // Moves the virtual pointer as the window would: clamped into the confinement.
    void moveTo(int x, int y, Modifiers m = {}) {
        const auto [cx, cy] = host.clamp(x, y);
        host.pointerX = cx;
        host.pointerY = cy;
        editor->Ig2MouseMove(m, cx, cy);
    }
    void moveBy(int dx, int dy, Modifiers m = {}) {
        moveTo(host.pointerX + dx, host.pointerY + dy, m);
    }
    void release(MouseButton b = MouseButton::Left, Modifiers m = {}) {
        editor->Ig2MouseUp(b, m, host.pointerX, host.pointerY);
    }
    image::Byte& value(int part, int offset) { return image->part(part, offset); }
};

} // namespace editor::testing
