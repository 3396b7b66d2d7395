// Get From Module over a running JACK server: the simulated module behind its virtual
// device, the program's real backend asking it, and the reader driven the way the window
// drives it (answers handed over from the driver thread, time passing on a real clock).

#include "integration/editor_side.h"

#include "files/module_readback.h"
#include "files/syx_file.h"
#include "image/image_init.h"
#include "midi/clock.h"
#include "midi/rtmidi/simulated_module.h"

#include "../core/module_held.h"

namespace {

using namespace jackpeer;

// Runs the reader as the window does: what the driver thread collected is handed over,
// and the reader is told that time passed.
void run(EditorSide& editor, files::ModuleReadback& reader) {
    reader.start();
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (reader.running() && std::chrono::steady_clock::now() < deadline) {
        std::vector<Msg> taken;
        {
            std::lock_guard lock(editor.received.mutex);
            taken.swap(editor.received.messages);
        }
        for (const auto& m : taken) reader.received(m);
        reader.timePassed();
        if (taken.empty()) std::this_thread::sleep_for(1ms);
    }
}

TEST(ReadbackOverJack, TheModulesSetComesBackWhole) {
    auto module = openModule("SimModuleReadback");
    if (!module) SKIP_OR_FAIL_WITHOUT_SERVER();
    auto set = std::make_unique<image::SynthImage>();
    image::initialiseImage(*set);
    for (int p = 0; p < image::kPartCount; ++p) set->part(p, image::offset::kVolume) = 30 + p;
    set->chorus.current[10] = 5;
    set->drums[0].table[25][1] = 80;
    const auto stream = files::buildSysExStream(*set, files::sectionsOf(files::SetKind::Set), {});
    module->withSimulator([&](midi::ModuleSimulator& s) {
        for (const auto message : files::splitSysEx(stream)) s.receive(message);
    });
    module->start();

    EditorSide editor;
    ASSERT_TRUE(editor.open("SimModuleReadback")) << "the module's ports are not listed";
    auto fresh = std::make_unique<image::SynthImage>();
    image::initialiseImage(*fresh);
    files::ModuleReadback reader(*fresh, midi::SynthType::Qs300, 0, editor.port, editor.clock);
    run(editor, reader);
    ASSERT_EQ(reader.outcome(), files::ReadbackOutcome::Complete);
    auto result = reader.takeResult();
    files::takeOverReadback(result, *fresh, nullptr);
    const auto held = module->withSimulator([](const midi::ModuleSimulator& s) {
        return std::make_unique<image::SynthImage>(s.image());
    });
    testing_support::expectModuleHeldEqual(*fresh, *held);
    EXPECT_EQ(fresh->part(7, image::offset::kVolume), 37);
    EXPECT_EQ(fresh->drums[0].table[25][1], 80);
}

TEST(ReadbackOverJack, AModuleWithoutDrumAnswersGivesTheRest) {
    auto module = openModule("SimModulePartly");
    if (!module) SKIP_OR_FAIL_WITHOUT_SERVER();
    module->withSimulator([](midi::ModuleSimulator& s) {
        s.setAnswering(midi::AnswerKind::Drums, false);
        s.receive(Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x03, 0x0E, 0x11, 0xF7});
    });
    module->start();

    // This time the requests leave from the sender's thread, as in the program.
    EditorSide editor(midi::SenderMode::Threaded);
    ASSERT_TRUE(editor.open("SimModulePartly"));
    auto fresh = std::make_unique<image::SynthImage>();
    image::initialiseImage(*fresh);
    files::ModuleReadback reader(*fresh, midi::SynthType::OtherXg, 0, editor.port, editor.clock);
    run(editor, reader);
    ASSERT_EQ(reader.outcome(), files::ReadbackOutcome::Partial);
    EXPECT_EQ(reader.missed().size(), static_cast<std::size_t>(image::kDrumSlotCount));
    EXPECT_EQ(reader.takeResult().image->part(3, image::offset::kPan), 0x11);
}

} // namespace
