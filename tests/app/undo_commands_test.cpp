// Undo and redo in the real windows over the memory backend, used as a new user would:
// knobs dragged on several parts, a new reverb type, then Ctrl+Z until all is back.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/undo_commands.h"
#include "editor/edit_steps.h"
#include "editor/panels.h"

#include "../core/module_mirror.h"
#include "app_test_support.h"
#include "surface_mouse.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcutEvent>

#include <cstring>

namespace app {
namespace {

class UndoCommandsTest : public ::testing::Test {
  protected:
    UndoCommandsTest() : window(startShown(f)) { f.backend.clearSent(); }
    static std::unique_ptr<TMF> startShown(testing::SessionFixture& fixture) {
        fixture.dir.writeIni(testing::kVirtualOutIni);
        auto shown = startUp(fixture.session, fixture.prompts, {});
        shown->show();
        QCoreApplication::processEvents();
        return shown;
    }

    TFXg& editor() { return window->editorWindow(); }
    void send(QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons held) {
        testing::sendMouse(editor(), type, local, button, held);
    }
    QPoint centreOf(const std::string& area) {
        for (const auto& named : editor().panels().hitAreas())
            if (named.name == area)
                return editor().windowPointOf((named.rect.left + named.rect.right) / 2,
                                              (named.rect.top + named.rect.bottom) / 2);
        ADD_FAILURE() << "no area " << area;
        return {};
    }
    // Press, move up `pixels` one at a time, release.
    void drag(const std::string& area, int pixels) {
        QPoint p = centreOf(area);
        send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        for (int i = 0; i < pixels; ++i) {
            p.ry() -= 1;
            send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        }
        send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    }
    void click(const std::string& area) {
        const QPoint p = centreOf(area);
        send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    }
    // The key as the window's shortcut map delivers it: to the one action bound to it.
    void pressKeys(const QKeySequence& keys) {
        QAction* bound = nullptr;
        for (QAction* action : window->findChildren<QAction*>()) {
            if (action->shortcut() != keys) continue;
            ASSERT_EQ(bound, nullptr) << keys.toString().toStdString() << " is bound twice";
            bound = action;
        }
        ASSERT_NE(bound, nullptr) << keys.toString().toStdString();
        QShortcutEvent event(keys, 0);
        QCoreApplication::sendEvent(bound, &event);
    }
    // The surface as painted after the steps against the surface painted whole.
    void expectSurfaceShowsTheImage(const char* when) {
        const QImage shown = editor().editor().image().copy();
        editor().editor().redrawAll();
        EXPECT_TRUE(shown == editor().editor().image()) << when;
    }
    QString undoText() {
        window->menu().edit->aboutToShow();
        const QString text = window->menu().undo->text();
        window->menu().edit->aboutToHide();
        return text;
    }

    testing::SessionFixture f;
    std::unique_ptr<TMF> window;
};

TEST_F(UndoCommandsTest, TheEditMenuSitsBetweenFileAndJobWithTheKeys) {
    const auto menus = window->menuBar()->actions();
    ASSERT_GE(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Edit");
    EXPECT_EQ(menus[2]->text(), "&Job");
    EXPECT_EQ(window->menu().undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(window->menu().redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    EXPECT_EQ(undoText(), "&Undo");
}

TEST_F(UndoCommandsTest, FiveKnobsOnThreePartsAndAReverbTypeComeBackWithSixUndos) {
    auto& image = f.session.image();
    const auto start = std::make_unique<image::SynthImage>(image);
    testing_support::ModuleMirror module(image);

    drag("P3 Reverb Send", 12);
    EXPECT_EQ(undoText(), "&Undo Reverb Send Part " + QString::number(3));
    drag("P3 Chorus Send", 7);
    drag("P5 Panorama", 9);
    drag("P5 Volume", 5);
    drag("P12 Reverb Send", 20);
    click("Reverb type list");
    QListWidget* types = editor().popupList(editor::PopupList::ReverbTypes);
    ASSERT_TRUE(types && types->isVisible());
    types->scrollToItem(types->item(4));
    testing::clickAt(*types->viewport(), types->visualItemRect(types->item(4)).center());
    module.receiveAll(f.backend.sent());
    f.backend.clearSent();
    module.expectHolds(image, "after the edits");
    ASSERT_NE(image.reverb.typeIndex, start->reverb.typeIndex);
    EXPECT_EQ(f.session.undo().history().stepCount(), 6u);
    const auto edited = std::make_unique<image::SynthImage>(image);

    for (int i = 0; i < 6; ++i) pressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z));
    module.receiveAll(f.backend.sent());
    f.backend.clearSent();
    // The strip knobs made part #3 current at first; the last undo went back to it.
    EXPECT_EQ(editor().editor().currentPart(), 2);
    expectSurfaceShowsTheImage("after six undos");
    EXPECT_EQ(undoText(), "&Undo");
    image.currentPart = start->currentPart;
    EXPECT_EQ(std::memcmp(&image, start.get(), sizeof(image::SynthImage)), 0);
    module.expectHolds(image, "after six undos");

    for (int i = 0; i < 6; ++i) pressKeys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    module.receiveAll(f.backend.sent());
    expectSurfaceShowsTheImage("after six redos");
    EXPECT_EQ(undoText(), "&Undo Reverb Type");
    image.currentPart = edited->currentPart;
    EXPECT_EQ(std::memcmp(&image, edited.get(), sizeof(image::SynthImage)), 0);
    module.expectHolds(image, "after six redos");
}

TEST_F(UndoCommandsTest, AMenuCommandIsOneStepAndItsUndoSendsOnlyWhatChanged) {
    auto& image = f.session.image();
    image.part(0, image::offset::kPan) = 3;
    // "Copy Part" of the first part's pan to all parts, confirmed with OK.
    f.prompts.onModal = [](QDialog& dialog) {
        for (const char* button : {"NoneGroup", "NoneParam", "CB19", "RBAll", "OKBtn"}) {
            auto* control = dialog.findChild<QAbstractButton*>(QString::fromLatin1(button));
            ASSERT_NE(control, nullptr) << button;
            control->click();
        }
    };
    window->menu().copyPart->trigger();
    ASSERT_EQ(image.part(15, image::offset::kPan), 3);
    EXPECT_EQ(undoText(), "&Undo Copy Part");
    EXPECT_EQ(f.session.undo().history().stepCount(), 1u);
    f.backend.clearSent();

    window->menu().undo->trigger();
    std::vector<testing::Message> expected;
    for (int p = 1; p < 16; ++p)
        expected.push_back(testing::bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, p, 0x0E, 64, 0xF7}));
    EXPECT_EQ(f.backend.sent(), expected);
    EXPECT_EQ(image.part(15, image::offset::kPan), 64);
    EXPECT_EQ(image.part(0, image::offset::kPan), 3); // changed before, outside any step
}

TEST(CommandActionName, CaptionsLoseAcceleratorNumberAndDots) {
    EXPECT_EQ(commandActionName("&1 Load Set ... (XGS,MID) ..."), "Load Set");
    EXPECT_EQ(commandActionName("&Initialize Part ..."), "Initialize Part");
    EXPECT_EQ(commandActionName("&New ..."), "New");
    EXPECT_EQ(editor::actionName("P12 Volume"), "Volume Part " + std::to_string(12));
    EXPECT_EQ(editor::actionName("Pan"), "Pan");
    EXPECT_EQ(editor::actionName("Variation type list"), "Variation Type");
    EXPECT_EQ(editor::actionName("PEG Rate"), "PEG Rate");
}

} // namespace
} // namespace app
