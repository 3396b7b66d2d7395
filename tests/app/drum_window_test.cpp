// The drum editor in the real window over the memory backend: opened from the tool strip's
// "DRUM" on the tenth part, a key clicked on the painted keyboard, the LEVEL knob dragged,
// keys played on the MIDI input, and the bytes found on the wire.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/screenshot.h"
#include "app/startup.h"
#include "drums/drum_keyboard.h"
#include "drums/drum_layout.h"
#include "drums/drum_part_window.h"

#include "app_test_support.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QMouseEvent>

namespace app {
namespace {

using testing::bytes;
using testing::Message;

constexpr const char* kKeysAndVirtualOutIni = "[Port]\nIn=Keys In\nOut=XG-Orvo Out\n";

Message drumParam(int note, int param, int value) {
    return bytes({0xF0, 0x43, 0x10, 0x4C, 0x30, note, param, value, 0xF7});
}

class DrumWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        f.dir.writeIni(kKeysAndVirtualOutIni);
        window = startUp(f.session, f.prompts, {});
        window->show();
        QCoreApplication::processEvents();
        editor().editor().selectPart(image::kDrumPartIndex);
        f.backend.clearSent();
    }

    TFXg& editor() { return window->editorWindow(); }

    void send(QEvent::Type type, QPoint surface, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPoint local = editor().windowPointOf(surface.x(), surface.y());
        QMouseEvent event(type, QPointF(local), QPointF(editor().mapToGlobal(local)), button, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&editor(), &event);
    }
    void click(QPoint surface) {
        send(QEvent::MouseButtonPress, surface, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, surface, Qt::LeftButton, Qt::NoButton);
    }
    QPoint areaNamed(const std::string& name) {
        for (const editor::NamedArea& area : editor().panels().hitAreas())
            if (area.name == name)
                return {(area.rect.left + area.rect.right) / 2,
                        (area.rect.top + area.rect.bottom) / 2};
        ADD_FAILURE() << "no area " << name;
        return {};
    }
    // A point of the drum panel in surface coordinates.
    static QPoint onPanel(int x, int y) {
        const auto place = editor::Panels::placeOf(editor::Panel::DrumEditor);
        return {x + place.left, y + place.top};
    }
    bool drumsOpen() { return editor().panels().isOpen(editor::Panel::DrumEditor); }

    testing::SessionFixture f;
    std::unique_ptr<TMF> window;
};

TEST_F(DrumWindowTest, DrumOnTheToolStripOpensTheEditorWhereKeysAndKnobsReachTheModule) {
    click(areaNamed("DRUM"));
    ASSERT_TRUE(drumsOpen());
    EXPECT_TRUE(f.prompts.modals.empty()) << "the tenth part plays drum setup 1 already";
    QListWidget* keys = editor().popupList(drums::kKeyList);
    ASSERT_NE(keys, nullptr);
    EXPECT_TRUE(keys->isVisible());
    EXPECT_EQ(keys->count(), 72);

    const draw::HitRect key = drums::keyHitRect(38);
    const QPoint keyPoint = onPanel(key.left + 2, key.bottom - 3);
    send(QEvent::MouseButtonPress, keyPoint, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(f.backend.sent(), std::vector<Message>{bytes({0x99, 38, 63})});
    send(QEvent::MouseButtonRelease, keyPoint, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(f.backend.sent().back(), bytes({0x99, 38, 0}));
    EXPECT_EQ(keys->currentRow(), 25);

    f.backend.clearSent();
    const int level = f.session.image().drums[0].table[25][drums::key_byte::kLevel];
    QPoint p = areaNamed("LEVEL");
    send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    for (int i = 0; i < 3; ++i) {
        p.ry() += 1;
        send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    }
    send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(f.backend.sent(),
              (std::vector<Message>{drumParam(38, 2, level - 1), drumParam(38, 2, level - 2),
                                    drumParam(38, 2, level - 3)}));
    EXPECT_FALSE(editor().pointer().confined());

    click(areaNamed("DRUM"));
    EXPECT_FALSE(drumsOpen());
    EXPECT_FALSE(keys->isVisible());
}

TEST_F(DrumWindowTest, KeysPlayedOnTheInputAreSelectedAndPassedOn) {
    click(areaNamed("DRUM"));
    ASSERT_TRUE(drumsOpen());
    f.backend.inject(bytes({0x90, 42, 100}));
    QCoreApplication::processEvents();
    EXPECT_EQ(editor().drums().selectedNote(), 42);
    EXPECT_EQ(editor().drums().keyLabel(), "Hi-Hat Closed");
    EXPECT_EQ(f.backend.sent(), std::vector<Message>{bytes({0x99, 42, 100})}) << "thru as usual";
    f.backend.inject(bytes({0x90, 92, 100}));
    QCoreApplication::processEvents();
    EXPECT_EQ(editor().drums().record(), -1);
}

TEST_F(DrumWindowTest, ANormalPartOpensTheEditorOnlyAfterTheDrumPartDialog) {
    editor().editor().selectPart(0);
    f.backend.clearSent();
    click(areaNamed("DRUM")); // the dialog is closed unanswered
    EXPECT_FALSE(drumsOpen());
    ASSERT_EQ(f.prompts.modals.size(), 1u);
    EXPECT_TRUE(f.backend.sent().empty());

    f.prompts.onModal = [](QDialog& dialog) {
        auto& window = dynamic_cast<drums::DrumPartWindow&>(dialog);
        const auto ok = drums::DrumPartDialog::kOkArea;
        const QPoint at(ok.left + drums::DrumPartWindow::kImageX + 3,
                        ok.top + drums::DrumPartWindow::kImageY + 3);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &press);
    };
    click(areaNamed("DRUM"));
    EXPECT_TRUE(drumsOpen());
    EXPECT_EQ(f.session.image().part(0, image::offset::kPartMode), 2);
    EXPECT_EQ(f.backend.sent(),
              (std::vector<Message>{bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0, 0x07, 2, 0xF7}),
                                    bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0, 0x01, 127, 0xF7}),
                                    bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0, 0x02, 0, 0xF7}),
                                    bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0, 0x03, 0, 0xF7})}));
}

// A drummer's session: the Rock Kit for setup 1 from its list, keys played on the MIDI
// keyboard and their level and pan turned, over to setup 2 and back: the edits stay.
TEST_F(DrumWindowTest, RockKitKeysPlayedEditedAndKeptAcrossTheSetups) {
    click(areaNamed("DRUM"));
    ASSERT_TRUE(drumsOpen());
    QListWidget* kits = editor().popupList(drums::kKitList1);
    ASSERT_NE(kits, nullptr);
    ASSERT_TRUE(kits->isEnabled());
    EXPECT_FALSE(editor().popupList(drums::kKitList2)->isEnabled());
    emit kits->itemClicked(kits->item(3));
    EXPECT_EQ(editor().drums().kitIndex(1), 3);
    EXPECT_EQ(editor().popupList(drums::kKeyList)->item(25)->text().toStdString(), "* Rock Snare");

    const auto turn = [&](const std::string& knob, int pixels) {
        QPoint p = areaNamed(knob);
        send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        for (int i = 0; i < pixels; ++i) {
            p.ry() += 1;
            send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        }
        send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    };
    const auto& setup1 = f.session.image().drums[0].table;
    const auto& setup2 = f.session.image().drums[1].table;
    const auto before = setup1;
    const auto before2 = setup2;
    for (int note : {36, 38}) {
        f.backend.inject(bytes({0x90, note, 90}));
        f.backend.inject(bytes({0x80, note, 0}));
        QCoreApplication::processEvents();
        EXPECT_EQ(editor().drums().selectedNote(), note);
        turn("LEVEL", 4);
        turn("PANORAMA", 2);
    }
    const auto slot = [](int note) { return static_cast<std::size_t>(note - 13); };
    namespace kb = drums::key_byte;
    EXPECT_EQ(setup1[slot(36)][kb::kLevel], before[slot(36)][kb::kLevel] - 4);
    EXPECT_EQ(setup1[slot(38)][kb::kPan], before[slot(38)][kb::kPan] - 2);

    click(onPanel(20, 170)); // "DRUMSETUP 2"
    EXPECT_EQ(editor().drums().activeSetup(), 2);
    f.backend.clearSent();
    turn("LEVEL", 1);
    ASSERT_FALSE(f.backend.sent().empty());
    EXPECT_EQ(f.backend.sent().back()[4], 0x31);
    click(onPanel(20, 14)); // "DRUMSETUP 1"
    EXPECT_EQ(editor().drums().activeSetup(), 1);
    EXPECT_EQ(setup1[slot(36)][kb::kLevel], before[slot(36)][kb::kLevel] - 4);
    EXPECT_EQ(setup1[slot(38)][kb::kPan], before[slot(38)][kb::kPan] - 2);
    EXPECT_EQ(setup2[slot(38)][kb::kLevel], before2[slot(38)][kb::kLevel] - 1);
}

} // namespace
} // namespace app

namespace app {
namespace {

// --screen drums: the panel on the tenth part, the key of note 36 red, the lists drawn in.
TEST(DrumScreenshot, ShowsThePanelWithTheBassDrumSelected) {
    testing::ScratchDir dir;
    testing::ensureApplication();
    const auto file = dir.path() / "drums.png";
    ASSERT_EQ(writeScreenshot(dir.path(), {file, "drums"}), "");
    const QImage picture =
        QImage(QString::fromStdString(file.string())).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), QSize(drums::kPanelWidth, drums::kPanelHeight));
    const draw::HitRect key = drums::keyHitRect(36);
    EXPECT_EQ(QColor(picture.pixel(key.left + 3, key.bottom - 3)), QColor(255, 0, 0));
    // The key list covers the panel's plain background beside the setup headers.
    EXPECT_NE(QColor(picture.pixel(150, 100)), QColor(198, 160, 96));
}

} // namespace
} // namespace app
