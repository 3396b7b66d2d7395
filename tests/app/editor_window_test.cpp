// The real main window over the memory backend, driven with Qt mouse events: the road of
// one edit from the mouse to the bytes on the wire, at every zoom.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/zoom.h"

#include "app_test_support.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace app {
namespace {

using testing::bytes;
using testing::Message;

Message reverbSend(int value) {
    return bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x13, value, 0xF7});
}

class EditorWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        f.dir.writeIni(testing::kVirtualOutIni);
        window = startUp(f.session, f.prompts, {});
        window->show();
        QCoreApplication::processEvents();
        f.backend.clearSent();
    }

    TFXg& editor() { return window->editorWindow(); }

    void send(QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(local), QPointF(editor().mapToGlobal(local)), button, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&editor(), &event);
    }
    void press(QPoint p) { send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
    void move(QPoint p) { send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
    void release(QPoint p) { send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }
    // A key as the window delivers it: to its focused widget.
    void key(int code) {
        QWidget* focused = window->focusWidget();
        QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier);
        QCoreApplication::sendEvent(focused ? focused : window.get(), &event);
    }

    // Presses on the first part's reverb send knob and moves up `windowPixels` in steps of `step`.
    void dragReverbSendUp(int windowPixels, int step) {
        const QPoint start = editor().windowPointOf(31, 86);
        press(start);
        QPoint p = start;
        for (int moved = 0; moved < windowPixels; moved += step) {
            p.ry() -= step;
            move(p);
        }
        release(p);
    }

    testing::SessionFixture f;
    std::unique_ptr<TMF> window;
};

TEST_F(EditorWindowTest, TenPixelDragSendsTenReverbSendChanges) {
    dragReverbSendUp(10, 1);
    std::vector<Message> expected;
    for (int value = 41; value <= 50; ++value) expected.push_back(reverbSend(value));
    EXPECT_EQ(f.backend.sent(), expected);
    EXPECT_EQ(f.session.image().part(0, 19), 50);
    EXPECT_FALSE(editor().pointer().confined()) << "the pointer is free after the release";
    EXPECT_FALSE(editor().editor().dragging());
}

TEST_F(EditorWindowTest, DragFarBeyondTheKnobStopsAt127) {
    dragReverbSendUp(300, 3);
    const auto sent = f.backend.sent();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), reverbSend(127));
    EXPECT_EQ(f.session.image().part(0, 19), 127);
    for (const auto& message : sent) EXPECT_LE(message[7], 127);
}

TEST_F(EditorWindowTest, LeavingFineModeGoesOnFromTheReachedValueWhereverTheMouseIs) {
    // The hidden pointer sits on the volume's value, far from where the mouse was pressed;
    // the drag must go on from the virtual pointer after the right button is let go.
    auto& volume = f.session.image().part(0, image::offset::kVolume);
    volume = 100;
    const Qt::MouseButtons both = Qt::LeftButton | Qt::RightButton;
    QPoint p = editor().windowPointOf(30, 260);
    press(p);
    send(QEvent::MouseButtonPress, p, Qt::RightButton, both);
    for (int i = 0; i < 25; ++i) {
        p.ry() -= 1;
        send(QEvent::MouseMove, p, Qt::NoButton, both);
    }
    EXPECT_EQ(volume, 102);
    send(QEvent::MouseButtonRelease, p, Qt::RightButton, Qt::LeftButton);
    p.ry() -= 1;
    move(p);
    EXPECT_EQ(volume, 103);
    p.ry() += 2;
    move(p);
    EXPECT_EQ(volume, 101);
    release(p);
    EXPECT_FALSE(editor().pointer().confined());
}

// The output vanishes in the middle of a drag (a stopped JACK server): the box that says
// so ends the drag as a release would, and after the port is chosen again a press on
// another knob moves that knob, not the old one.
TEST_F(EditorWindowTest, DeviceLostMidDragEndsTheDragAndTheNextPressStartsAnother) {
    auto& image = f.session.image();
    image.part(0, 19) = 40;
    image.part(1, 19) = 70;
    const QPoint start = editor().windowPointOf(31, 86);
    press(start);
    QPoint p = start;
    p.ry() -= 1;
    move(p);
    const int output = f.backend.openedOutputId();
    f.backend.disconnectOutput("server stopped");
    p.ry() -= 1;
    move(p);                           // this step meets the lost output
    QCoreApplication::processEvents(); // the box is shown after the step
    ASSERT_EQ(f.prompts.errors.size(), 1u);
    EXPECT_NE(f.prompts.errors[0].find("stopped taking messages"), std::string::npos);
    EXPECT_FALSE(editor().editor().dragging());
    EXPECT_FALSE(editor().pointer().confined());
    EXPECT_NE(editor().cursor().shape(), Qt::BlankCursor);
    EXPECT_EQ(image.part(0, 19), 42);

    // The user chooses the port again; the left release went to the box.
    f.session.port().OpenMidiOut(output);
    f.backend.clearSent();
    move(p);
    const QPoint second = editor().windowPointOf(60, 86); // the second part's reverb send
    press(second);
    move(second - QPoint(0, 1));
    release(second - QPoint(0, 1));
    EXPECT_EQ(f.backend.sent(),
              (std::vector<Message>{bytes({0xB0, 0x7B, 0x00}),
                                    bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x13, 71, 0xF7})}));
    EXPECT_EQ(image.part(0, 19), 42);
    EXPECT_EQ(image.part(1, 19), 71);
}

TEST_F(EditorWindowTest, ArrowKeysReachTheSurfaceRightAfterStartUp) {
    // Keys go to the focused widget of the window; the scroll area around the surface
    // would take the arrows for itself.
    QWidget* focused = window->focusWidget();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(focused ? focused : window.get(), &key);
    EXPECT_EQ(editor().editor().currentPart(), 1);
}

TEST_F(EditorWindowTest, ZoomedWindowMapsThePointerBackToTheSurface) {
    for (int zoom : {150, 200}) {
        SCOPED_TRACE(zoom);
        f.session.image().part(0, 19) = 40;
        window->setZoom(zoom);
        EXPECT_EQ(editor().size(), QSize(872 * zoom / 100, 710 * zoom / 100));
        f.backend.clearSent();
        // Ten surface pixels up are 15 or 20 window pixels, moved one by one.
        dragReverbSendUp(10 * zoom / 100, 1);
        std::vector<Message> expected;
        for (int value = 41; value <= 50; ++value) expected.push_back(reverbSend(value));
        EXPECT_EQ(f.backend.sent(), expected);
    }
}

TEST_F(EditorWindowTest, ZoomedPaintingIsSharp) {
    window->setZoom(200);
    const QImage& surface = editor().surface();
    const QImage shown = editor().grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Every surface pixel becomes a 2 x 2 square of exactly its colour.
    for (int y = 70; y < 110; ++y) {
        for (int x = 10; x < 50; ++x) {
            const QRgb want = surface.pixel(x, y);
            ASSERT_EQ(shown.pixel(2 * x, 2 * y), want) << x << "," << y;
            ASSERT_EQ(shown.pixel(2 * x + 1, 2 * y + 1), want) << x << "," << y;
        }
    }
}

TEST_F(EditorWindowTest, EveryWindowPixelShowsTheSurfacePixelItMapsTo) {
    for (int zoom : {100, 150, 200}) {
        window->setZoom(zoom);
        const QImage& surface = editor().surface();
        const QImage shown = editor().grab().toImage().convertToFormat(QImage::Format_RGB32);
        int wrong = 0;
        for (int y = 0; y < windowLength(editor::kSurfaceHeight, zoom); ++y) {
            for (int x = 0; x < windowLength(editor::kSurfaceWidth, zoom); ++x) {
                const QPoint s = editor().surfacePointOf(QPoint(x, y));
                if (shown.pixel(x, y) != surface.pixel(s)) ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0) << "zoom " << zoom;
    }
}

TEST_F(EditorWindowTest, PressOutsideTheSurfaceIsIgnored) {
    press(QPoint(850, 700));
    release(QPoint(850, 700));
    EXPECT_FALSE(editor().editor().dragging());
    EXPECT_TRUE(f.backend.sent().empty());
}

TEST_F(EditorWindowTest, PopupListShowsAtTheZoomedPositionAndHidesWhenMenusOpen) {
    window->setZoom(150);
    editor().showPopupList(editor::PopupList::ControllerNumbers, 594, 100, 104, 410,
                           {"Off", "Modulation", "Breath"}, 1);
    QListWidget* list = editor().popupList(editor::PopupList::ControllerNumbers);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->geometry(), QRect(891, 150, 156, 615));
    EXPECT_EQ(list->currentRow(), 1);
    emit window->menu().job->aboutToShow();
    EXPECT_FALSE(list->isVisible());
}

TEST_F(EditorWindowTest, MenuClosingTheControllerListRedrawsItsButtonReleased) {
    const QRect button(597, 480, 28, 12); // "AC1 =" and a little around it
    const QImage released = editor().surface().copy(button);
    const QPoint at = editor().windowPointOf(605, 485);
    press(at);
    release(at);
    ASSERT_NE(editor().popupList(editor::PopupList::ControllerNumbers), nullptr);
    ASSERT_TRUE(editor().popupList(editor::PopupList::ControllerNumbers)->isVisible());
    ASSERT_NE(editor().surface().copy(button), released);
    emit window->menu().file->aboutToShow();
    EXPECT_FALSE(editor().popupList(editor::PopupList::ControllerNumbers)->isVisible());
    EXPECT_EQ(editor().surface().copy(button), released);
}

// Every item shows whole: the list is wide enough for its longest text and never scrolls
// sideways.
void expectItemsWhole(QListWidget& list) {
    const QFontMetrics metrics(list.font());
    int widest = 0;
    for (int row = 0; row < list.count(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(list.item(row)->text()));
    EXPECT_GT(widest, 0);
    EXPECT_LT(widest, list.viewport()->width());
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
}

TEST_F(EditorWindowTest, ControllerListTakesTheKeysAndEnterChoosesLikeAClick) {
    for (int zoom : {100, 200}) {
        SCOPED_TRACE(zoom);
        window->setZoom(zoom);
        const QPoint at = editor().windowPointOf(605, 485); // "AC1 ="
        press(at);
        release(at);
        QListWidget* list = editor().popupList(editor::PopupList::ControllerNumbers);
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(list->isVisible());
        EXPECT_EQ(window->focusWidget(), list);
        EXPECT_EQ(list->font().family(), QStringLiteral("Liberation Sans"));
        expectItemsWhole(*list);
        // The list stays inside the window.
        EXPECT_LE(list->geometry().right(), editor().width() - 1);

        const int stored = f.session.image().part(0, 82);
        f.backend.clearSent();
        key(Qt::Key_Down);
        EXPECT_EQ(list->currentRow(), stored + 1);
        EXPECT_TRUE(f.backend.sent().empty()) << "moving the highlight chooses nothing";
        key(Qt::Key_Return);
        EXPECT_EQ(f.backend.sent(), (std::vector<Message>{bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00,
                                                                 0x59, stored + 1, 0xF7})}));
        EXPECT_TRUE(list->isVisible()) << "a click keeps the controller list open";
        key(Qt::Key_Escape);
        EXPECT_FALSE(list->isVisible());
        EXPECT_NE(window->focusWidget(), list);
    }
}

TEST_F(EditorWindowTest, EscapeClosesATypeListWithoutAChange) {
    const QPoint button = editor().windowPointOf(560, 415); // the reverb list button
    press(button);
    release(button);
    QListWidget* list = editor().popupList(editor::PopupList::ReverbTypes);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(window->focusWidget(), list);
    expectItemsWhole(*list);
    const int type = f.session.image().reverb.typeIndex;
    f.backend.clearSent();
    key(Qt::Key_Down);
    key(Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(f.session.image().reverb.typeIndex, type);
    EXPECT_TRUE(f.backend.sent().empty());
    // The arrow keys reach the surface again.
    key(Qt::Key_Right);
    EXPECT_EQ(editor().editor().currentPart(), 1);

    press(button);
    release(button);
    key(Qt::Key_Down);
    key(Qt::Key_Enter);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(f.session.image().reverb.typeIndex, type + 1);
    EXPECT_FALSE(f.backend.sent().empty());
}

} // namespace
} // namespace app
