#include "voice_selection_fixture.h"

#include "image/qs300_factory.h"
#include "image/voice_catalogue.h"

#include <algorithm>
#include <memory>
#include <string>

namespace {

using namespace selection_test;
namespace off = image::offset;

// The voice data of a part's dump (its checksum byte belongs to the part's voice number).
bool playsVoice(const image::VoiceDump& dump, const image::VoiceRecord& voice) {
    return std::equal(voice.begin(), voice.end() - 1, dump.begin() + image::kVoiceDumpDataStart);
}

std::vector<Msg> concat(std::vector<std::vector<Msg>> parts) {
    std::vector<Msg> all;
    for (auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST_F(Selection, XgVoiceAndKitsSendModeBankAndProgramInOrder) {
    use(midi::SynthType::Db50);
    image->currentPart = 2;
    auto result = selection.select(0, 2);
    EXPECT_EQ(sent(), voiceSelect(2, 0, 0, 18, 0));
    EXPECT_EQ(result.name, "MelloGrP");
    EXPECT_EQ(image->part(2, off::kBankLsb), 18);

    forget();
    image->currentPart = 0;
    result = selection.select(image::kDrumList, image::kDrumSetup2Item);
    EXPECT_EQ(sent(), voiceSelect(0, 3, 127, 0, 0));
    EXPECT_EQ(result.name, "D2:Standard Kit");

    forget();
    selection.select(image::kDrumList, 10); // SFX 2
    EXPECT_EQ(sent(), voiceSelect(0, 1, 126, 0, 1));
    EXPECT_EQ(image->part(0, off::kPartMode), 1);
}

TEST_F(Selection, ItemsThatDoNotExistChangeNothing) {
    use(midi::SynthType::Db50);
    const auto before = image->parts;
    for (auto [list, item] : {std::pair{-1, 0}, {0, 39}, {19, 0}, {17, 128}, {15, -1}})
        EXPECT_FALSE(selection.select(list, item).done);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(image->parts, before);
}

TEST_F(Selection, FourElementVoiceTakesTwoPartsOnTheDb50) {
    use(midi::SynthType::Db50);
    const auto voice = fourElementVoice(image->bank);
    image->bank[5] = voice;
    image->currentPart = 3;
    const auto result = selection.select(image::kQsUserList, 5);

    auto upper = voice;
    upper[image::kVoiceElementSwitchByte] = 0x03;
    std::copy_n(voice.begin() + 221, 160, upper.begin() + 61);
    EXPECT_EQ(sent(), concat({{dumpOf(voice, 2), dumpOf(upper, 3), partParam(3, 0x04, 2)},
                              voiceSelect(2, 0, 63, 0, 5),
                              {partParam(2, 0x03, 2)},
                              voiceSelect(3, 0, 63, 0, 3)}));
    EXPECT_TRUE(result.pair);
    EXPECT_EQ(result.part, 2);
    EXPECT_EQ(result.changed, (std::vector<int>{2, 3}));
    EXPECT_EQ(image->currentPart, 3);
    EXPECT_EQ(image->userVoiceKind[2], image::kTwoPartVoice);
    EXPECT_EQ(image->userVoiceKind[3], image::kXgVoice);
    EXPECT_TRUE(image->pairFlagLow[3] && image->pairFlagHigh[3]);
    EXPECT_EQ(image->part(3, off::kReceiveChannel), 2);
    EXPECT_EQ(image::voiceRecordFromDump(image->partVoices[3])[11], 0x03);
    EXPECT_EQ(image->part(3, off::kBankMsb), 63);
}

TEST_F(Selection, FourElementVoiceOnTheQs300TakesOnePartAndLsbOne) {
    use(midi::SynthType::Qs300);
    const auto voice = fourElementVoice(image->bank);
    image->bank[5] = voice;
    image->currentPart = 3;
    const auto result = selection.select(image::kQsUserList, 5);
    EXPECT_EQ(sent(),
              concat({{dumpOf(voice, 3)}, voiceSelect(3, 0, 63, 1, 5), {partParam(3, 0x03, 3)}}));
    EXPECT_FALSE(result.pair);
    EXPECT_EQ(image->userVoiceKind[3], image::kSinglePartVoice);
    EXPECT_FALSE(image->pairFlagLow[3] || image->pairFlagHigh[3]);
}

TEST_F(Selection, QsVoiceOnOnePartMirrorsItsControlsWhenAsked) {
    use(midi::SynthType::Db50, true);
    image->currentPart = 6;
    const image::VoiceRecord& crystal = image::factoryPresetBank()[0];
    const auto result = selection.select(image::kQsPresetList, 0);
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u + 30u + 5u);
    EXPECT_EQ(m[0], dumpOf(crystal, 6));
    // Reverb send, chorus send and mono/poly follow the voice.
    EXPECT_NE(std::find(m.begin(), m.end(), partParam(6, 0x13, crystal[15])), m.end());
    EXPECT_NE(std::find(m.begin(), m.end(), partParam(6, 0x12, crystal[16])), m.end());
    EXPECT_EQ(m[30], partParam(6, 0x05, crystal[32]));
    EXPECT_EQ(std::vector<Msg>(m.begin() + 31, m.end()),
              concat({voiceSelect(6, 0, 63, 0, 0), {partParam(6, 0x03, 6)}}));
    EXPECT_EQ(image->part(6, 19), crystal[15]);
    EXPECT_EQ(result.name, "CrystaLake");
    EXPECT_TRUE(playsVoice(image->partVoices[6], crystal));
    EXPECT_EQ(image->partVoices[6][image::kVoiceDumpNumberByte], 6);
}

TEST_F(Selection, XgVoiceAfterAQsVoiceRestoresTheXgDefaults) {
    use(midi::SynthType::Db50, true, true);
    image->currentPart = 1;
    selection.select(image::kQsPresetList, 0);
    forget();
    selection.select(5, 0); // Violin
    const auto m = sent();
    ASSERT_EQ(m.size(), 30u + 4u);
    EXPECT_EQ(m[0], partParam(1, 0x23, 66));
    EXPECT_NE(std::find(m.begin(), m.end(), partParam(1, 0x13, 40)), m.end());
    EXPECT_NE(std::find(m.begin(), m.end(), partParam(1, 0x12, 0)), m.end());
    EXPECT_EQ(m[29], partParam(1, 0x05, 1));
    EXPECT_EQ(std::vector<Msg>(m.begin() + 30, m.end()), voiceSelect(1, 0, 0, 0, 40));
    EXPECT_EQ(image->userVoiceKind[1], image::kXgVoice);

    // Without the option, or on a part that played an XG voice, only the voice goes out.
    forget();
    selection.select(5, 1);
    EXPECT_EQ(sent(), voiceSelect(1, 0, 0, 8, 40));
}

TEST_F(Selection, AnXgVoiceOnEitherPartReleasesThePair) {
    use(midi::SynthType::Db50, false, false);
    image->bank[9] = fourElementVoice(image->bank);
    for (int chosen : {4, 5}) {
        image->currentPart = 4;
        selection.select(image::kQsUserList, 9);
        forget();
        image->currentPart = chosen;
        const auto result = selection.select(0, 0);
        const int other = chosen == 4 ? 5 : 4;
        EXPECT_EQ(sent(), concat({{partParam(5, 0x04, 5)},
                                  voiceSelect(other, 0, 0, 0, 0),
                                  voiceSelect(chosen, 0, 0, 0, 0)}))
            << "chosen part " << chosen;
        EXPECT_EQ(result.changed, (std::vector<int>{chosen, other}));
        for (int p : {4, 5}) {
            EXPECT_FALSE(image->hasUserVoice(p));
            EXPECT_EQ(image->part(p, off::kBankMsb), 0);
        }
        EXPECT_EQ(image->part(5, off::kReceiveChannel), 5);
    }
}

TEST_F(Selection, ReleasedTenthPartGoesBackToTheFirstDrumSetup) {
    use(midi::SynthType::Db50);
    image->bank[9] = fourElementVoice(image->bank);
    image->currentPart = 9;
    selection.select(image::kQsUserList, 9);
    forget();
    image->currentPart = 8;
    selection.select(image::kQsPresetList, 0); // two elements: one part
    const auto m = sent();
    ASSERT_GE(m.size(), 6u);
    EXPECT_EQ(std::vector<Msg>(m.begin() + 1, m.begin() + 6),
              concat({{partParam(9, 0x04, 9)}, voiceSelect(9, 2, 127, 0, 0)}));
    EXPECT_EQ(image->part(9, off::kPartMode), 2);
    EXPECT_EQ(image->userVoiceKind[8], image::kSinglePartVoice);
}

struct Listener : midi::VoiceChangeListener {
    std::vector<std::pair<int, int>> calls; // part, part mode at the call
    image::SynthImage* image = nullptr;
    void partVoiceChanged(int part) override {
        calls.emplace_back(part, image->part(part, image::offset::kPartMode));
    }
};

TEST_F(Selection, ListenerHearsOfEveryChangedPart) {
    use(midi::SynthType::Db50);
    Listener listener;
    listener.image = image.get();
    selection.addListener(listener);
    image->currentPart = 9;
    selection.select(0, 0);
    EXPECT_EQ(listener.calls, (std::vector<std::pair<int, int>>{{9, 0}}));
    selection.select(image::kDrumList, image::kDrumSetup2Item);
    EXPECT_EQ(listener.calls.back(), (std::pair<int, int>{9, 3}));
    selection.removeListener(listener);
    selection.select(0, 0);
    EXPECT_EQ(listener.calls.size(), 2u);
}

TEST_F(Selection, VoiceTheModuleDoesNotTakeLeavesThePartAsItWas) {
    // The sixth part plays a user voice the module took.
    use(midi::SynthType::Qs300);
    image->currentPart = 5;
    ASSERT_TRUE(selection.select(image::kQsUserList, 1).done);
    const auto before = std::make_unique<image::SynthImage>(*image);
    const auto unchanged = [&] {
        EXPECT_EQ(image->parts, before->parts);
        EXPECT_EQ(image->partVoices, before->partVoices);
        EXPECT_EQ(image->editVoice, before->editVoice);
        EXPECT_EQ(image->userVoiceKind, before->userVoiceKind);
        EXPECT_EQ(image->pairFlagHigh, before->pairFlagHigh);
        EXPECT_EQ(image->currentPart, 5);
    };

    midi::SynthOptions waiting;
    waiting.type = midi::SynthType::Qs300;
    xg.setOptions(waiting);
    std::vector<std::string> alerts;
    xg.setAlertHandler([&](const std::string& text) { alerts.push_back(text); });
    Listener listener;
    listener.image = image.get();
    selection.addListener(listener);
    const Msg probe{0xF0, 0x43, 0x30, 0x4C, 0x08, 0x00, 0x00, 0xF7};

    // No answer to the probe: the voice never left, and nothing else follows.
    forget();
    auto result = selection.select(image::kQsUserList, 0);
    EXPECT_FALSE(result.done);
    EXPECT_TRUE(result.timedOut);
    EXPECT_EQ(sent(), std::vector<Msg>{probe});
    EXPECT_EQ(alerts, std::vector<std::string>{"QS300 Timeout"});
    EXPECT_TRUE(listener.calls.empty());
    unchanged();

    // The probe answered but not the voice: the dump went out, no part parameter after it.
    port.OpenMidiIn(0);
    port.setInputHandler([this](midi::Bytes m) { xg.handshake().noteInputStatus(m[0]); });
    xg.handshake().setPump([this] { backend.deliverPendingInput(); });
    backend.answerProbeWith(Msg{0xF0, 0x43, 0x00, 0x4C, 0xF7});
    forget();
    result = selection.select(image::kQsUserList, 0);
    EXPECT_TRUE(result.timedOut);
    const auto all = sent();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0], probe);
    EXPECT_EQ(all[1].size(), static_cast<std::size_t>(image::kVoiceDumpSize));
    EXPECT_EQ(all[1][image::kVoiceDumpNumberByte], 5);
    EXPECT_EQ(alerts.size(), 2u);
    EXPECT_TRUE(listener.calls.empty());
    unchanged();
    selection.removeListener(listener);
}

TEST_F(Selection, LoadedVoicePassesThroughTheBankAndLeavesItUnchanged) {
    use(midi::SynthType::Db50);
    const auto bank = image->bank;
    const auto voice = fourElementVoice(image->bank);
    for (int part : {3, 2}) {
        image->currentPart = part;
        const auto result = selection.assignVoice(voice);
        EXPECT_EQ(result.part, 2);
        EXPECT_TRUE(result.pair);
        EXPECT_EQ(image->part(2, off::kProgram), 2);
        EXPECT_TRUE(playsVoice(image->partVoices[2], voice));
        EXPECT_EQ(image->bank, bank);
    }
    // A two-element voice stays on the odd part.
    image->currentPart = 7;
    auto two = voice;
    two[image::kVoiceElementSwitchByte] = 0x03;
    EXPECT_EQ(selection.assignVoice(two).part, 7);
}

TEST_F(Selection, StoredVoicePlaysOnTheCurrentPart) {
    use(midi::SynthType::Db50);
    const auto voice = image::factoryPresetBank()[3];
    image->currentPart = 11;
    const auto result = selection.storeVoice(127, voice);
    EXPECT_EQ(image->bank[127], voice);
    EXPECT_EQ(result.part, 11);
    EXPECT_EQ(image->part(11, off::kProgram), 127);
    EXPECT_EQ(image->part(11, off::kBankLsb), 1);
    EXPECT_FALSE(selection.storeVoice(128, voice).done);
}

} // namespace
