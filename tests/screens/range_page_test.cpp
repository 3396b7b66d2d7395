// The keyboard range page with the part editor beside it, on the memory backend: the bytes
// of every layout, drag and part switch, and what the page shows afterwards.

#include "aids/range_geometry.h"
#include "aids/range_page.h"
#include "draw/palette.h"
#include "editor/panel_host.h"
#include "editor/panels.h"

#include "screen_test_support.h"

#include <gtest/gtest.h>

namespace {

using aids::NoteRange;
using aids::RangePage;
using editor::MouseButton;
using editor::testing::Msg;
using editor::testing::partParam;

constexpr int kLowAddress = 0x0F;
constexpr int kHighAddress = 0x10;

Msg allNotesOff(int channel) {
    return {static_cast<std::uint8_t>(0xB0 | channel), 123, 0};
}

struct RangePageTest : editor::testing::EditorFixture {
    std::unique_ptr<editor::Panels> panels;
    std::unique_ptr<editor::PanelHost> pageHost;
    std::unique_ptr<RangePage> page;
    std::vector<bool> openEvents;

    void SetUp() override {
        EditorFixture::SetUp();
        pageHost = std::make_unique<editor::PanelHost>(host, editor::Panel::KeyboardRange);
        page = std::make_unique<RangePage>(*image, xg, *editor, *pageHost);
        page->setOpenListener([this](bool open) { openEvents.push_back(open); });
        editor->setNoteLimitListener([this] { page->currentPartChanged(); });
        panels = std::make_unique<editor::Panels>(*editor);
        panels->install(editor::Panel::KeyboardRange, *page);
    }

    void setRange(int part, int low, int high) {
        value(part, image::offset::kNoteLimitLow) = static_cast<image::Byte>(low);
        value(part, image::offset::kNoteLimitHigh) = static_cast<image::Byte>(high);
    }
    NoteRange range(int part) {
        return {value(part, image::offset::kNoteLimitLow),
                value(part, image::offset::kNoteLimitHigh)};
    }
    void open() {
        panels->open(editor::Panel::KeyboardRange);
        backend.clearSent();
    }
    void click(int button) {
        const auto& r = aids::rangeButtons()[static_cast<std::size_t>(button - 1)].rect;
        page->mouseDown(MouseButton::Left, {}, r.left + 3, r.top + 3);
        page->mouseUp(MouseButton::Left, {}, r.left + 3, r.top + 3);
    }
    // Presses a handle in page coordinates and then moves the virtual pointer, which the
    // panel host keeps in surface coordinates, to a note.
    void pressHandle(int part, bool high) {
        const NoteRange r = range(part);
        const auto rect = aids::handleRect(part, high ? r.high : r.low);
        page->mouseDown(MouseButton::Left, {}, rect.left + 2, rect.top + 4);
    }
    void dragTo(int note) {
        const auto place = editor::Panels::placeOf(editor::Panel::KeyboardRange);
        const auto [x, y] = host.clamp(place.left + note, host.pointerY);
        host.pointerX = x;
        host.pointerY = y;
        page->mouseMove({}, x - place.left, y - place.top);
    }
    void releaseDrag() {
        const auto place = editor::Panels::placeOf(editor::Panel::KeyboardRange);
        page->mouseUp(MouseButton::Left, {}, host.pointerX - place.left, host.pointerY - place.top);
    }
    // The 32 messages of a layout: low then high for each part in order.
    std::vector<Msg> layoutMessages(const aids::RangeLayout& layout) {
        std::vector<Msg> messages;
        for (int part = 0; part < 16; ++part) {
            messages.push_back(partParam(part, kLowAddress, layout[part].low));
            messages.push_back(partParam(part, kHighAddress, layout[part].high));
        }
        return messages;
    }
};

TEST_F(RangePageTest, ALayoutAndResetEachSendAllThirtyTwoLimitsAndRestoreTheOpeningRanges) {
    setRange(4, 36, 47);
    setRange(15, 10, 20);
    const aids::RangeLayout before = aids::layoutOf(*image);
    open();
    click(2);
    EXPECT_EQ(sent(), layoutMessages(aids::builtInLayout(2)));
    EXPECT_EQ(range(0), (NoteRange{0, 60}));
    EXPECT_EQ(range(1), (NoteRange{61, 127}));
    backend.clearSent();
    click(aids::kResetButton);
    EXPECT_EQ(sent(), layoutMessages(before));
    EXPECT_EQ(aids::layoutOf(*image), before);

    // Every opening keeps the ranges of that moment.
    click(6);
    panels->close(editor::Panel::KeyboardRange);
    open();
    EXPECT_EQ(page->openingLayout(), aids::builtInLayout(6));
    EXPECT_EQ(range(8), (NoteRange{36, 47}));
}

TEST_F(RangePageTest, PartDefaultGivesTheCurrentPartTheFullRangeOnly) {
    editor->selectPart(6);
    setRange(6, 36, 47);
    setRange(7, 36, 47);
    open();
    click(aids::kPartDefaultButton);
    EXPECT_EQ(sent(),
              (std::vector<Msg>{partParam(6, kLowAddress, 0), partParam(6, kHighAddress, 127)}));
    EXPECT_EQ(range(7), (NoteRange{36, 47}));
}

TEST_F(RangePageTest, DraggingTheLowLimitAboveTheHighOnePushesItAlong) {
    editor->selectPart(4);
    setRange(4, 60, 80);
    open();
    pressHandle(4, false);
    ASSERT_TRUE(page->dragging());
    // The pointer runs on a 128-pixel line at the page's origin, standing on the value.
    EXPECT_EQ(host.confinement, (editor::HitRect{1, 72, 128, 72}));
    EXPECT_EQ(host.pointerX, 1 + 60);
    const auto knob = [&](const std::string& name) {
        for (const editor::NamedArea& area : editor->hitAreas())
            if (area.name == name)
                return editor->image().copy(area.rect.left, area.rect.top,
                                            area.rect.right - area.rect.left + 1,
                                            area.rect.bottom - area.rect.top + 1);
        return QImage();
    };
    const QImage lowKnob = knob("Note Limit Low");
    const QImage highKnob = knob("Note Limit High");
    ASSERT_FALSE(lowKnob.isNull());
    dragTo(90);
    EXPECT_EQ(range(4), (NoteRange{90, 90}));
    // The part page's knobs show both limits moved.
    EXPECT_NE(knob("Note Limit Low"), lowKnob);
    EXPECT_NE(knob("Note Limit High"), highKnob);
    EXPECT_EQ(sent(),
              (std::vector<Msg>{partParam(4, kHighAddress, 90), partParam(4, kLowAddress, 90)}));
    backend.clearSent();
    // Back down the low limit goes alone.
    dragTo(85);
    EXPECT_EQ(range(4), (NoteRange{85, 90}));
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(4, kLowAddress, 85)}));
    releaseDrag();
    EXPECT_FALSE(page->dragging());
    EXPECT_FALSE(host.confined);
    // The pointer comes back on the handle it dragged.
    EXPECT_EQ(host.positions.back().first, 1 + aids::noteX(85) + 3);
}

TEST_F(RangePageTest, DraggingTheHighLimitBelowTheLowOnePullsItDown) {
    setRange(0, 40, 50);
    open();
    pressHandle(0, true);
    dragTo(30);
    EXPECT_EQ(range(0), (NoteRange{30, 30}));
    EXPECT_EQ(sent(),
              (std::vector<Msg>{partParam(0, kLowAddress, 30), partParam(0, kHighAddress, 30)}));
    releaseDrag();
}

TEST_F(RangePageTest, AHandleOfAnotherPartSwitchesPartsWithAllNotesOffFirst) {
    editor->selectPart(2);
    open();
    pressHandle(11, true);
    EXPECT_EQ(editor->currentPart(), 11);
    ASSERT_FALSE(sent().empty());
    EXPECT_EQ(sent().front(), allNotesOff(2));
    dragTo(100);
    EXPECT_EQ(sent().back(), partParam(11, kHighAddress, 100));
    releaseDrag();
    EXPECT_EQ(sent().size(), 2u);
}

TEST_F(RangePageTest, ThePageShowsTheLimitsAndTheCurrentPart) {
    editor->selectPart(3);
    setRange(3, 24, 71);
    open();
    const QImage& img = page->image();
    const int top = aids::barTop(3);
    // Dark red handles for the current part, the panel colour between them.
    EXPECT_EQ(img.pixel(aids::noteX(24) + 2, top + 3), draw::rgb(128, 0, 0));
    EXPECT_EQ(img.pixel(aids::noteX(71) + 2, top + 3), draw::rgb(128, 0, 0));
    EXPECT_EQ(img.pixel(aids::noteX(48), top + 3), draw::ColPanel);
    EXPECT_NE(img.pixel(aids::noteX(24) + 2, aids::barTop(2) + 3), draw::rgb(128, 0, 0));
    // Red handles while dragging.
    pressHandle(3, false);
    EXPECT_EQ(img.pixel(aids::noteX(24) + 2, top + 3), draw::ColRed);
    releaseDrag();
    // A note-limit drag on the part page moves the bar too.
    value(3, image::offset::kNoteLimitLow) = 36;
    page->currentPartChanged();
    EXPECT_EQ(img.pixel(aids::noteX(36) + 2, top + 3), draw::rgb(128, 0, 0));
    // The keyboard picture marks the limits' keys, and only them.
    const int markY = aids::kKeyboardTop + 35;
    EXPECT_EQ(img.pixel(aids::noteX(36) + 3, markY), draw::ColRed);
    EXPECT_NE(img.pixel(aids::noteX(24) + 3, markY), draw::ColRed);
    EXPECT_EQ(img.pixel(aids::noteX(71) + 3, markY), draw::ColRed);
    pressHandle(3, true);
    dragTo(73); // C#5, a black key
    releaseDrag();
    EXPECT_NE(img.pixel(aids::noteX(71) + 3, markY), draw::ColRed);
    EXPECT_EQ(img.pixel(aids::noteX(73) + 2, aids::kKeyboardTop + 20), draw::ColRed);
}

TEST_F(RangePageTest, OpeningAndClosingMoveTheToolButtonAndTheDrumEditorClosesThePage) {
    open();
    EXPECT_EQ(openEvents, (std::vector<bool>{true}));
    editor::testing::ScriptedHost otherHost;
    struct Dummy final : editor::Screen {
        QImage img;
        const QImage& image() const override { return img; }
        void redrawAll() override {}
        void mouseDown(MouseButton, editor::Modifiers, int, int) override {}
        void mouseMove(editor::Modifiers, int, int) override {}
        void mouseUp(MouseButton, editor::Modifiers, int, int) override {}
        bool dragging() const override { return false; }
        void endDrag() override {}
        std::vector<editor::NamedArea> hitAreas() const override { return {}; }
    } drums;
    panels->install(editor::Panel::DrumEditor, drums);
    pressHandle(0, false);
    panels->open(editor::Panel::DrumEditor);
    EXPECT_FALSE(panels->isOpen(editor::Panel::KeyboardRange));
    EXPECT_FALSE(page->dragging()) << "closing ends the drag";
    EXPECT_FALSE(host.confined);
    EXPECT_EQ(openEvents, (std::vector<bool>{true, false}));
    panels->open(editor::Panel::KeyboardRange);
    EXPECT_FALSE(panels->isOpen(editor::Panel::DrumEditor));
}

TEST_F(RangePageTest, APointerOutsideTheScaleAndOtherButtonsChangeNothing) {
    open();
    pressHandle(0, false);
    page->mouseMove({}, 200, 0); // beyond note 127 on the line: ignored
    page->mouseDown(MouseButton::Right, {}, 10, 0);
    page->mouseUp(MouseButton::Right, {}, 10, 0);
    EXPECT_TRUE(page->dragging());
    EXPECT_TRUE(sent().empty());
    releaseDrag();
    page->mouseDown(MouseButton::Right, {}, 25, 260);
    page->mouseDown(MouseButton::Left, {}, 300, 250);
    EXPECT_TRUE(sent().empty());
}

} // namespace
