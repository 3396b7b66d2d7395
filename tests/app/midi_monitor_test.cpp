// The MIDI monitor on the real main window: what the session sends and receives is listed
// in words, filtered, cleared and copied.

#include "app/main_window.h"
#include "app/midi_monitor_model.h"
#include "app/midi_monitor_window.h"
#include "app/startup.h"

#include "app_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListView>
#include <QPushButton>

namespace app {
namespace {

struct Monitor : ::testing::Test {
    testing::SessionFixture f;
    std::unique_ptr<TMF> window;
    MidiMonitorWindow* monitor = nullptr;

    void SetUp() override {
        f.dir.writeIni("[Port]\nIn=Keys In\nOut=XG-Orvo Out\n");
        window = startUp(f.session, f.prompts, {});
        auto* item = window->findChild<QAction*>("MidiMonitor1");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QStringLiteral("&MIDI Monitor ..."));
        item->trigger();
        monitor = window->findChild<MidiMonitorWindow*>("MidiMonitor");
        ASSERT_NE(monitor, nullptr);
        EXPECT_TRUE(monitor->isVisible());
        monitor->model().clear();
    }
    MidiMonitorModel& model() { return monitor->model(); }
    QStringList rows() {
        QStringList out;
        for (int r = 0; r < model().rowCount(); ++r) out << model().lineText(r);
        return out;
    }
};

TEST_F(Monitor, ListsSentAndReceivedMessagesInWordsAndFilters) {
    f.clock.advance(midi::Millis(25));
    f.session.port().SendShort(0x90, 60, 63);
    f.backend.inject({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x13, 0x64, 0xF7});
    monitor->refresh();
    const auto lines = rows();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("25 ms  Out  Note On ch 1 60 v 63 ")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("In   Part %1 Reverb send = 100 ").arg(3)))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("  F0 43 10 4C 08 02 13 64 F7")))
        << lines[1].toStdString();

    monitor->findChild<QComboBox*>("MonitorDirection")->setCurrentIndex(2); // received
    EXPECT_EQ(rows().size(), 1);
    monitor->findChild<QComboBox*>("MonitorDirection")->setCurrentIndex(0);
    monitor->findChild<QComboBox*>("MonitorKind")->setCurrentIndex(1); // channel messages
    ASSERT_EQ(rows().size(), 1);
    EXPECT_TRUE(rows()[0].contains(QStringLiteral("Note On")));
    monitor->findChild<QComboBox*>("MonitorKind")->setCurrentIndex(0);

    auto* view = monitor->findChild<QListView*>("MonitorLines");
    view->selectAll();
    monitor->copySelection();
    EXPECT_EQ(QApplication::clipboard()->text(), lines.join(QLatin1Char('\n')));

    monitor->findChild<QPushButton*>("MonitorClear")->click();
    EXPECT_TRUE(rows().isEmpty());
    // Cleared lines stay away when the filter changes.
    monitor->findChild<QComboBox*>("MonitorKind")->setCurrentIndex(2);
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(Monitor, PauseHoldsTheListAndAFloodKeepsOnlyTheNewestLines) {
    auto* pause = monitor->findChild<QPushButton*>("MonitorPause");
    pause->setChecked(true);
    for (int i = 0; i < 12000; ++i) f.backend.inject({0x90, static_cast<std::uint8_t>(i % 128), 1});
    monitor->refresh();
    EXPECT_EQ(model().rowCount(), 0);
    pause->setChecked(false);
    ASSERT_EQ(model().rowCount(), static_cast<int>(MidiMonitorModel::kKeptLines));
    const auto newest = model().lineText(model().rowCount() - 1);
    EXPECT_TRUE(newest.contains(QStringLiteral("Note On ch 1 %1 v 1 ").arg(11999 % 128)))
        << newest.toStdString();
    f.backend.inject({0xFE});
    monitor->refresh();
    EXPECT_EQ(model().rowCount(), static_cast<int>(MidiMonitorModel::kKeptLines));
    EXPECT_TRUE(model().lineText(model().rowCount() - 1).endsWith(QStringLiteral("  FE")));
}

} // namespace
} // namespace app
