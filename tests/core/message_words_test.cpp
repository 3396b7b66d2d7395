#include "core/message_rig.h"
#include "image/image_init.h"
#include "image/voice_dump.h"
#include "midi/clock.h"
#include "midi/effect_parameter_names.h"
#include "midi/memory_backend.h"
#include "midi/message_words.h"
#include "midi/midi_port.h"
#include "midi/monitor_log.h"
#include "midi/monitor_tap.h"
#include "midi/xg_messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Msg = std::vector<std::uint8_t>;

std::string words(const Msg& m) {
    return midi::describeMessage(m);
}

// "Part", the number counted from one, and the rest of the line.
std::string partLine(int number, const std::string& rest) {
    return "Part " + std::to_string(number) + " " + rest;
}

struct EveryMessage : ::testing::Test, testrig::MessageRig {
    void SetUp() override {
        midi::SynthOptions o;
        o.type = midi::SynthType::Qs300;
        o.timeoutCheck = false;
        o.qsLocalOff = o.qsLocalOn = o.xgReset = true;
        xg.setOptions(o);
        xg.setDeviceNumber(3);
    }
};

// Everything the message layer can send is put into words the program knows.
TEST_F(EveryMessage, NothingTheProgramSendsIsUnknown) {
    for (int p = 0; p < image::kPartCount; ++p)
        for (int o = 0; o < image::kPartRecordSize; ++o)
            xg.SendPartParam(p, p * image::kPartRecordSize + o, 1);
    xg.SendPartDetune(4, 4 * image::kPartRecordSize + image::offset::kDetune);
    for (int a = 0; a < 0x80; ++a)
        if (midi::effectAddressOf(a).index >= 0) xg.SendEffectParam(static_cast<midi::Byte>(a), 5);
    for (const auto block :
         {midi::kReverbBlockAddress, midi::kChorusBlockAddress, midi::kVariationBlockAddress})
        xg.SendEffectType(block, 1, 0);
    for (int param = 0; param < image::kDrumParamCount; ++param) xg.SendDrumParam(1, 38, param, 9);
    xg.SendMasterTune(0x0400);
    xg.SendSystem();
    xg.SendXGSystemOn();
    xg.SendQSLocal(true);
    xg.SendProbe();
    for (int p = 0; p < image::kPartCount; ++p) xg.SendPart(p);
    xg.SendPartTable();
    xg.SendReverb();
    xg.SendChorus();
    xg.SendVariation();
    xg.SendDrumSetup(0);
    xg.SendDrumSetup(1);
    xg.SendQSVoice(image->partVoices[0]);
    xg.sendStartMessages();
    xg.sendCloseMessages();

    const auto sent = backend.sent();
    ASSERT_GT(sent.size(), 1800u);
    for (const auto& m : sent) {
        const auto text = words(m);
        EXPECT_EQ(text.find("unknown"), std::string::npos) << midi::hexBytes(m) << " -> " << text;
        EXPECT_EQ(text.find("wrong"), std::string::npos) << midi::hexBytes(m) << " -> " << text;
    }
}

TEST(MessageWords, ParameterChangesNameTheirTarget) {
    EXPECT_EQ(words({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x13, 0x64, 0xF7}),
              partLine(3, "Reverb send = 100"));
    // Above the hole in the addresses the record offset is 7 lower.
    EXPECT_EQ(words({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x6E, 0x7F, 0xF7}),
              partLine(1, "Velocity limit high = 127"));
    EXPECT_EQ(words({0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x09, 0x04, 0x02, 0xF7}),
              partLine(1, "Detune = 66"));
    EXPECT_EQ(words({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x40, 0x05, 0x00, 0xF7}),
              "Variation Type = Delay L-C-R");
    EXPECT_EQ(words({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x56, 0x40, 0xF7}),
              "Variation Return = 64");
    EXPECT_EQ(words({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x43, 0x10, 0xF7}),
              "Variation Parameter 1 LSB = 16");
    EXPECT_EQ(words({0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x31, 0x10, 0xF7}),
              "Chorus Parameter 12 = 16");
    EXPECT_EQ(words({0xF0, 0x43, 0x10, 0x4C, 0x31, 0x26, 0x02, 0x5A, 0xF7}),
              "Drum setup 2 note 38 Level = 90");
    EXPECT_EQ(words({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0xF7}),
              "Master Tune = 1024");
    EXPECT_EQ(words({0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}), "XG System On");
}

TEST(MessageWords, DumpsTellTheirBlockAndWhetherTheyAreWhole) {
    midi::XgTemplates t;
    t.partDumpA[7] = 2;
    midi::renewChecksum(t.partDumpA);
    EXPECT_EQ(words(Msg(t.partDumpA.begin(), t.partDumpA.end())),
              "XG dump, " + partLine(3, "from 08 02 00, 41 bytes, checksum ok"));
    t.partDumpA[12] ^= 1;
    EXPECT_NE(words(Msg(t.partDumpA.begin(), t.partDumpA.end())).find("checksum wrong"),
              std::string::npos);
    // A dump that announces more than it carries.
    EXPECT_NE(words({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x05, 0x02, 0x01, 0x00, 0x01, 0x7C, 0xF7})
                  .find("length wrong"),
              std::string::npos);
    auto voice = image::editVoiceTemplate();
    voice[image::kVoiceDumpNumberByte] = 4;
    image::renewVoiceDumpChecksum(voice);
    const auto text = words(Msg(voice.begin(), voice.end()));
    EXPECT_EQ(text.rfind("QS300 voice dump, part " + std::to_string(5) + ", \"", 0), 0u) << text;
    EXPECT_NE(text.find("checksum ok"), std::string::npos) << text;
    EXPECT_EQ(words({0xF0, 0x43, 0x23, 0x4C, 0x08, 0x05, 0x30, 0xF7}),
              "XG dump request, " + partLine(6, "at 08 05 30"));
    EXPECT_EQ(words({0xF0, 0x43, 0x20, 0x4B, 0x11, 0x02, 0x00, 0xF7}),
              "QS300 voice request, part " + std::to_string(3));
    EXPECT_EQ(words({0xF0, 0x43, 0x20, 0x4C, 0x00, 0x00, 0x00, 0xF7}),
              "XG dump request, System at 00 00 00");
}

TEST(MessageWords, ChannelMessagesAndBrokenInput) {
    EXPECT_EQ(words({0x90, 60, 63}), "Note On ch 1 60 v 63");
    EXPECT_EQ(words({0x8F, 60, 0}), "Note Off ch 16 60 v 0");
    EXPECT_EQ(words({0xB2, 7, 100}), "Control ch 3 7 = 100");
    EXPECT_EQ(words({0xE0, 0x00, 0x40}), "Pitch Bend ch 1 = 0");
    EXPECT_EQ(words({0xC0}), "Program ch 1 0"); // cut short: no read past the end
    EXPECT_EQ(midi::messageKindOf(Msg{0x90, 1, 2}), midi::MessageKind::Channel);
    for (const Msg& broken :
         {Msg{}, Msg{0x40}, Msg{0xF0}, Msg{0xF0, 0x43, 0x10}, Msg{0xF0, 0xF7},
          Msg{0xF0, 0x43, 0x10, 0x4C, 0xF7}, Msg{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x00, 0xF7}}) {
        EXPECT_NO_THROW(words(broken));
        EXPECT_NO_THROW(midi::messageKindOf(broken));
    }
    EXPECT_EQ(midi::hexBytes(Msg{0xF0, 0x0A, 0xF7}), "F0 0A F7");
}

TEST(MonitorLog, KeepsTheNewestLinesAndStopsWhilePaused) {
    midi::ManualClock clock;
    midi::MonitorLog log(clock, 3);
    for (std::uint8_t i = 0; i < 5; ++i) {
        clock.advance(midi::Millis(10));
        log.record(midi::Direction::In, Msg{0x90, i, 1});
    }
    auto lines = log.linesSince(0);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines.front().sequence, 2u);
    EXPECT_EQ(lines.front().bytes, (Msg{0x90, 2, 1}));
    EXPECT_EQ(lines.back().time, midi::Millis(50));
    EXPECT_EQ(log.linesSince(4).size(), 1u);
    log.setPaused(true);
    log.record(midi::Direction::Out, Msg{0xF8});
    EXPECT_EQ(log.nextSequence(), 5u);
    log.setPaused(false);
    log.clear();
    EXPECT_TRUE(log.linesSince(0).empty());
    log.record(midi::Direction::Out, Msg{0xF8});
    EXPECT_EQ(log.linesSince(0).size(), 1u);
}

TEST(MonitorLog, TheTapRecordsBothDirectionsAndPassesEverythingOn) {
    midi::MemoryBackend backend{{"In"}, {"Out"}};
    midi::ManualClock clock;
    midi::MonitorLog log(clock);
    midi::MonitorTap tap(backend, log);
    std::vector<Msg> received;
    tap.openInput(0, [&](midi::Bytes m) { received.emplace_back(m.begin(), m.end()); });
    tap.openOutput(0);
    tap.send(Msg{0xC0, 5});
    backend.inject({0x90, 60, 63});
    EXPECT_EQ(backend.sent(), (std::vector<Msg>{{0xC0, 5}}));
    EXPECT_EQ(received, (std::vector<Msg>{{0x90, 60, 63}}));
    const auto lines = log.linesSince(0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].direction, midi::Direction::Out);
    EXPECT_EQ(lines[1].direction, midi::Direction::In);
    EXPECT_EQ(lines[1].bytes, (Msg{0x90, 60, 63}));
}

} // namespace
