// The voice editor in the real window over the memory backend: opened from the tool strip
// on a part playing "Aurora", an envelope point dragged with Qt mouse events, and the one
// dump the release sends.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/voice_editor_link.h"
#include "core/user_voice_part.h"
#include "editor/voice_naming.h"
#include "image/qs300_factory.h"
#include "image/voice_edit.h"
#include "image/voice_layout.h"

#include "voice_editor_window_fixture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

#include <numeric>

namespace app {
namespace {

namespace el = image::voice::element;

using VoiceEditorWindowTest = testing::VoiceEditorWindowFixture;

TEST_F(VoiceEditorWindowTest, TheAttackPointDraggedFromTheToolStripSendsOneDump) {
    // "Aurora" sustains at the top with the fastest decays, so its decay points sit on the
    // attack point and come first; slower decays move them aside.
    auto& voice = f.session.image().partVoices[0];
    voice[image::elementIndex(0, el::kAmpEgRates + 1)] = 30;
    voice[image::elementIndex(0, el::kAmpEgRates + 2)] = 30;
    click(editor().windowPointOf(620, 15)); // "QS300 EDIT"
    ASSERT_TRUE(editor().panels().isOpen(editor::Panel::VoiceEditor));
    ASSERT_TRUE(voiceEditor().isOpen());
    const int attack = voiceEditor().edit().elementByte(el::kAmpEgRates);
    const draw::HitRect handle = voiceEditor().pointRect(11);
    QPoint p = editor().windowPointOf(handle.left + 4, handle.top + 4);
    send(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(voiceEditor().statusText(), "AMP EG Attack");
    for (int i = 0; i < 5; ++i) {
        p.rx() += 1; // right: a longer attack, a lower rate
        send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
    }
    EXPECT_TRUE(f.backend.sent().empty());
    send(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    const auto sent = f.backend.sent();
    ASSERT_EQ(sent.size(), 1u);
    ASSERT_EQ(sent[0].size(), 392u);
    EXPECT_EQ(sent[0][image::elementIndex(0, el::kAmpEgRates)], attack - 5);
    const int sum = std::accumulate(sent[0].begin() + 4, sent[0].end() - 1, 0);
    EXPECT_EQ(sum % 128, 0);
    EXPECT_FALSE(editor().pointer().confined());
}

TEST_F(VoiceEditorWindowTest, ExitStoresTheRenamedVoiceAndClosesThePanel) {
    window->EditQS300Voice1Click();
    ASSERT_TRUE(editor().panels().isOpen(editor::Panel::VoiceEditor));
    click(editor().windowPointOf(190, 362)); // the name field
    auto* name = editor().findChild<QLineEdit*>(QStringLiteral("Edit1"));
    ASSERT_NE(name, nullptr);
    ASSERT_TRUE(name->isVisible());
    name->setText(QStringLiteral("Borealis"));
    const auto type = [&](char c) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(c)));
        QCoreApplication::sendEvent(name, &key);
    };
    name->setCursorPosition(8);
    type('x'); // at the end: a capital
    name->setCursorPosition(1);
    type('y'); // in the middle: as typed
    EXPECT_EQ(name->text(), QStringLiteral("ByorealisX"));
    click(editor().windowPointOf(674, 362)); // "EXIT"
    EXPECT_FALSE(editor().panels().isOpen(editor::Panel::VoiceEditor));
    EXPECT_FALSE(name->isVisible());
    const auto& stored = f.session.image().partVoices[0];
    EXPECT_EQ(std::string(stored.begin() + 9, stored.begin() + 19), "ByorealisX");
}

// As a new user would: open the editor on the part's voice, change a wave, an envelope by a
// template and the key ranges by "SET  2", rename the voice and leave with "EXIT".
TEST_F(VoiceEditorWindowTest, AnEditedAndRenamedVoiceIsWhatThePartPlaysAfterExit) {
    click(editor().windowPointOf(620, 15)); // "QS300 EDIT"
    ASSERT_TRUE(voiceEditor().isOpen());
    const auto chooseIn = [&](editor::PopupList list, const QString& item) {
        QListWidget* widget = editor().popupList(list);
        ASSERT_NE(widget, nullptr);
        ASSERT_TRUE(widget->isVisible());
        const auto found = widget->findItems(item, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        const QRect r = widget->visualItemRect(found.front());
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(r.center()),
                          QPointF(widget->viewport()->mapToGlobal(r.center())), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(r.center()),
                            QPointF(widget->viewport()->mapToGlobal(r.center())), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget->viewport(), &press);
        QCoreApplication::sendEvent(widget->viewport(), &release);
    };
    click(editor().windowPointOf(60, 430)); // element 1's wave
    chooseIn(qs300::kWaveCategoryList, QStringLiteral("Strings & Ensemble"));
    chooseIn(qs300::kWaveList, QStringLiteral("Cello"));
    click(editor().windowPointOf(157, 8)); // amp EG templates
    chooseIn(qs300::kAmpTemplateList, QStringLiteral("SlowPad"));
    click(editor().windowPointOf(170, 462)); // "SET  2"
    click(editor().windowPointOf(190, 362)); // the name field
    auto* name = editor().findChild<QLineEdit*>(QStringLiteral("Edit1"));
    ASSERT_NE(name, nullptr);
    name->setText(QStringLiteral("Cello Pad"));
    click(editor().windowPointOf(674, 362)); // "EXIT"
    ASSERT_FALSE(editor().panels().isOpen(editor::Panel::VoiceEditor));

    const auto& voice = f.session.image().partVoices[0];
    EXPECT_EQ(editor::partVoiceName(f.session.image(), 0), "Cello Pad");
    EXPECT_EQ(voice[image::elementIndex(0, el::kWaveLow)], 90);
    EXPECT_EQ(voice[image::elementIndex(0, el::kAmpEgRates)], 22);
    EXPECT_EQ(voice[image::elementIndex(0, el::kNoteHigh)], 60);
    EXPECT_EQ(voice[image::elementIndex(1, el::kNoteLow)], 61);
    // Every change went out as a whole dump; the last one carries them all but the name,
    // which goes with the next send.
    const auto sent = f.backend.sent();
    ASSERT_GE(sent.size(), 3u);
    for (const auto& m : sent) {
        ASSERT_EQ(m.size(), 392u);
        EXPECT_EQ(std::accumulate(m.begin() + 4, m.end() - 1, 0) % 128, 0);
    }
    EXPECT_EQ(sent.back()[image::elementIndex(1, el::kNoteLow)], 61);
}

} // namespace
} // namespace app
