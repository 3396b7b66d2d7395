// The range page and the virtual keyboard in the real windows over the memory backend,
// driven with Qt mouse events as a user would: open the page from the tool strip, apply a
// layout, drag a limit, play the split from the keyboard window on two parts.

#include "aids/keyboard_keys.h"
#include "aids/range_geometry.h"
#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/virtual_keyboard_window.h"

#include "app_test_support.h"

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>

namespace app {
namespace {

using testing::bytes;
using testing::Message;

Message partParam(int part, int address, int value) {
    return bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, part, address, value, 0xF7});
}

class AidsWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        f.dir.writeIni(testing::kVirtualOutIni);
        start();
    }
    void start() {
        window = startUp(f.session, f.prompts, {});
        window->show();
        QCoreApplication::processEvents();
        f.backend.clearSent();
    }

    TFXg& editor() { return window->editorWindow(); }
    TFk_maus& keyboard() { return window->virtualKeyboard(); }

    static void send(QWidget& widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
                     Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(local), QPointF(widget.mapToGlobal(local)), button, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &event);
    }
    void click(QWidget& widget, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        send(widget, QEvent::MouseButtonPress, p, b, b);
        send(widget, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
    }
    // A point of the range page, in the editor window.
    QPoint onPage(int x, int y) {
        const auto place = editor::Panels::placeOf(editor::Panel::KeyboardRange);
        return editor().windowPointOf(place.left + x, place.top + y);
    }
    // The middle of white key `index` of the keyboard window.
    static QPoint whiteKey(int index) { return {15 + 7 * (index - 1) + 3, 60}; }

    testing::SessionFixture f;
    std::unique_ptr<TMF> window;
};

TEST_F(AidsWindowsTest, ALayoutAndADraggedLimitMakeASplitThatTheKeyboardPlays) {
    // The tool strip's "RANGE" opens the page.
    click(editor(), editor().windowPointOf(670, 40));
    ASSERT_TRUE(editor().panels().isOpen(editor::Panel::KeyboardRange));

    // "SET  4": the first eight parts above C 3, the last eight up to C 3.
    click(editor(), onPage(530, 260));
    ASSERT_EQ(f.backend.sent().size(), 32u);
    EXPECT_EQ(f.backend.sent()[16], partParam(8, 0x0F, 0));
    EXPECT_EQ(f.backend.sent()[17], partParam(8, 0x10, 60));
    f.backend.clearSent();

    // The ninth part's high limit dragged 12 notes down: that part becomes current first.
    const QPoint handle = onPage(aids::noteX(60) + 3, aids::barTop(8) + 3);
    send(editor(), QEvent::MouseButtonPress, handle, Qt::LeftButton, Qt::LeftButton);
    QPoint p = handle;
    for (int i = 0; i < 12; ++i) {
        p.rx() -= 1;
        send(editor(), QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    }
    send(editor(), QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    std::vector<Message> expected{bytes({0xB0, 123, 0})};
    for (int note = 59; note >= 48; --note) expected.push_back(partParam(8, 0x10, note));
    EXPECT_EQ(f.backend.sent(), expected);
    EXPECT_EQ(f.session.image().part(8, 16), 48);
    EXPECT_EQ(editor().editor().currentPart(), 8);
    EXPECT_FALSE(editor().pointer().confined());

    // The keyboard plays a minor chord on the ninth part's channel, then a note on the first's.
    f.backend.clearSent();
    window->toggleVirtualKeyboard();
    ASSERT_TRUE(keyboard().isVisible());
    f.session.image().part(8, 4) = 8;
    click(keyboard(), {480, 12});    // "MINOR CHORDS"
    click(keyboard(), whiteKey(22)); // C 1 = 36
    editor().editor().selectPart(0);
    click(keyboard(), {380, 12});    // "SINGLE NOTES"
    click(keyboard(), whiteKey(50)); // C 5 = 84
    EXPECT_EQ(
        f.backend.sent(),
        (std::vector<Message>{bytes({0x98, 36, 64}), bytes({0x98, 39, 64}), bytes({0x98, 43, 64}),
                              bytes({0x98, 39, 0}), bytes({0x98, 43, 0}), bytes({0x98, 36, 0}),
                              bytes({0x90, 84, 64}), bytes({0x90, 84, 0})}));

    // A major chord left hanging when the window loses the mouse stops at once.
    f.backend.clearSent();
    send(keyboard(), QEvent::MouseButtonPress, whiteKey(36), Qt::RightButton, Qt::RightButton);
    keyboard().hide();
    EXPECT_EQ(f.backend.sent(), (std::vector<Message>{bytes({0x90, 60, 64}), bytes({0x90, 64, 64}),
                                                      bytes({0x90, 67, 64}), bytes({0x90, 64, 0}),
                                                      bytes({0x90, 67, 0}), bytes({0x90, 60, 0})}));
}

TEST_F(AidsWindowsTest, TheMenuAndCloseShowAndHideTheKeyboardWhichKeepsItsPlace) {
    QAction* item = window->findChild<QAction*>(QStringLiteral("VirtualKeyboard1"));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isEnabled());
    item->trigger();
    ASSERT_TRUE(keyboard().isVisible());
    EXPECT_EQ(keyboard().windowTitle(), "Virtual Keyboard");
    click(keyboard(), {50, 12}); // "CLOSE"
    EXPECT_FALSE(keyboard().isVisible());
    item->trigger();
    EXPECT_TRUE(keyboard().isVisible());
    window->toggleVirtualKeyboard();
    EXPECT_FALSE(keyboard().isVisible());

    // Velocity and place go into the configuration and come back.
    keyboard().move(123, 234);
    const QPoint placed = keyboard().pos();
    window->close();
    const std::string ini = f.dir.readIni();
    EXPECT_NE(ini.find("VKleft=" + std::to_string(placed.x())), std::string::npos) << ini;
    EXPECT_NE(ini.find("VKtop=" + std::to_string(placed.y())), std::string::npos) << ini;
    window.reset();
    start();
    window->toggleVirtualKeyboard();
    EXPECT_EQ(keyboard().pos(), placed);

    // A place on no screen is forgotten: the window opens below the main window.
    window->close();
    window.reset();
    f.dir.writeIni(std::string(testing::kVirtualOutIni) + "[Position]\nVKleft=-30000\nVKtop=5\n");
    start();
    window->toggleVirtualKeyboard();
    EXPECT_EQ(keyboard().pos(), window->frameGeometry().topLeft() + QPoint(20, 480));
}

} // namespace
} // namespace app
