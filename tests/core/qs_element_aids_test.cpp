#include "core/user_voice_part.h"
#include "image/image_init.h"
#include "image/qs300_factory.h"
#include "image/voice_dump.h"
#include "image/voice_edit.h"
#include "image/voice_pairs.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/qs_element_scan.h"
#include "midi/qs_random_voice.h"
#include "midi/qs_voice_edit.h"
#include "midi/xg_messages.h"

#include "qs_voice_edit_fixture.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace {

using image::Byte;
using image::VoiceDump;
using qs_voice_edit_testing::checksumHolds;
using qs_voice_edit_testing::Msg;
namespace e = image::voice::element;

Msg asMessage(VoiceDump dump) {
    image::renewVoiceDumpChecksum(dump);
    return Msg(dump.begin(), dump.end());
}

// Built-in voice 0..255 (presets, then the factory bank).
const image::VoiceRecord& builtIn(int voice) {
    return image::presetOrUserVoice(image::factoryUserBank(), voice);
}

void putElementFrom(VoiceDump& dump, int element, const image::VoiceRecord& source,
                    int sourceElement) {
    std::copy_n(source.begin() + image::voice::elementStart(sourceElement),
                image::kVoiceElementSize, image::elementOf(dump, element).begin());
}

Byte& switchOf(VoiceDump& dump) {
    return dump[image::dumpIndex(image::voice::kElementSwitch)];
}

// Hands out the numbers given (each taken modulo the range asked for), then zeros.
class FixedRandom final : public midi::RandomSource {
  public:
    explicit FixedRandom(std::deque<int> values) : values_(std::move(values)) {}
    int below(int count) override {
        if (values_.empty()) return 0;
        const int v = values_.front();
        values_.pop_front();
        return v % count;
    }

  private:
    std::deque<int> values_;
};

struct ElementAids : qs_voice_edit_testing::QsVoiceEditFixture {
    midi::ElementAidsMemory memory;

    void SetUp() override {
        QsVoiceEditFixture::SetUp();
        image->bank = image::factoryUserBank();
    }
    // Without the question whether the module is ready, unless asked for.
    void use(midi::SynthType type, bool timeoutCheck = false) {
        QsVoiceEditFixture::use(type, timeoutCheck);
    }
    // Opens "Aurora" (elements 1, 2 and 4 on) on the part.
    void openAurora(int part, bool twoParts = false) {
        giveVoice(part, twoParts);
        ASSERT_TRUE(edit.Open(part));
        backend.clearSent();
    }
    void expectChecksums() const {
        for (const auto& m : sent()) EXPECT_TRUE(checksumHolds(m));
    }
    midi::QsRandomVoice random(FixedRandom& numbers) {
        return midi::QsRandomVoice(edit, xg, port, image->bank, numbers, memory);
    }
    midi::QsElementScan scan() { return midi::QsElementScan(edit, xg, port, image->bank, memory); }
    // A scan as the dialog shows it: the remembered voice selected and played.
    midi::QsElementScan startedScan() {
        midi::QsElementScan s = scan();
        s.begin();
        s.start();
        return s;
    }
};

// ---- random voices ----

TEST_F(ElementAids, RandomPicksNeverRepeatAVoiceInARowAlsoAcrossNext) {
    use(midi::SynthType::Qs300);
    openAurora(4);
    // Voice draws, each followed by an element draw. A repeat of the voice just picked is
    // drawn again; voice 0 is the pick remembered from before.
    FixedRandom numbers({0, 70, 2, 70, 5, 0, 129, 1, 200, 1, 200, 200, 96, 2, 10, 1, 11, 1, 12, 0});
    auto r = random(numbers);
    r.begin();
    ASSERT_TRUE(r.next());
    VoiceDump first = edit.voice();
    putElementFrom(first, 0, builtIn(70), 2);
    putElementFrom(first, 1, builtIn(5), 0);
    putElementFrom(first, 2, builtIn(129), 1);
    putElementFrom(first, 3, builtIn(200), 1);
    ASSERT_TRUE(r.next());
    VoiceDump second = edit.voice();
    putElementFrom(second, 0, builtIn(96), 2);
    putElementFrom(second, 1, builtIn(10), 1);
    putElementFrom(second, 2, builtIn(11), 1);
    putElementFrom(second, 3, builtIn(12), 0);
    EXPECT_EQ(sent(), (std::vector<Msg>{asMessage(first), asMessage(second)}));
    EXPECT_EQ(memory.lastRandomVoice, 12);
    expectChecksums();
}

TEST_F(ElementAids, RandomWithTwoElementsChangesOnlyElementsOneAndTwo) {
    use(midi::SynthType::OtherXg);
    openAurora(0);
    const VoiceDump before = edit.voice();
    FixedRandom numbers({17, 1, 150, 1});
    auto r = random(numbers);
    r.begin();
    r.next();
    VoiceDump expected = before;
    putElementFrom(expected, 0, builtIn(17), 1);
    putElementFrom(expected, 1, builtIn(150), 1);
    EXPECT_EQ(sent(), (std::vector<Msg>{asMessage(expected)}));
    // The edit voice's switch (elements 1, 2 and 4) stays, and so do elements 3 and 4.
    EXPECT_EQ(sent()[0][9 + 11], 0x0B);
    expectChecksums();
}

TEST_F(ElementAids, RandomOnAPairSendsTheUpperElementsToTheSecondPart) {
    use(midi::SynthType::Db50);
    openAurora(2, true);
    FixedRandom numbers({1, 1, 2, 0, 3, 0, 70, 2});
    auto r = random(numbers);
    r.begin();
    r.next();
    VoiceDump whole = edit.voice();
    putElementFrom(whole, 0, builtIn(1), 1);
    putElementFrom(whole, 1, builtIn(2), 0);
    putElementFrom(whole, 2, builtIn(3), 0);
    putElementFrom(whole, 3, builtIn(70), 2);
    // The second part's dump: the edit voice's, with the new elements 3 and 4 as its 1 and 2.
    auto upper = image::upperHalfDump(edit.voice(), 3);
    putElementFrom(upper, 0, builtIn(3), 0);
    putElementFrom(upper, 1, builtIn(70), 2);
    EXPECT_EQ(sent(), (std::vector<Msg>{asMessage(whole), asMessage(upper)}));
    EXPECT_EQ(sent()[1][7], 3);
    EXPECT_EQ(sent()[1][9 + 11], 0x02); // element 4 of the voice is the second part's 2
    expectChecksums();
}

TEST_F(ElementAids, RandomCancelKeepsTheEditVoiceAndSendsItAgain) {
    use(midi::SynthType::Qs300);
    openAurora(1);
    const VoiceDump before = edit.voice();
    FixedRandom numbers({40, 0, 41, 0, 42, 0, 43, 0});
    auto r = random(numbers);
    r.begin();
    r.next();
    backend.clearSent();
    r.finish();
    EXPECT_EQ(edit.voice(), before);
    EXPECT_EQ(sent(), (std::vector<Msg>{asMessage(before)}));
    expectChecksums();
}

TEST_F(ElementAids, RandomOkKeepsTheProposalEvenWhenTheModuleDidNotAnswer) {
    use(midi::SynthType::Qs300, true);
    openAurora(1);
    FixedRandom numbers({40, 0, 41, 0, 42, 0, 43, 0});
    auto r = random(numbers);
    r.begin();
    EXPECT_FALSE(r.next());
    EXPECT_EQ(alerts, (std::vector<std::string>{"QS300 Timeout"}));
    r.acceptProposal();
    VoiceDump expected = r.proposal().whole;
    EXPECT_EQ(edit.voice(), expected);
    const auto element = image::elementOf(edit.voice(), 3);
    EXPECT_TRUE(std::equal(element.begin(), element.end(),
                           builtIn(43).begin() + image::voice::elementStart(0)));
    // The module got only the question whether it is ready.
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xF0, 0x43, 0x30, 0x4C, 0x08, 0x00, 0x00, 0xF7}}));
}

TEST_F(ElementAids, ClockSeededDrawsStayInRange) {
    auto r = midi::makeClockSeededRandom();
    for (int i = 0; i < 1000; ++i) {
        const int v = r->below(256);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 256);
    }
    EXPECT_EQ(r->below(0), 0);
}

// ---- element copy ----

TEST_F(ElementAids, CopyToTheSameElementChangesAndSendsNothing) {
    use(midi::SynthType::Qs300);
    openAurora(0);
    const VoiceDump before = edit.voice();
    EXPECT_FALSE(edit.copyElement(1, 1));
    EXPECT_EQ(edit.voice(), before);
    EXPECT_TRUE(sent().empty());
}

TEST_F(ElementAids, CopySendsTheDumpThatHoldsTheDestination) {
    use(midi::SynthType::Db50);
    openAurora(2, true);
    VoiceDump expected = edit.voice();
    std::copy_n(image::elementOf(expected, 0).begin(), 80, image::elementOf(expected, 2).begin());
    ASSERT_TRUE(edit.copyElement(0, 2));
    EXPECT_EQ(edit.currentElement(), 2);
    EXPECT_EQ(switchOf(edit.voice()), 0x0B); // the switch stays
    EXPECT_EQ(sent(), (std::vector<Msg>{asMessage(image::upperHalfDump(expected, 3))}));
    backend.clearSent();
    ASSERT_TRUE(edit.copyElement(3, 1));
    std::copy_n(image::elementOf(expected, 3).begin(), 80, image::elementOf(expected, 1).begin());
    EXPECT_EQ(sent(), (std::vector<Msg>{asMessage(expected)}));
    expectChecksums();
}

TEST_F(ElementAids, CopyDestinationsOfferedFirst) {
    EXPECT_EQ(midi::copyDestinationFor(0, true), 1);
    EXPECT_EQ(midi::copyDestinationFor(2, true), 3);
    EXPECT_EQ(midi::copyDestinationFor(3, true), 2);
    EXPECT_EQ(midi::copyDestinationFor(0, false), 1);
    EXPECT_EQ(midi::copyDestinationFor(1, false), 0);
}

// ---- element scan ----

// The preset as played alone: element `element` (0..3) on by itself.
Msg soloPreset(const VoiceDump& editVoice, int preset, int element) {
    VoiceDump d = editVoice;
    image::putVoiceRecord(d, builtIn(preset));
    switchOf(d) = static_cast<Byte>(1 << element);
    return asMessage(d);
}

TEST_F(ElementAids, ScanForwardOnTheLastElementOfTheLastEntryStartsItAgain) {
    use(midi::SynthType::Qs300);
    openAurora(0);
    memory.presetIndex = 127; // "Bird Song": elements 1 and 2
    auto s = startedScan();
    s.forward();
    s.forward();
    EXPECT_EQ(s.index(), 127);
    EXPECT_EQ(s.sourceElement(), 1);
    const auto v = edit.voice();
    EXPECT_EQ(sent(), (std::vector<Msg>{soloPreset(v, 127, 0), soloPreset(v, 127, 1),
                                        soloPreset(v, 127, 0)}));
    expectChecksums();
}

TEST_F(ElementAids, ScanBackOnElementOneOfTheFirstEntryStartsItAgain) {
    use(midi::SynthType::Qs300);
    openAurora(0);
    auto s = startedScan();
    s.back();
    EXPECT_EQ(s.index(), 0);
    EXPECT_EQ(s.sourceElement(), 1);
    const auto v = edit.voice();
    EXPECT_EQ(sent(), (std::vector<Msg>{soloPreset(v, 0, 0), soloPreset(v, 0, 0)}));
    expectChecksums();
}

TEST_F(ElementAids, ScanStepsThroughTheElementsAVoiceHasThenToTheNextVoice) {
    use(midi::SynthType::Qs300);
    openAurora(0);
    memory.presetIndex = 1; // "Ice Bells": elements 1 and 2
    auto s = startedScan();
    s.forward();
    EXPECT_EQ(s.sourceElement(), 2);
    s.forward();
    EXPECT_EQ(s.index(), 2);
    s.back(); // element 1 of "Music Box": back to "Ice Bells", element 1
    EXPECT_EQ(s.index(), 1);
    EXPECT_EQ(memory.presetIndex, 1);
    const auto v = edit.voice();
    EXPECT_EQ(sent(), (std::vector<Msg>{soloPreset(v, 1, 0), soloPreset(v, 1, 1),
                                        soloPreset(v, 2, 0), soloPreset(v, 1, 0)}));
    expectChecksums();
}

TEST_F(ElementAids, ScanOnAPairPlaysElementThreeAloneFromTheSecondPart) {
    use(midi::SynthType::Db50);
    openAurora(2, true);
    memory.presetIndex = 70; // "Full Orch": elements 1 to 3
    auto s = startedScan();
    backend.clearSent();
    s.forward();
    s.forward();
    const auto m = sent();
    ASSERT_EQ(m.size(), 4u);
    VoiceDump whole = edit.voice();
    image::putVoiceRecord(whole, builtIn(70));
    switchOf(whole) = 0;
    VoiceDump upper = image::upperHalfDump(edit.voice(), 3);
    putElementFrom(upper, 0, builtIn(70), 2);
    putElementFrom(upper, 1, builtIn(70), 3);
    switchOf(upper) = 1;
    EXPECT_EQ(m[2], asMessage(whole));
    EXPECT_EQ(m[3], asMessage(upper));
    // Element 2 alone leaves the second part silent.
    EXPECT_EQ(m[1][9 + 11], 0);
    expectChecksums();
}

TEST_F(ElementAids, ScanWithTwoElementsPlaysElementThreeAsTheFirst) {
    use(midi::SynthType::OtherXg);
    openAurora(0);
    memory.presetIndex = 70;
    auto s = startedScan();
    s.forward();
    s.forward();
    VoiceDump d = edit.voice();
    image::putVoiceRecord(d, builtIn(70));
    putElementFrom(d, 0, builtIn(70), 2);
    switchOf(d) = 1;
    EXPECT_EQ(sent().back(), asMessage(d));
    expectChecksums();
}

TEST_F(ElementAids, ScanInPlacePlaysTheEditVoiceWithTheElementAtTheDestination) {
    use(midi::SynthType::Qs300);
    openAurora(0);
    ASSERT_TRUE(edit.selectElement(2));
    memory.solo = false;
    memory.userListShown = true;
    memory.userIndex = 1; // "Tri Pad"
    auto s = scan();
    s.begin();
    EXPECT_EQ(s.destination(), 2);
    s.start();
    s.setDestination(3);
    VoiceDump third = edit.voice();
    putElementFrom(third, 2, builtIn(129), 0);
    switchOf(third) = 0x0F;
    VoiceDump fourth = edit.voice();
    putElementFrom(fourth, 3, builtIn(129), 0);
    EXPECT_EQ(sent(), (std::vector<Msg>{asMessage(third), asMessage(fourth)}));
    expectChecksums();
}

TEST_F(ElementAids, ScanCopySwitchesTheDestinationOnAndSendsNothingUntilClosed) {
    use(midi::SynthType::OtherXg);
    openAurora(0);
    switchOf(edit.voice()) = 0x01;
    memory.presetIndex = 127;
    auto s = startedScan();
    s.forward();
    s.setDestination(1);
    backend.clearSent();
    s.copyHeldElement();
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(switchOf(edit.voice()), 0x03);
    EXPECT_EQ(edit.currentElement(), 1);
    VoiceDump expected = edit.voice();
    putElementFrom(expected, 1, builtIn(127), 1);
    EXPECT_EQ(edit.voice(), expected);
    s.finish();
    EXPECT_EQ(sent(), (std::vector<Msg>{asMessage(expected)}));
    expectChecksums();
}

TEST_F(ElementAids, ScanRemembersEachListsEntryForTheNextOpening) {
    use(midi::SynthType::Qs300);
    openAurora(0);
    {
        auto s = startedScan();
        s.select(40);
        s.showList(true);
        s.select(9);
        s.showList(false);
        EXPECT_EQ(s.index(), 40);
    }
    auto again = startedScan();
    EXPECT_EQ(again.index(), 40);
    again.showList(true);
    EXPECT_EQ(again.index(), 9);
    again.select(500);
    EXPECT_EQ(again.index(), 127);
    expectChecksums();
}

} // namespace
