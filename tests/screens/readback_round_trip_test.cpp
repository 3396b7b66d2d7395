// The module as the editor left it: random knob drags and effect type choices made on the
// screens go to a simulated module, then a fresh editor reads the module back and holds
// what the first editor held.

#include "files/syx_file.h"
#include "midi/module_simulator.h"
#include "panel_knobs_fixture.h"

#include "../core/module_held.h"
#include "../core/readback_rig.h"

#include <random>

namespace {

using Msg = std::vector<std::uint8_t>;

struct ReadbackRoundTrip : effects::testing::PanelKnobsFixture {
    midi::ModuleSimulator module;

    void tell(const std::vector<Msg>& messages) {
        for (const auto& m : messages) module.receive(m);
    }
};

TEST_F(ReadbackRoundTrip, TwoHundredScreenEditsComeBackFromTheModule) {
    ASSERT_GT(knobs.size(), 60u);
    // The module starts out holding the editor's set.
    files::SetWriteOptions options;
    options.type = xg.options().type;
    const auto start =
        files::buildSysExStream(*image, files::sectionsOf(files::SetKind::Set), options);
    for (const auto message : files::splitSysEx(start)) module.receive(message);

    std::mt19937 random(2024);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int i = 0; i < 200; ++i) {
        if (pick(8) == 0) {
            const auto list = pick(3) == 0   ? editor::PopupList::ReverbTypes
                              : pick(2) == 0 ? editor::PopupList::ChorusTypes
                                             : editor::PopupList::VariationTypes;
            chooseType(list, pick(image::kReverbTypeCount));
        } else {
            drag(knobs[static_cast<std::size_t>(pick(static_cast<int>(knobs.size())))],
                 pick(41) - 20);
        }
        tell(takeSent());
    }

    testrig::ReadbackRig fresh;
    ASSERT_NE(fresh.image->parts, image->parts) << "the edits changed nothing";
    fresh.backend.answerWith([this](midi::Bytes m) { return module.receive(m); });
    auto& reader = fresh.begin(xg.options().type);
    fresh.runToEnd();
    ASSERT_EQ(reader.outcome(), files::ReadbackOutcome::Complete);
    auto result = reader.takeResult();
    files::takeOverReadback(result, *fresh.image, nullptr);
    testing_support::expectModuleHeldEqual(*fresh.image, *image);
}

} // namespace
