#include "image/drum_kits.h"
#include "image/image_init.h"
#include "image/part_defaults.h"
#include "image/voice_dump.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <optional>
#include <vector>

namespace {

using Msg = std::vector<std::uint8_t>;
namespace off = image::offset;

// Sum check of a bulk dump: byte counts, address, data and checksum add up to 0 mod 128.
bool checksumHolds(const Msg& dump) {
    const int sum = std::accumulate(dump.begin() + 4, dump.end() - 1, 0);
    return (sum & 0x7F) == 0;
}

struct Wire : ::testing::Test {
    midi::MemoryBackend backend{{"Module In"}, {"Module Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};
    std::vector<std::string> alerts;
    int progress = 0;

    void SetUp() override {
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
        xg.setAlertHandler([this](const std::string& text) { alerts.push_back(text); });
        xg.setProgressHandler([this] { ++progress; });
    }
    std::vector<Msg> sent() const { return backend.sent(); }
    void useQs300() {
        midi::SynthOptions o;
        o.type = midi::SynthType::Qs300;
        xg.setOptions(o);
    }
};

TEST_F(Wire, PartParametersAddressesSkipTheHole) {
    xg.SendPartParam(2, 2 * 104 + 40, 0x40);
    xg.SendPartParam(2, 2 * 104 + 41, 0x00);
    xg.SendPartParam(15, 15 * 104 + 103, 0x7F);
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x28, 0x40, 0xF7},
                                        {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x30, 0x00, 0xF7},
                                        {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x0F, 0x6E, 0x7F, 0xF7}}));
}

TEST_F(Wire, DetuneGoesAsTwoNibbles) {
    image->part(4, off::kDetune) = 0x85;
    xg.SendPartDetune(4, 4 * 104 + 9);
    image->part(4, off::kDetune) = 128;
    xg.SendPartDetune(4, 4 * 104 + 9);
    EXPECT_EQ(sent(),
              (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x04, 0x09, 0x08, 0x05, 0xF7},
                                {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x04, 0x09, 0x08, 0x00, 0xF7}}));
}

TEST_F(Wire, DeviceNumberGoesIntoEveryTemplateButTheProbe) {
    for (int device : {0, 3, 15}) {
        backend.clearSent();
        xg.setDeviceNumber(device);
        xg.SendPartParam(0, 11, 100);
        xg.SendPart(0);
        xg.SendXGSystemOn();
        auto voice = image->partVoices[0];
        xg.SendQSVoice(voice);
        const auto m = sent();
        ASSERT_EQ(m.size(), 5u);
        EXPECT_EQ(m[0][2], 0x10 | device);
        EXPECT_EQ(m[1][2], device);
        EXPECT_EQ(m[2][2], device);
        EXPECT_EQ(m[3][2], 0x10 | device);
        EXPECT_EQ(m[4][2], device);
        EXPECT_EQ(image->partVoices[7][2], device);
        EXPECT_EQ(image->editVoice[2], device);
    }
}

TEST_F(Wire, SystemMessages) {
    image->system.setMasterTune(0x0412);
    image->system.masterVolume = 100;
    image->system.transpose = 70;
    xg.SendSystem();
    xg.SendQSLocal(false);
    xg.SendQSLocal(true);
    EXPECT_EQ(sent(), (std::vector<Msg>{
                          {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x01, 0x02, 0xF7},
                          {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 100, 0xF7},
                          {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x06, 70, 0xF7},
                          {0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x00, 0xF7},
                          {0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x01, 0xF7}}));
}

TEST_F(Wire, XgSystemOnIsFollowedByAPauseForTheModule) {
    const auto before = clock.now();
    xg.SendXGSystemOn();
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}}));
    EXPECT_GE((clock.now() - before).count(), 50);
}

TEST_F(Wire, SendPartOfTheResetImage) {
    xg.SendPart(2);
    const auto m = sent();
    ASSERT_EQ(m.size(), 2u);
    Msg a{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x29, 0x08, 0x02, 0x00};
    for (int o = 0; o <= 40; ++o) a.push_back(image::ExpectedPartValue(2, o));
    a[9 + 9] = 0x08; // detune 128 as nibbles 08 00
    a[9 + 10] = 0x00;
    a.push_back(0);
    a.push_back(0xF7);
    a[a.size() - 2] = static_cast<std::uint8_t>(
        (128 - (std::accumulate(a.begin() + 4, a.end() - 2, 0) & 0x7F)) & 0x7F);
    EXPECT_EQ(m[0], a);
    EXPECT_EQ(m[1].size(), 74u);
    EXPECT_EQ(Msg(m[1].begin(), m[1].begin() + 9),
              (Msg{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x3F, 0x08, 0x02, 0x30}));
    EXPECT_EQ(m[1][9], 1);        // receive pitch bend
    EXPECT_EQ(m[1][9 + 62], 127); // velocity limit high
    EXPECT_TRUE(checksumHolds(m[1]));
}

TEST_F(Wire, SendPartOfATwoPartUserVoice) {
    // The fifth part plays the lower half of a four-element voice, the sixth the upper half.
    image->part(4, off::kBankMsb) = 63;
    image->part(4, off::kBankLsb) = 0;
    image->part(4, off::kProgram) = 17;
    image->userVoiceKind[4] = image::kTwoPartVoice;
    image->pairFlagLow[5] = 1;
    image->pairFlagHigh[5] = 1;
    for (auto type : {midi::SynthType::Db50, midi::SynthType::OtherXg}) {
        backend.clearSent();
        midi::SynthOptions o;
        o.type = type;
        xg.setOptions(o);
        xg.SendPart(4);
        xg.SendPart(5);
        const auto m = sent();
        ASSERT_EQ(m.size(), 4u);
        const std::uint8_t lsb = type == midi::SynthType::Db50 ? 0 : 1;
        EXPECT_EQ(m[0][9 + 1], 63);
        EXPECT_EQ(m[0][9 + 2], lsb);
        EXPECT_EQ(m[0][9 + 3], 4); // program = part number
        EXPECT_EQ(m[2][9 + 2], lsb);
        EXPECT_EQ(m[2][9 + 3], 5);
        EXPECT_TRUE(checksumHolds(m[0]));
        EXPECT_TRUE(checksumHolds(m[2]));
    }
    // The image keeps what the user chose.
    EXPECT_EQ(image->part(4, off::kProgram), 17);
}

TEST_F(Wire, SendPartOnAQs300WithoutParameterChangesAddsTheVoiceSelection) {
    midi::SynthOptions o;
    o.type = midi::SynthType::Qs300;
    o.multiParameterChange = false;
    xg.setOptions(o);
    image->part(1, off::kBankMsb) = 63;
    xg.SendPart(1);
    const auto m = sent();
    ASSERT_EQ(m.size(), 5u);
    EXPECT_EQ(m[2], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x01, 63, 0xF7}));
    EXPECT_EQ(m[3], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x02, 1, 0xF7}));
    EXPECT_EQ(m[4], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x03, 1, 0xF7}));
}

TEST_F(Wire, SendPartParameterByParameterInsideTheHandshake) {
    useQs300();
    port.OpenMidiIn(0);
    port.setInputHandler([this](midi::Bytes m) { xg.handshake().noteInputStatus(m[0]); });
    xg.handshake().setPump([this] {
        backend.deliverPendingInput();
        // The module answers every system-exclusive message with active sensing.
        if (backend.sentCount() > 1) backend.inject({0xFE});
    });
    backend.answerProbeWith(Msg{0xF0, 0x43, 0x00, 0x4C, 0xF7});
    image->part(6, off::kBankMsb) = 63;
    image->part(6, off::kProgram) = 40;
    image->part(6, off::kDetune) = 0x85;
    const auto start = clock.now();
    ASSERT_TRUE(xg.SendPart(6));
    const auto m = sent();
    ASSERT_EQ(m.size(), 1u + 104u);
    EXPECT_EQ(m[0], (Msg{0xF0, 0x43, 0x30, 0x4C, 0x08, 0x00, 0x00, 0xF7}));
    EXPECT_EQ(m[1], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x06, 0x07, 0x00, 0xF7})); // part mode first
    EXPECT_EQ(m[2], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x06, 0x00, 0x02, 0xF7}));
    EXPECT_EQ(m[3], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x06, 0x01, 63, 0xF7}));
    EXPECT_EQ(m[4], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x06, 0x02, 1, 0xF7}));
    EXPECT_EQ(m[5], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x06, 0x03, 6, 0xF7}));
    EXPECT_EQ(m[10], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x06, 0x09, 0x08, 0x05, 0xF7}));
    EXPECT_EQ(m[104], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x06, 0x6E, 127, 0xF7}));
    EXPECT_GT((clock.now() - start).count(), 104 * 3);
    EXPECT_TRUE(alerts.empty());
}

TEST_F(Wire, HandshakeTimeOutCountsFromTheEndOfTheSending) {
    // Sending a part parameter by parameter takes over 400 ms; the module's time to answer
    // is measured from the last message, not from the probe.
    midi::SynthOptions o;
    o.type = midi::SynthType::Qs300;
    o.timeout = 1;
    xg.setOptions(o);
    port.OpenMidiIn(0);
    port.setInputHandler([this](midi::Bytes m) { xg.handshake().noteInputStatus(m[0]); });
    backend.answerProbeWith(Msg{0xF0, 0x43, 0x00, 0x4C, 0xF7});
    std::optional<midi::Millis> allSent;
    xg.handshake().setPump([&] {
        backend.deliverPendingInput();
        if (backend.sentCount() < 1u + 104u) return;
        if (!allSent) allSent = clock.now();
        if (clock.now() - *allSent >= midi::Millis(150)) backend.inject({0xFE});
    });
    EXPECT_TRUE(xg.SendPart(0));
    EXPECT_TRUE(alerts.empty());
}

TEST_F(Wire, HandshakeTimeOutSendsNothingButTheProbe) {
    useQs300();
    auto voice = image->partVoices[0];
    ASSERT_FALSE(xg.SendQSVoice(voice));
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xF0, 0x43, 0x30, 0x4C, 0x08, 0x00, 0x00, 0xF7}}));
    EXPECT_EQ(alerts, (std::vector<std::string>{"QS300 Timeout"}));
    // The default of 10 ticks waits a little over one second.
    EXPECT_GE(clock.now().count(), 1100);
    EXPECT_LT(clock.now().count(), 1200);
}

TEST_F(Wire, HandshakeTimeOutOfZeroEndsAfterTheFirstTick) {
    midi::SynthOptions o;
    o.type = midi::SynthType::OtherXg;
    o.timeout = 0;
    xg.setOptions(o);
    auto voice = image->partVoices[0];
    EXPECT_FALSE(xg.SendQSVoice(voice));
    EXPECT_GE(clock.now().count(), 100);
    EXPECT_LT(clock.now().count(), 200);
}

TEST_F(Wire, VoiceDumpWithAnsweredHandshake) {
    useQs300();
    port.OpenMidiIn(0);
    port.setInputHandler([this](midi::Bytes m) { xg.handshake().noteInputStatus(m[0]); });
    xg.handshake().setPump([this] { backend.inject({0xFE}); });
    auto voice = image->partVoices[3];
    voice[7] = 3;
    ASSERT_TRUE(xg.SendQSVoice(voice));
    const auto m = sent();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[1].size(), 392u);
    EXPECT_EQ(Msg(m[1].begin(), m[1].begin() + 9),
              (Msg{0xF0, 0x43, 0x00, 0x4B, 0x02, 0x7D, 0x11, 0x03, 0x00}));
    EXPECT_EQ(std::string(m[1].begin() + 9, m[1].begin() + 19), "Aurora    ");
    EXPECT_TRUE(checksumHolds(m[1]));
    EXPECT_TRUE(alerts.empty());
}

TEST_F(Wire, VoiceDumpWithoutHandshakeOnADb50) {
    auto voice = image->partVoices[0];
    voice[9 + 20] ^= 1; // a change the stale checksum does not cover
    ASSERT_TRUE(xg.SendQSVoice(voice));
    ASSERT_EQ(backend.sentCount(), 1u);
    EXPECT_TRUE(checksumHolds(sent()[0]));
}

TEST_F(Wire, PartTableOfTheResetImageSendsNothing) {
    xg.SendPartTable();
    EXPECT_EQ(backend.sentCount(), 0u);
    useQs300();
    xg.SendPartTable();
    // A QS300 always gets the tenth part as drum part: its group goes out.
    const auto m = sent();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x09, 0x07, 0x02, 0xF7}));
    EXPECT_EQ(m[1], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x09, 0x01, 127, 0xF7}));
    EXPECT_EQ(m[2], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x09, 0x02, 0, 0xF7}));
    EXPECT_EQ(m[3], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x09, 0x03, 0, 0xF7}));
}

TEST_F(Wire, PartTableAfterAProgramChangeSendsTheWholeSelection) {
    image->part(0, off::kProgram) = 24;
    image->part(0, off::kVolume) = 90;
    xg.SendPartTable();
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x01, 0, 0xF7},
                                        {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x02, 0, 0xF7},
                                        {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x03, 24, 0xF7},
                                        {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x0B, 90, 0xF7}}));
    EXPECT_EQ(progress, 4);
}

TEST_F(Wire, PartTableOnAQs300SendsGroupsFirstThenTheRestWithPauses) {
    useQs300();
    image->part(2, off::kProgram) = 5;
    image->part(2, off::kPan) = 10;
    image->part(0, off::kPan) = 20;
    const auto start = clock.now();
    xg.SendPartTable();
    const auto m = sent();
    ASSERT_EQ(m.size(), 4u + 4u + 2u);
    EXPECT_EQ(m[0], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x07, 0, 0xF7}));
    EXPECT_EQ(m[3], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x03, 5, 0xF7}));
    EXPECT_EQ(m[4][5], 0x09); // the tenth part's group
    EXPECT_EQ(m[8], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x0E, 20, 0xF7}));
    EXPECT_EQ(m[9], (Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0E, 10, 0xF7}));
    EXPECT_GE((clock.now() - start).count(), 10 * 3);
}

TEST_F(Wire, PartDefaultsKeepTheVoiceUnlessFull) {
    image->part(3, off::kProgram) = 9;
    image->part(3, off::kVolume) = 1;
    xg.SendPartDefaults(3, false, false);
    EXPECT_EQ(image->part(3, off::kProgram), 9);
    EXPECT_EQ(image->part(3, off::kVolume), 100);
    EXPECT_EQ(backend.sentCount(), 0u);
    xg.SendPartDefaults(3, true, true);
    EXPECT_EQ(image->part(3, off::kProgram), 0);
    EXPECT_EQ(backend.sentCount(), 104u); // the detune filler goes as address 0A
}

TEST_F(Wire, EffectBlocks) {
    xg.SendReverb();
    xg.SendChorus();
    xg.SendVariation();
    const auto m = sent();
    ASSERT_EQ(m.size(), 6u);
    const Msg reverbA{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x0E, 0x02, 0x01, 0x00, 0x01, 0x00, 0x12,
                      0x0A, 0x08, 0x0D, 0x31, 0x00, 0x00, 0x00, 0x00, 0x28, 0x40, 0x40};
    EXPECT_EQ(Msg(m[0].begin(), m[0].end() - 2), reverbA);
    EXPECT_EQ(Msg(m[1].begin(), m[1].end() - 2),
              (Msg{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x06, 0x02, 0x01, 0x10, 0x00, 0x04, 0x32, 0x08,
                   0x40, 0x00}));
    EXPECT_EQ(m[2].size(), 26u);
    EXPECT_EQ(m[4].size(), 44u);
    EXPECT_EQ(Msg(m[4].begin() + 6, m[4].begin() + 11), (Msg{0x02, 0x01, 0x40, 0x05, 0x00}));
    for (const auto& dump : m) EXPECT_TRUE(checksumHolds(dump));

    backend.clearSent();
    image->reverb.typeIndex = 0;
    image->variation.typeIndex = image::kVariationThruIndex;
    xg.SendReverb();
    xg.SendVariation();
    EXPECT_EQ(sent(),
              (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0, 0, 0xF7},
                                {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x40, 0x40, 0, 0xF7}}));
}

TEST_F(Wire, DrumSetupOfAnSfxKitUsesTheNoteMap) {
    // The tenth part plays SFX 2 on drum setup 1.
    image->part(9, off::kBankMsb) = 126;
    image->part(9, off::kProgram) = 1;
    auto& setup = image->drums[0];
    const auto choice = image::FindKit(*image, 0);
    setup.kit = choice.kit;
    setup.slotCount = choice.slotCount;
    image::loadKitReference(setup.module, setup.kit);
    setup.table = setup.module;
    setup.table[3][2] = 0x10;  // level of slot 3: note 39
    setup.table[26][4] = 0x00; // pan of the last slot: note 87
    xg.SendDrumSetup(1);
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x30, 39, 0x02, 0x10, 0xF7},
                                        {0xF0, 0x43, 0x10, 0x4C, 0x30, 87, 0x04, 0x00, 0xF7}}));
    EXPECT_EQ(progress, 2);

    backend.clearSent();
    image->drums[1].kit = 0;
    image->drums[1].slotCount = image::kDrumSlotCount;
    image->drums[1].table[0][0] ^= 1;
    xg.SendDrumSetup(2);
    ASSERT_EQ(backend.sentCount(), 1u);
    EXPECT_EQ(sent()[0][4], 0x31);
    EXPECT_EQ(sent()[0][5], 13);
}

TEST_F(Wire, DrumSetupSendsOnlyKeysTheKitHas) {
    // A slot count that runs past the SFX 1 note map must not put a note byte above 7F
    // into a message.
    auto& setup = image->drums[0];
    setup.kit = image::kSfx1Kit;
    setup.slotCount = image::kDrumSlotCount;
    image::loadKitReference(setup.module, setup.kit);
    setup.table = setup.module;
    setup.table[14][2] = 0x11; // last SFX 1 key: note 91
    setup.table[20][2] = 0x22; // no such key
    xg.SendDrumSetup(1);
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x30, 91, 0x02, 0x11, 0xF7}}));
}

TEST_F(Wire, StartAndCloseMessagesFollowTheOptions) {
    midi::SynthOptions o;
    o.qsLocalOff = true;
    o.xgReset = true;
    o.qsLocalOn = true;
    xg.setOptions(o);
    xg.sendStartMessages();
    xg.sendCloseMessages();
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x00, 0xF7},
                                        {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7},
                                        {0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x01, 0xF7}}));
    backend.clearSent();
    o = {};
    o.qsLocalOff = false;
    o.qsLocalOn = false;
    xg.setOptions(o);
    xg.sendStartMessages();
    xg.sendCloseMessages();
    EXPECT_EQ(backend.sentCount(), 0u);
}

} // namespace
