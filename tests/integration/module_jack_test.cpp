// The simulated module behind its virtual device, with the program's real backend opening
// it as output and input over a running JACK server.

#include "integration/editor_side.h"

#include "image/image_init.h"
#include "midi/block_dumps.h"
#include "midi/errors.h"
#include "midi/rtmidi/simulated_module.h"
#include "midi/xg_messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <vector>

namespace {

using namespace jackpeer;

TEST(ModuleOverJack, TheProgramReadsBackWhatItSentAsExactDumps) {
    auto module = openModule("SimModuleRead");
    if (!module) SKIP_OR_FAIL_WITHOUT_SERVER();
    module->start();
    EditorSide editor;
    ASSERT_TRUE(editor.open("SimModuleRead")) << "the module's ports are not listed";

    auto image = std::make_unique<image::SynthImage>();
    image::initialiseImage(*image);
    midi::XgMessages xg(editor.port, *image, editor.clock);
    xg.setOptions(midi::SynthOptions{midi::SynthType::OtherXg});
    const int base = 4 * image::kPartRecordSize;
    image->parts[base + image::offset::kVolume] = 55;
    xg.SendPartParam(4, base + image::offset::kVolume, 55);
    image->parts[base + image::offset::kPan] = 20;
    xg.SendPartParam(4, base + image::offset::kPan, 20);
    editor.port.SendLong(Msg{0xF0, 0x43, 0x20, 0x4C, 0x08, 0x04, 0x00, 0xF7});
    editor.port.SendLong(Msg{0xF0, 0x43, 0x20, 0x4C, 0x08, 0x04, 0x30, 0xF7});

    midi::Message<52> partA{};
    midi::Message<74> partB{};
    midi::XgTemplates templates;
    partA = templates.partDumpA;
    partB = templates.partDumpB;
    midi::fillPartDumpA(partA, *image, 4, midi::SynthType::OtherXg);
    midi::fillPartDumpB(partB, *image, 4);
    const auto answers = editor.received.waitFor(2);
    EXPECT_EQ(answers,
              (std::vector<Msg>{Msg(partA.begin(), partA.end()), Msg(partB.begin(), partB.end())}));
    EXPECT_EQ(
        module->withSimulator([](const midi::ModuleSimulator& s) { return s.takenMessages(); }),
        4u);
}

// A whole read-back asks 114 questions at once; every answer comes back, whole and in order.
TEST(ModuleOverJack, AWholeReadBackArrivesInOrder) {
    auto module = openModule("SimModuleWhole");
    if (!module) SKIP_OR_FAIL_WITHOUT_SERVER();
    module->start();
    EditorSide editor;
    ASSERT_TRUE(editor.open("SimModuleWhole"));

    std::vector<Msg> requests;
    for (std::uint8_t low : {0x00, 0x20, 0x40})
        requests.push_back({0xF0, 0x43, 0x20, 0x4C, 0x02, 0x01, low, 0xF7});
    for (std::uint8_t p = 0; p < image::kPartCount; ++p) {
        requests.push_back({0xF0, 0x43, 0x20, 0x4C, 0x08, p, 0x00, 0xF7});
        requests.push_back({0xF0, 0x43, 0x20, 0x4C, 0x08, p, 0x30, 0xF7});
    }
    for (int note = image::kFirstDrumNote; note <= midi::kLastDrumNote; ++note)
        requests.push_back(
            {0xF0, 0x43, 0x20, 0x4C, 0x30, static_cast<std::uint8_t>(note), 0x00, 0xF7});
    for (const Msg& request : requests) editor.port.SendLong(request);

    // The same questions put to a module of its own, in the test, give the expected answers.
    midi::ModuleSimulator reference;
    std::vector<Msg> expected;
    for (const Msg& request : requests)
        for (auto& answer : reference.receive(request)) expected.push_back(std::move(answer));
    ASSERT_EQ(expected.size(), 6u + 32u + 79u);
    EXPECT_EQ(editor.received.waitFor(expected.size()), expected);
}

TEST(ModuleOverJack, ASilentModuleTakesEverythingAndAnswersNothing) {
    auto module = openModule("SimModuleSilent");
    if (!module) SKIP_OR_FAIL_WITHOUT_SERVER();
    module->withSimulator([](midi::ModuleSimulator& s) { s.setSilent(true); });
    module->start();
    EditorSide editor;
    ASSERT_TRUE(editor.open("SimModuleSilent"));

    editor.port.SendLong(Msg{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x33, 0xF7});
    editor.port.SendLong(Msg{0xF0, 0x43, 0x20, 0x4C, 0x00, 0x00, 0x00, 0xF7});
    ASSERT_TRUE(waitUntil([&] {
        return module->withSimulator(
                   [](const midi::ModuleSimulator& s) { return s.receivedMessages(); }) == 2;
    }));
    EXPECT_EQ(module->withSimulator(
                  [](const midi::ModuleSimulator& s) { return s.image().system.masterVolume; }),
              0x33);
    std::this_thread::sleep_for(50ms);
    std::lock_guard lock(editor.received.mutex);
    EXPECT_TRUE(editor.received.messages.empty());
}

} // namespace
