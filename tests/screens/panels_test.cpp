// Which screen of the editor window takes an event, and which panel closes which.

#include "editor/panel_host.h"
#include "editor/panels.h"

#include "screen_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace editor;

// Records what reached it, in its own coordinates; a left press starts a drag that the
// left release ends.
class FakeScreen final : public Screen {
  public:
    explicit FakeScreen(std::string name) : name_(std::move(name)) {}
    const QImage& image() const override { return image_; }
    void redrawAll() override {}
    void mouseDown(MouseButton button, Modifiers, int x, int y) override {
        log += "down " + std::to_string(x) + "," + std::to_string(y) + ";";
        if (button == MouseButton::Left) drag_ = true;
    }
    void mouseMove(Modifiers, int x, int y) override {
        log += "move " + std::to_string(x) + "," + std::to_string(y) + ";";
    }
    void mouseUp(MouseButton button, Modifiers, int, int) override {
        log += "up;";
        if (button == MouseButton::Left) drag_ = false;
    }
    void arrowKey(ArrowKey) override { log += "key;"; }
    void shown() override { log += "shown;"; }
    void hidden() override { log += "hidden;"; }
    bool dragging() const override { return drag_; }
    void endDrag() override {
        log += "ended;";
        drag_ = false;
    }
    std::vector<NamedArea> hitAreas() const override { return {{name_, {0, 0, 9, 9}}}; }

    std::string log;

  private:
    std::string name_;
    QImage image_;
    bool drag_ = false;
};

struct PanelsTest : ::testing::Test {
    FakeScreen surface{"surface"};
    FakeScreen range{"range"};
    FakeScreen drums{"drums"};
    FakeScreen voice{"voice"};
    Panels panels{surface};
};

TEST_F(PanelsTest, APanelWithoutItsScreenStaysClosed) {
    EXPECT_FALSE(panels.open(Panel::KeyboardRange));
    EXPECT_FALSE(panels.toggle(Panel::DrumEditor));
    EXPECT_EQ(panels.shown(), (std::vector<Panel>{Panel::Surface}));
}

TEST_F(PanelsTest, RangePageAndDrumEditorCloseEachOther) {
    panels.install(Panel::KeyboardRange, range);
    panels.install(Panel::DrumEditor, drums);
    panels.open(Panel::KeyboardRange);
    EXPECT_EQ(range.log, "shown;");
    panels.open(Panel::DrumEditor);
    EXPECT_EQ(range.log, "shown;hidden;");
    EXPECT_EQ(panels.shown(), (std::vector<Panel>{Panel::Surface, Panel::DrumEditor}));
    panels.toggle(Panel::DrumEditor);
    EXPECT_EQ(panels.shown(), (std::vector<Panel>{Panel::Surface}));
}

TEST_F(PanelsTest, EventsGoToThePanelUnderThePointerInItsOwnCoordinates) {
    panels.install(Panel::KeyboardRange, range);
    panels.open(Panel::KeyboardRange);
    range.log.clear();
    panels.mouseDown(MouseButton::Right, {}, 11, 82); // the page lies at (1, 72)
    panels.mouseUp(MouseButton::Right, {}, 11, 82);
    EXPECT_EQ(range.log, "down 10,10;up;");
    panels.mouseDown(MouseButton::Right, {}, 700, 500); // the effect rows stay usable
    EXPECT_EQ(surface.log, "down 700,500;");
    EXPECT_EQ(panels.hitAreas().back().rect, (HitRect{1, 72, 10, 81}));
}

TEST_F(PanelsTest, ADragKeepsItsScreenWhereverThePointerGoes) {
    panels.install(Panel::KeyboardRange, range);
    panels.open(Panel::KeyboardRange);
    range.log.clear();
    panels.mouseDown(MouseButton::Left, {}, 11, 82);
    panels.mouseMove({}, 700, 500);
    panels.mouseUp(MouseButton::Left, {}, 700, 500);
    panels.mouseMove({}, 700, 500);
    EXPECT_EQ(range.log, "down 10,10;move 699,428;up;");
    EXPECT_EQ(surface.log, "move 700,500;");
}

TEST_F(PanelsTest, TheVoiceEditorTakesEverythingWhileOpen) {
    panels.install(Panel::KeyboardRange, range);
    panels.install(Panel::VoiceEditor, voice);
    panels.open(Panel::KeyboardRange);
    panels.open(Panel::VoiceEditor);
    voice.log.clear();
    panels.mouseDown(MouseButton::Right, {}, 11, 82);
    panels.arrowKey(ArrowKey::Up);
    EXPECT_EQ(voice.log, "down 11,82;key;");
    panels.close(Panel::VoiceEditor);
    panels.arrowKey(ArrowKey::Up);
    EXPECT_EQ(surface.log, "key;");
    EXPECT_TRUE(panels.isOpen(Panel::KeyboardRange));
}

TEST_F(PanelsTest, EndingDragsReachesEveryScreenThatDrags) {
    panels.install(Panel::DrumEditor, drums);
    panels.open(Panel::DrumEditor);
    panels.mouseDown(MouseButton::Left, {}, 11, 82);
    EXPECT_TRUE(panels.dragging());
    panels.endDrags();
    EXPECT_FALSE(panels.dragging());
    EXPECT_NE(drums.log.find("ended;"), std::string::npos);
    // The next press goes where the pointer is, not to the old drag.
    panels.mouseDown(MouseButton::Left, {}, 700, 500);
    EXPECT_EQ(surface.log, "down 700,500;");
}

} // namespace

namespace {

// A panel's screen works in its own coordinates; the window sees surface coordinates.
TEST(PanelHostTest, ShiftsEverythingByThePanelsPlace) {
    editor::testing::ScriptedHost window;
    editor::PanelHost drums(window, editor::Panel::DrumEditor); // at (1, 56)
    drums.confinePointer({0, 0, 127, 127});
    drums.setPointerPosition(100, 27);
    drums.repaint({10, 10, 20, 20});
    drums.confinePointer(editor::kUnconfinedArea);
    EXPECT_EQ(window.confines,
              (std::vector<editor::HitRect>{{1, 56, 128, 183}, editor::kUnconfinedArea}));
    EXPECT_EQ(window.positions.back(), (std::pair<int, int>{101, 83}));
    EXPECT_EQ(window.repaints.back(), (editor::HitRect{11, 66, 21, 76}));
}

} // namespace
