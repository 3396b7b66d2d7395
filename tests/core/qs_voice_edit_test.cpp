#include "core/user_voice_part.h"
#include "image/image_init.h"
#include "image/qs300_factory.h"
#include "image/voice_dump.h"
#include "image/voice_edit.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/qs_voice_edit.h"
#include "midi/xg_messages.h"

#include "qs_voice_edit_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace {

using image::Byte;
using qs_voice_edit_testing::checksumHolds;
using qs_voice_edit_testing::Msg;
namespace e = image::voice::element;
namespace v = image::voice;

Byte dataByte(const Msg& dump, int offset) {
    return dump[static_cast<std::size_t>(9 + offset)];
}

Byte elementByteOf(const Msg& dump, int element, int offset) {
    return dataByte(dump, v::elementStart(element) + offset);
}

Msg partParam(int part, int address, int value) {
    return {0xF0,
            0x43,
            0x10,
            0x4C,
            0x08,
            static_cast<Byte>(part),
            static_cast<Byte>(address),
            static_cast<Byte>(value),
            0xF7};
}

using VoiceEdit = qs_voice_edit_testing::QsVoiceEditFixture;

TEST_F(VoiceEdit, AChecksumOverAMultipleOf128IsZero) {
    giveVoice(0, false);
    ASSERT_TRUE(edit.Open(0));
    // Tune the last name byte so that count, address and data add up to 0 mod 128.
    auto& dump = edit.voice();
    dump[image::dumpIndex(9)] = 0;
    const int sum = std::accumulate(dump.begin() + 4, dump.begin() + 390, 0);
    dump[image::dumpIndex(9)] = static_cast<Byte>((128 - sum % 128) % 128);
    ASSERT_TRUE(edit.SendEditVoice());
    ASSERT_EQ(sent().size(), 1u);
    EXPECT_EQ(sent()[0][390], 0);
    EXPECT_TRUE(checksumHolds(sent()[0]));
}

TEST_F(VoiceEdit, ThePairsSecondPartEditsTheFirstAndSendsElementsThreeAndFourToTheSecond) {
    giveVoice(4, true);
    EXPECT_FALSE(edit.Open(3)) << "a part without a user voice opens nothing";
    const auto part = edit.Open(5);
    ASSERT_TRUE(part);
    EXPECT_EQ(*part, 4);
    EXPECT_EQ(edit.partAtOpen(), 5);
    EXPECT_TRUE(edit.pairedOnTwoParts());
    edit.setElementByteOf(3, e::kLevel, 77);
    ASSERT_TRUE(edit.SendEditVoice());
    const auto m = sent();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(Msg(m[0].begin(), m[0].begin() + 9),
              (Msg{0xF0, 0x43, 0x00, 0x4B, 0x02, 0x7D, 0x11, 4, 0}));
    EXPECT_EQ(Msg(m[1].begin(), m[1].begin() + 9),
              (Msg{0xF0, 0x43, 0x00, 0x4B, 0x02, 0x7D, 0x11, 5, 0}));
    EXPECT_TRUE(checksumHolds(m[0]));
    EXPECT_TRUE(checksumHolds(m[1]));
    // Elements 1 and 2 of the second dump are the voice's 3 and 4; switch 1011b >> 2.
    EXPECT_EQ(elementByteOf(m[1], 1, e::kLevel), 77);
    EXPECT_EQ(Msg(m[1].begin() + 9 + 61, m[1].begin() + 9 + 221),
              Msg(m[0].begin() + 9 + 221, m[0].begin() + 9 + 381));
    EXPECT_EQ(dataByte(m[1], v::kElementSwitch), 0x0B >> 2);
    EXPECT_EQ(Msg(m[1].begin() + 9, m[1].begin() + 19), Msg(m[0].begin() + 9, m[0].begin() + 19));
}

TEST_F(VoiceEdit, ElementsOneAndThreeAreCompactedAtCloseAndSentOnce) {
    use(midi::SynthType::Qs300, false);
    giveVoice(2, false);
    ASSERT_TRUE(edit.Open(2));
    auto& dump = edit.voice();
    dump[image::dumpIndex(v::kElementSwitch)] = 0x05;
    edit.setElementByteOf(2, e::kLevel, 91);
    edit.setElementByteOf(1, e::kLevel, 12);
    edit.close();
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(checksumHolds(m[0]));
    EXPECT_EQ(dataByte(m[0], v::kElementSwitch), 3);
    EXPECT_EQ(elementByteOf(m[0], 1, e::kLevel), 91);
    EXPECT_EQ(elementByteOf(m[0], 2, e::kLevel), 12);
    EXPECT_EQ(image->partVoices[2][image::dumpIndex(v::kElementSwitch)], 3);

    // A switch without a gap moves nothing and sends nothing.
    backend.clearSent();
    ASSERT_TRUE(edit.Open(2));
    edit.close();
    EXPECT_TRUE(sent().empty());
}

TEST_F(VoiceEdit, CompactionFillsEveryGap) {
    image::VoiceDump dump = image::editVoiceTemplate();
    for (int element = 0; element < 4; ++element)
        dump[image::elementIndex(element, e::kLevel)] = static_cast<Byte>(element + 1);
    struct Case {
        int before;
        int after;
        std::array<int, 4> order; // which former element now stands in each place
    };
    for (const Case& c : {Case{0x0A, 3, {2, 4, 3, 1}}, Case{0x08, 1, {4, 2, 3, 1}},
                          Case{0x0E, 7, {2, 3, 4, 1}}, Case{0x0D, 7, {1, 3, 4, 2}}}) {
        image::VoiceDump d = dump;
        d[image::dumpIndex(v::kElementSwitch)] = static_cast<Byte>(c.before);
        EXPECT_TRUE(image::compactElements(d));
        EXPECT_EQ(d[image::dumpIndex(v::kElementSwitch)], c.after) << c.before;
        for (int element = 0; element < 4; ++element)
            EXPECT_EQ(d[image::elementIndex(element, e::kLevel)],
                      c.order[static_cast<size_t>(element)])
                << c.before;
    }
}

TEST_F(VoiceEdit, DecayLevelsAndNoteLimitsKeepTheirOrder) {
    giveVoice(0, false);
    ASSERT_TRUE(edit.Open(0));
    edit.setElementByte(e::kAmpEgDecay1Level, 100);
    edit.setElementByte(e::kAmpEgDecay2Level, 80);
    edit.setElementByte(e::kAmpEgDecay1Level, 50);
    EXPECT_EQ(edit.elementByte(e::kAmpEgDecay1Level), 50);
    EXPECT_EQ(edit.elementByte(e::kAmpEgDecay2Level), 50);
    edit.setElementByte(e::kAmpEgDecay2Level, 90);
    EXPECT_EQ(edit.elementByte(e::kAmpEgDecay1Level), 90);

    edit.setElementByte(e::kNoteLow, 10);
    edit.setElementByte(e::kNoteHigh, 40);
    edit.setElementByte(e::kNoteLow, 60);
    EXPECT_EQ(edit.elementByte(e::kNoteHigh), 60);
    edit.setElementByte(e::kNoteHigh, 5);
    EXPECT_EQ(edit.elementByte(e::kNoteLow), 5);
}

TEST_F(VoiceEdit, InitializeOnOtherXgSendsNothingUntilTheNextSend) {
    use(midi::SynthType::OtherXg, false);
    giveVoice(1, false);
    ASSERT_TRUE(edit.Open(1));
    EXPECT_FALSE(edit.fourElements());
    EXPECT_FALSE(edit.selectElement(2)) << "elements 3 and 4 need four-element mode";
    ASSERT_TRUE(edit.selectElement(1));
    edit.initializeElement();
    EXPECT_TRUE(sent().empty());
    ASSERT_TRUE(edit.SendEditVoice());
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(checksumHolds(m[0]));
    const auto initial = image::defaultElement();
    EXPECT_EQ(Msg(m[0].begin() + 9 + 141, m[0].begin() + 9 + 221),
              Msg(initial.begin(), initial.end()));
    EXPECT_EQ(initial[e::kWaveLow], 37);
    EXPECT_EQ(initial[e::kPan], 7);
}

TEST_F(VoiceEdit, InitializeOnAPairSendsTheDumpThatHoldsTheElement) {
    giveVoice(0, true);
    ASSERT_TRUE(edit.Open(0));
    ASSERT_TRUE(edit.selectElement(3));
    edit.initializeElement();
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0][7], 1);
    EXPECT_TRUE(checksumHolds(m[0]));
    EXPECT_EQ(elementByteOf(m[0], 1, e::kLevel), 100);
}

TEST_F(VoiceEdit, MirroredBytesGoToBothPartsOfAPair) {
    giveVoice(6, true);
    ASSERT_TRUE(edit.Open(6));
    edit.setCommonByte(v::kLevel, 99);
    edit.mirror(v::kLevel);
    edit.setCommonByte(v::kAssign1Controls + 5, 70);
    edit.mirror(v::kAssign1Controls + 5);
    edit.mirror(v::kName); // no XG parameter: nothing
    EXPECT_EQ(sent(), (std::vector<Msg>{partParam(6, 0x0B, 99), partParam(7, 0x0B, 99),
                                        partParam(6, 0x5F, 70), partParam(7, 0x5F, 70)}));
    EXPECT_EQ(image->part(7, 11), 99);
}

TEST_F(VoiceEdit, AModuleThatDoesNotAnswerGetsOnlyTheProbe) {
    use(midi::SynthType::Qs300);
    giveVoice(0, false);
    ASSERT_TRUE(edit.Open(0));
    bool sendingSeen = false;
    xg.handshake().setPump([&] { sendingSeen = sendingSeen || edit.sending(); });
    EXPECT_FALSE(edit.SendEditVoice());
    EXPECT_TRUE(sendingSeen);
    EXPECT_FALSE(edit.sending());
    EXPECT_EQ(alerts, (std::vector<std::string>{"QS300 Timeout"}));
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xF0, 0x43, 0x30, 0x4C, 0x08, 0x00, 0x00, 0xF7}}));
}

TEST_F(VoiceEdit, ABrokenStoredDumpLeavesAsAProperMessage) {
    giveVoice(9, false);
    auto& stored = image->partVoices[9];
    stored[0] = 0x00;
    stored[3] = 0x4C;
    stored[image::elementIndex(0, e::kCutoff)] = 0xC0;
    stored[391] = 0x00;
    ASSERT_TRUE(edit.Open(9));
    ASSERT_TRUE(edit.SendEditVoice());
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(Msg(m[0].begin(), m[0].begin() + 9),
              (Msg{0xF0, 0x43, 0x00, 0x4B, 0x02, 0x7D, 0x11, 9, 0}));
    EXPECT_EQ(m[0][391], 0xF7);
    for (std::size_t i = 1; i < 391; ++i) EXPECT_LT(m[0][i], 0x80) << i;
    EXPECT_TRUE(checksumHolds(m[0]));
}

TEST_F(VoiceEdit, ClosingKeepsTheVoiceAndTheSecondHalfInThePartVoices) {
    giveVoice(2, true);
    ASSERT_TRUE(edit.Open(3));
    image::setVoiceName(edit.voice(), "Borealis");
    // "Aurora" has elements 1, 2 and 4: the fourth moves up to the third place, which the
    // second part plays as its first element.
    edit.setElementByteOf(3, e::kCutoff, 33);
    edit.close();
    EXPECT_FALSE(edit.isOpen());
    const auto name = image::voiceNameOf(image->partVoices[2]);
    EXPECT_EQ(std::string(name.begin(), name.end()), "Borealis  ");
    EXPECT_EQ(image->partVoices[3][image::elementIndex(0, e::kCutoff)], 33);
    EXPECT_TRUE(checksumHolds(Msg(image->partVoices[3].begin(), image->partVoices[3].end())));
}

} // namespace
