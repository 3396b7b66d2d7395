// The window and the output queue: long sends show their progress and stop at close, a
// thru flood is told once, and thru edits stay ahead. The sender is stepped on a fake
// clock.

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/midi_input.h"
#include "app/send_progress.h"
#include "app/startup.h"

#include "app_test_support.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace app {
namespace {

using testing::bytes;
using testing::Message;

struct SteppedWindow {
    testing::SessionFixture f;
    Session session{f.backend, f.clock, files::AppPaths{f.dir.path()}, midi::SenderMode::Stepped};
    std::unique_ptr<TMF> window;

    SteppedWindow() {
        f.dir.writeIni("[Port]\nIn=Keys In\nOut=XG-Orvo Out\n");
        window = startUp(session, f.prompts, {});
        runOut();
        f.backend.clearSent();
    }
    void tick(int ms = 1) {
        for (int i = 0; i < ms; ++i) {
            f.clock.advance(midi::Millis(1));
            session.port().queue().runDue();
        }
    }
    void runOut() {
        for (int i = 0; i < 20000; ++i) {
            const auto p = session.port().progress();
            if (p.doneMicros == p.queuedMicros && session.port().queue().thruQueuedBytes() == 0)
                return;
            tick();
        }
    }
};

TEST(SendQueueWindow, ALongSendShowsItsProgressUntilTheQueueIsEmpty) {
    SteppedWindow w;
    auto& progress = w.window->sendProgress();
    w.session.messages().SendXGSystemOn();
    progress.check();
    EXPECT_TRUE(progress.bar().isHidden()) << "a short send shows nothing";
    w.runOut();
    w.f.backend.clearSent();

    for (int part = 0; part < 8; ++part)
        w.session.port().SendLong(w.session.image().partVoices[part]);
    progress.check();
    EXPECT_FALSE(progress.bar().isHidden());
    EXPECT_EQ(progress.bar().value(), 0);
    w.tick(500);
    progress.check();
    EXPECT_GT(progress.bar().value(), 400);
    EXPECT_LT(progress.bar().value(), 600);
    w.runOut();
    progress.check();
    EXPECT_TRUE(progress.bar().isHidden());
    EXPECT_EQ(w.f.backend.sentCount(), 8u);
}

TEST(SendQueueWindow, ClosingDuringALongSendStopsAfterTheMessageInFlight) {
    SteppedWindow w;
    w.session.settings().qsLocalOn = true;
    w.session.applySettings();
    for (int part = 0; part < 16; ++part)
        w.session.port().SendLong(w.session.image().partVoices[part]);
    w.tick(300);
    const auto before = w.f.backend.sentCount();
    ASSERT_LT(before, 16u);
    w.window->close();
    const auto sent = w.f.backend.sent();
    ASSERT_EQ(sent.size(), before + 1);
    EXPECT_EQ(sent.back(), bytes({0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x01, 0xF7}));
}

TEST(SendQueueWindow, ClosingRightAfterAnEditStillSendsIt) {
    SteppedWindow w;
    w.session.settings().qsLocalOn = true;
    w.session.applySettings();
    w.session.messages().SendPartParam(0, 11, 99);
    w.window->close();
    EXPECT_EQ(
        w.f.backend.sent(),
        (std::vector<Message>{bytes({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x0B, 99, 0xF7}),
                              bytes({0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x01, 0xF7})}));
}

TEST(SendQueueWindow, AThruFloodIsToldOnceWithItsCount) {
    SteppedWindow w;
    w.session.settings().thru = true;
    auto& relay = w.window->midiInput();
    std::vector<std::string> reports;
    relay.setDropReporter([&](const std::string& text) { reports.push_back(text); });
    for (int i = 0; i < 400; ++i) w.f.backend.inject(bytes({0xB0, 1, i & 0x7F}));
    QCoreApplication::processEvents();
    const auto dropped = relay.droppedCount();
    EXPECT_GT(dropped, 250u);
    relay.checkDrops(); // the flood is still being counted
    EXPECT_TRUE(reports.empty());
    relay.checkDrops(); // a quiet second later
    ASSERT_EQ(reports, std::vector<std::string>{std::to_string(dropped) + " dropped"});
    relay.checkDrops(); // the notice goes
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1], "");
    w.runOut();
    EXPECT_EQ(w.f.backend.sentCount() + dropped, 400u);
}

TEST(SendQueueWindow, TheThruNoticeShowsInTheStatusField) {
    SteppedWindow w;
    auto& effects = w.window->editorWindow().effects();
    const QImage before = w.window->editorWindow().surface().copy();
    effects.showThruNotice("1234 dropped");
    EXPECT_NE(w.window->editorWindow().surface(), before);
    effects.hideThruNotice();
    EXPECT_EQ(w.window->editorWindow().surface(), before);
}

} // namespace
} // namespace app

namespace app {
namespace {

TEST(SendQueueWindow, TheProgramsOwnSenderThreadSendsAndStopsWithTheWindow) {
    testing::SessionFixture f;
    f.dir.writeIni("[Port]\nIn=NONE\nOut=XG-Orvo Out\n[Synth]\nQS Local On=1\n");
    midi::SteadyClock clock;
    auto session = std::make_unique<Session>(f.backend, clock, files::AppPaths{f.dir.path()},
                                             midi::SenderMode::Threaded);
    auto window = startUp(*session, f.prompts, {});
    for (int part = 0; part < 4; ++part)
        session->messages().SendPartParam(part, part * 104 + 11, 100);
    window->close();
    // Closing waited for the cable; the local switch was the last message out.
    const auto sent = f.backend.sent();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), testing::bytes({0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x01, 0xF7}));
    window.reset();
    session.reset();
    EXPECT_TRUE(f.prompts.errors.empty());
}

} // namespace
} // namespace app
