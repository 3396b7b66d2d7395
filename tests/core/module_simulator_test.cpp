#include "files/set_loader.h"
#include "image/drum_kits.h"
#include "image/effect_types.h"
#include "image/image_init.h"
#include "image/voice_dump.h"
#include "message_rig.h"
#include "midi/image_difference.h"
#include "midi/module_simulator.h"
#include "part_param_message.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using Msg = std::vector<std::uint8_t>;
using Msgs = std::vector<Msg>;
using midi::AnswerKind;
using midi::ModuleSimulator;
namespace off = image::offset;

Msgs take(ModuleSimulator& module, const Msg& m) {
    return module.receive(m);
}

Msgs takeAll(ModuleSimulator& module, const Msgs& messages) {
    Msgs answers;
    for (const Msg& m : messages) {
        auto more = module.receive(m);
        answers.insert(answers.end(), more.begin(), more.end());
    }
    return answers;
}

Msg dumpRequest(int high, int mid, int low, int device = 0) {
    return {0xF0,
            0x43,
            static_cast<std::uint8_t>(0x20 | device),
            0x4C,
            static_cast<std::uint8_t>(high),
            static_cast<std::uint8_t>(mid),
            static_cast<std::uint8_t>(low),
            0xF7};
}

Msg parameterRequest(int high, int mid, int low, int device = 0) {
    Msg m = dumpRequest(high, mid, low, device);
    m[2] = static_cast<std::uint8_t>(0x30 | device);
    return m;
}

Msg voiceRequest(int number) {
    return {0xF0, 0x43, 0x20, 0x4B, 0x11, static_cast<std::uint8_t>(number), 0x00, 0xF7};
}

// ---- what the module answers ---------------------------------------------------------------

TEST(ModuleSimulator, SystemBlockAnswersAsDumpAndAsParameters) {
    ModuleSimulator module;
    EXPECT_EQ(take(module, dumpRequest(0, 0, 0)),
              (Msgs{{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00,
                     0x7F, 0x00, 0x40, 0x36, 0xF7}}));

    takeAll(module, {{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x64, 0xF7},
                     {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x06, 0x42, 0xF7},
                     {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x01, 0x02, 0xF7}});
    EXPECT_EQ(take(module, dumpRequest(0, 0, 0)),
              (Msgs{{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x04, 0x01, 0x02,
                     0x64, 0x00, 0x42, 0x4C, 0xF7}}));
    EXPECT_EQ(take(module, parameterRequest(0, 0, 0)),
              (Msgs{{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x01, 0x02, 0xF7}}));
    EXPECT_EQ(take(module, parameterRequest(0, 0, 6)),
              (Msgs{{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x06, 0x42, 0xF7}}));
    EXPECT_EQ(module.image().system.masterTune(), 0x0412);
    EXPECT_EQ(module.image().system.masterVolume, 100);
}

TEST(ModuleSimulator, ParameterRequestsAnswerTheParameterWithAllItsBytes) {
    ModuleSimulator module;
    // The handshake's probe: the first part's element reserve.
    EXPECT_EQ(take(module, {0xF0, 0x43, 0x30, 0x4C, 0x08, 0x00, 0x00, 0xF7}),
              (Msgs{{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x00, 0x00, 0x02, 0xF7}}));

    take(module, {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x09, 0x05, 0x0B, 0xF7});
    EXPECT_EQ(module.image().part(2, off::kDetune), 0x5B);
    EXPECT_EQ(take(module, parameterRequest(0x08, 2, 0x09)),
              (Msgs{{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x09, 0x05, 0x0B, 0xF7}}));
    // Above the hole in the part addresses.
    take(module, testmsg::partParam(15, 0x6E, 0x50));
    EXPECT_EQ(take(module, parameterRequest(0x08, 15, 0x6E)),
              (Msgs{testmsg::partParam(15, 0x6E, 0x50)}));
    EXPECT_EQ(module.image().part(15, off::kVelocityLimitHigh), 0x50);

    EXPECT_EQ(take(module, parameterRequest(0x02, 0x01, 0x20)),
              (Msgs{{0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x20, 0x41, 0x00, 0xF7}}));
    take(module, {0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x03, 0x55, 0xF7});
    EXPECT_EQ(take(module, parameterRequest(0x30, 0x24, 0x03)),
              (Msgs{{0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x03, 0x55, 0xF7}}));

    // Addresses no parameter has get no answer.
    EXPECT_TRUE(take(module, parameterRequest(0x08, 0, 0x2B)).empty());
    EXPECT_TRUE(take(module, parameterRequest(0x02, 0x01, 0x0F)).empty());
    EXPECT_TRUE(take(module, parameterRequest(0x08, 16, 0x00)).empty());
    EXPECT_TRUE(take(module, parameterRequest(0x30, 0x05, 0x00)).empty());
}

TEST(ModuleSimulator, DrumNoteDumpComesBackAsSent) {
    ModuleSimulator module;
    Msg dump{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x10, 0x31, 0x26, 0x00};
    for (std::uint8_t v = 0; v < 16; ++v) dump.push_back(v);
    dump.push_back(0x21);
    dump.push_back(0xF7);
    EXPECT_TRUE(take(module, dump).empty());
    EXPECT_EQ(take(module, dumpRequest(0x31, 0x26, 0x00)), Msgs{dump});
    // Setup 2 has no part, so the module's table still reads by the Standard Kit's keys.
    EXPECT_EQ(module.image().drums[1].table[38 - image::kFirstDrumNote][5], 5);
    EXPECT_TRUE(take(module, dumpRequest(0x31, 92, 0x00)).empty());
}

// ---- the program's own dumps read back unchanged ---------------------------------------------

struct ModuleAndProgram : ::testing::Test {
    testrig::MessageRig rig;
    ModuleSimulator module;

    void SetUp() override {
        midi::SynthOptions options;
        options.type = midi::SynthType::OtherXg;
        rig.xg.setOptions(options);
    }
    Msgs sendAndClear() {
        Msgs sent = rig.backend.sent();
        rig.backend.clearSent();
        takeAll(module, sent);
        return sent;
    }
};

TEST_F(ModuleAndProgram, PartDumpsReadBackUnchanged) {
    auto& img = *rig.image;
    for (int o = 0; o < image::kPartRecordSize; ++o)
        if (o != off::kDetuneFiller) img.part(6, o) = static_cast<std::uint8_t>((o * 7 + 3) & 0x7F);
    img.part(6, off::kDetune) = 0x9C;
    rig.xg.SendPart(6);
    const Msgs sent = sendAndClear();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(take(module, dumpRequest(0x08, 6, 0x00)), Msgs{sent[0]});
    EXPECT_EQ(take(module, dumpRequest(0x08, 6, 0x30)), Msgs{sent[1]});
    for (int o = 0; o < image::kPartRecordSize; ++o) {
        if (o != off::kDetuneFiller) {
            EXPECT_EQ(module.image().part(6, o), img.part(6, o)) << o;
        }
    }
}

TEST_F(ModuleAndProgram, EffectBlocksReadBackAsTheTwoDumpsTheProgramSends) {
    auto& img = *rig.image;
    for (std::size_t i = 2; i < img.variation.current.size(); ++i)
        img.variation.current[i] = static_cast<std::uint8_t>(i + 1);
    img.reverb.current[5] = 99;
    img.reverb.current[19] = 11;
    rig.xg.SendVariation();
    rig.xg.SendReverb();
    rig.xg.SendChorus();
    const Msgs sent = sendAndClear();
    ASSERT_EQ(sent.size(), 6u);
    EXPECT_EQ(take(module, dumpRequest(0x02, 0x01, 0x40)), (Msgs{sent[0], sent[1]}));
    EXPECT_EQ(take(module, dumpRequest(0x02, 0x01, 0x00)), (Msgs{sent[2], sent[3]}));
    EXPECT_EQ(take(module, dumpRequest(0x02, 0x01, 0x20)), (Msgs{sent[4], sent[5]}));
    EXPECT_EQ(take(module, dumpRequest(0x02, 0x01, 0x70)), (Msgs{sent[1]}));
    EXPECT_EQ(module.image().variation.current, img.variation.current);
    EXPECT_EQ(module.image().reverb.current, img.reverb.current);
}

TEST_F(ModuleAndProgram, EditsThroughTheMessageLayerLeaveTheModuleHoldingTheImage) {
    auto& img = *rig.image;
    const int base = 3 * image::kPartRecordSize;
    img.parts[base + off::kVolume] = 77;
    rig.xg.SendPartParam(3, base + off::kVolume, 77);
    img.parts[base + off::kDetune] = 0x71;
    rig.xg.SendPartDetune(3, base + off::kDetune);
    rig.xg.SendDrumParam(1, 40, 2, 90);
    img.system.masterVolume = 90;
    img.system.setMasterTune(0x03F0);
    rig.xg.SendSystem();
    sendAndClear();
    EXPECT_EQ(module.image().parts, img.parts);
    EXPECT_EQ(module.image().system.masterTune(), 0x03F0);
    EXPECT_EQ(module.image().system.masterVolume, 90);
    EXPECT_EQ(module.memory().drumNote(0, 40)[2], 90);
    EXPECT_EQ(module.receivedMessages(), 6u);
    EXPECT_EQ(module.takenMessages(), 6u);
}

TEST_F(ModuleAndProgram, EveryAnswerOfAWholeReadBackIsAcceptedAsASet) {
    takeAll(module, {testmsg::partParam(0, 0x0B, 0x2A),
                     testmsg::partParam(12, 0x55, 0x11),
                     {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x40, 0x05, 0x00, 0xF7},
                     {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x72, 0x09, 0xF7},
                     {0xF0, 0x43, 0x10, 0x4C, 0x30, 0x2A, 0x04, 0x12, 0xF7}});
    Msgs requests{dumpRequest(0x02, 0x01, 0x00), dumpRequest(0x02, 0x01, 0x20),
                  dumpRequest(0x02, 0x01, 0x40)};
    for (int p = 0; p < image::kPartCount; ++p) {
        requests.push_back(dumpRequest(0x08, p, 0x00));
        requests.push_back(dumpRequest(0x08, p, 0x30));
    }
    for (int note = image::kFirstDrumNote; note <= midi::kLastDrumNote; ++note)
        requests.push_back(dumpRequest(0x30, note, 0x00));
    const Msgs answers = takeAll(module, requests);
    ASSERT_EQ(answers.size(), 6u + 32u + 79u);

    std::vector<std::span<const std::uint8_t>> messages(answers.begin(), answers.end());
    const auto loaded = files::readSysExMessages(messages, files::SetKind::Set, *rig.image,
                                                 midi::SynthType::OtherXg);
    EXPECT_EQ(loaded.counters.total(),
              image::kEffectSnapshotSize + image::kPartTableSize + 79 * 16);
    EXPECT_EQ(loaded.image->parts, module.image().parts);
    EXPECT_EQ(loaded.image->reverb.current, module.image().reverb.current);
    EXPECT_EQ(loaded.image->chorus.current, module.image().chorus.current);
    EXPECT_EQ(loaded.image->variation.current, module.image().variation.current);
    EXPECT_EQ(loaded.image->drums[0].table, module.image().drums[0].table);
}

// ---- what a module does by itself -------------------------------------------------------------

TEST(ModuleSimulator, EffectTypeBringsItsDefaultsAndADumpOverwritesThem) {
    ModuleSimulator module;
    take(module, {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x24, 0x33, 0xF7});
    take(module, {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x20, 0x42, 0x01, 0xF7}); // Celeste 2
    const int celeste2 = image::FindEffectType(image::EffectKind::Chorus, 0x42, 0x01);
    ASSERT_GT(celeste2, 0);
    EXPECT_EQ(module.image().chorus.typeIndex, celeste2);
    EXPECT_EQ(module.image().chorus.current,
              image::kChorusPresetRows[static_cast<std::size_t>(celeste2 - 1)]);
}

TEST(ModuleSimulator, KitChangeResetsItsDrumSetupAndSystemOnResetsEverything) {
    ModuleSimulator module;
    take(module, {0xF0, 0x43, 0x10, 0x4C, 0x30, 0x24, 0x00, 0x11, 0xF7});
    take(module, testmsg::partParam(3, 0x07, 0x7F)); // nothing to do with drums
    EXPECT_EQ(module.memory().drumNote(0, 0x24)[0], 0x11);

    take(module, testmsg::partParam(image::kDrumPartIndex, 0x03, 8)); // Room Kit
    EXPECT_EQ(module.image().drums[0].kit, 8);
    image::DrumTable room{};
    image::loadKitReference(room, 8);
    EXPECT_EQ(module.image().drums[0].table, room);
    EXPECT_EQ(module.memory().drumNote(0, 0x24), room[0x24 - image::kFirstDrumNote]);

    take(module, {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x04, 0x10, 0xF7});
    take(module, {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
    const ModuleSimulator fresh;
    EXPECT_EQ(module.image().parts, fresh.image().parts);
    EXPECT_EQ(module.image().system.masterVolume, 127);
    EXPECT_EQ(module.image().drums[0].table, fresh.image().drums[0].table);
}

// ---- what a module ignores --------------------------------------------------------------------

TEST(ModuleSimulator, BrokenDumpsAndOtherDevicesAreIgnored) {
    ModuleSimulator module(3);
    Msg dump{0xF0, 0x43, 0x03, 0x4C, 0x00, 0x10, 0x30, 0x24, 0x00};
    dump.insert(dump.end(), 16, 0x01);
    dump.push_back(0x0C);
    dump.push_back(0xF7);

    Msg badChecksum = dump;
    badChecksum[25] = 0x0D;
    Msg badCount = dump;
    badCount[5] = 0x0F;
    badCount[25] = 0x0D; // the checksum fits the wrong count
    Msg highBit = dump;
    highBit[12] = 0x81;
    Msg otherDevice = dump;
    otherDevice[2] = 0x00;
    const auto before = module.memory().drumNote(0, 0x24);
    for (const Msg& m : {badChecksum, badCount, highBit, otherDevice}) {
        EXPECT_TRUE(take(module, m).empty());
        EXPECT_EQ(module.memory().drumNote(0, 0x24), before);
    }
    EXPECT_TRUE(take(module, dumpRequest(0x30, 0x24, 0x00, 0)).empty());
    EXPECT_EQ(module.takenMessages(), 0u);

    take(module, dump);
    EXPECT_EQ(module.takenMessages(), 1u);
    Msg answer = dump;
    EXPECT_EQ(take(module, dumpRequest(0x30, 0x24, 0x00, 3)), Msgs{answer});
    EXPECT_EQ(take(module, parameterRequest(0x30, 0x24, 0x02, 3)),
              (Msgs{{0xF0, 0x43, 0x13, 0x4C, 0x30, 0x24, 0x02, 0x01, 0xF7}}));

    // Truncated and unterminated messages do no harm.
    for (const Msg& m : Msgs{{},
                             {0xF0},
                             {0xF0, 0xF7},
                             {0xF0, 0x43, 0x13, 0x4C, 0xF7},
                             {0xF0, 0x43, 0x03, 0x4C, 0x00, 0x01, 0xF7},
                             {0xF0, 0x43, 0x23, 0x4C, 0x30, 0x24, 0x00},
                             {0x90, 0x40, 0x7F}})
        EXPECT_TRUE(take(module, m).empty());
}

TEST(ModuleSimulator, AnswerPolicyChoosesWhichRequestsGetAnswers) {
    ModuleSimulator module;
    module.setAnswering(AnswerKind::Parts, false);
    module.setAnswering(AnswerKind::Voices, false);
    EXPECT_TRUE(take(module, dumpRequest(0x08, 0, 0x00)).empty());
    EXPECT_TRUE(take(module, parameterRequest(0x08, 0, 0x00)).empty());
    EXPECT_TRUE(take(module, voiceRequest(0)).empty());
    EXPECT_EQ(take(module, dumpRequest(0x02, 0x01, 0x00)).size(), 2u);
    EXPECT_EQ(take(module, dumpRequest(0x30, 0x24, 0x00)).size(), 1u);
    EXPECT_EQ(take(module, dumpRequest(0x00, 0x00, 0x00)).size(), 1u);

    module.setSilent(true);
    EXPECT_TRUE(take(module, dumpRequest(0x00, 0x00, 0x00)).empty());
    // A silent module still takes what it is sent.
    take(module, testmsg::partParam(1, 0x0B, 0x21));
    EXPECT_EQ(module.image().part(1, off::kVolume), 0x21);
    module.setSilent(false);
    module.setAnswering(AnswerKind::Parts, true);
    EXPECT_EQ(take(module, parameterRequest(0x08, 1, 0x0B)),
              Msgs{testmsg::partParam(1, 0x0B, 0x21)});
}

// ---- QS300 user voices -----------------------------------------------------------------------

TEST(ModuleSimulator, UserVoiceDumpIsKeptAndAnsweredWithAFreshChecksum) {
    ModuleSimulator module;
    image::VoiceRecord record = image::voiceRecordFromDump(image::editVoiceTemplate());
    record[0] = 'Q';
    const image::VoiceDump sent = image::makeVoiceDump(record, 5, 0);
    take(module, Msg(sent.begin(), sent.end()));
    EXPECT_EQ(take(module, voiceRequest(5)), (Msgs{Msg(sent.begin(), sent.end())}));

    image::VoiceDump broken = image::makeVoiceDump(record, 6, 0);
    broken[image::kVoiceDumpDataStart + 1] ^= 0x01;
    take(module, Msg(broken.begin(), broken.end()));
    const image::VoiceDump untouched =
        image::makeVoiceDump(image::voiceRecordFromDump(image::editVoiceTemplate()), 6, 0);
    EXPECT_EQ(take(module, voiceRequest(6)), (Msgs{Msg(untouched.begin(), untouched.end())}));
    EXPECT_TRUE(take(module, voiceRequest(16)).empty());

    take(module, {0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x00, 0xF7});
    EXPECT_FALSE(module.localOn());
    // XG System On keeps the user voices.
    take(module, {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
    EXPECT_EQ(module.memory().voice(5), sent);
}

// Many edits of every kind the editor makes, brought over by the program's own difference
// sender: the module must end up holding the editor's image.
TEST_F(ModuleAndProgram, RandomEditsSentAsDifferencesLeaveTheModuleHoldingTheImage) {
    std::mt19937 random(18);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 40; ++round) {
        const auto held = std::make_unique<image::SynthImage>(*rig.image);
        auto& img = *rig.image;
        for (int edit = 0; edit < 15; ++edit) {
            switch (below(5)) {
            case 0: {
                const int offset = below(image::kPartRecordSize);
                if (offset == off::kDetune || offset == off::kDetuneFiller ||
                    offset == off::kBankMsb || offset == off::kBankLsb || offset == off::kProgram ||
                    offset == off::kPartMode)
                    break;
                img.part(below(image::kPartCount), offset) = static_cast<std::uint8_t>(below(128));
                break;
            }
            case 4:
                img.part(below(image::kPartCount), off::kDetune) =
                    static_cast<std::uint8_t>(below(256));
                break;
            case 1: {
                const int type = 1 + below(image::kChorusTypeCount - 1);
                img.chorus.typeIndex = type;
                img.chorus.current = image::kChorusPresetRows[static_cast<std::size_t>(type - 1)];
                img.chorus.current[2 + static_cast<std::size_t>(below(19))] =
                    static_cast<std::uint8_t>(below(128));
                break;
            }
            case 2:
                img.reverb.current[2 + static_cast<std::size_t>(below(18))] =
                    static_cast<std::uint8_t>(below(128));
                break;
            default:
                img.drums[0].table[static_cast<std::size_t>(below(image::kDrumSlotCount))]
                                  [static_cast<std::size_t>(below(image::kDrumParamCount))] =
                    static_cast<std::uint8_t>(below(128));
                img.system.masterVolume = static_cast<std::uint8_t>(below(128));
                break;
            }
        }
        midi::sendImageDifference(*held, img, rig.xg);
        sendAndClear();
        ASSERT_EQ(module.image().parts, img.parts) << "round " << round;
        ASSERT_EQ(module.image().chorus.current, img.chorus.current) << "round " << round;
        ASSERT_EQ(module.image().reverb.current, img.reverb.current) << "round " << round;
        ASSERT_EQ(module.image().drums[0].table, img.drums[0].table) << "round " << round;
        ASSERT_EQ(module.image().system.masterVolume, img.system.masterVolume);
    }
}

} // namespace
