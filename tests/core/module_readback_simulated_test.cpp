// Reading back a simulated module: the module is given a set first, then a fresh editor
// asks for everything. Every request is checked on the wire, and what comes back must be
// what the module was given, whole or in the parts the module answers.

#include "files/module_readback.h"
#include "files/module_readback_texts.h"
#include "files/syx_file.h"
#include "image/drum_kits.h"
#include "midi/module_simulator.h"

#include "module_held.h"
#include "readback_rig.h"
#include "set_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using files::ReadbackOutcome;
using midi::AnswerKind;
using testrig::Msg;
namespace off = image::offset;

Msg request(int device, int model, int high, int mid, int low) {
    return {0xF0,
            0x43,
            static_cast<std::uint8_t>(0x20 | device),
            static_cast<std::uint8_t>(model),
            static_cast<std::uint8_t>(high),
            static_cast<std::uint8_t>(mid),
            static_cast<std::uint8_t>(low),
            0xF7};
}

std::string partText(int number) {
    return "Part " + std::to_string(number);
}

// A set that touches every block: parts, system, the three effects, both drum setups (the
// second on an SFX kit) and a QS300 user voice on the third part.
std::unique_ptr<image::SynthImage> moduleSet() {
    auto set = settest::freshImage();
    for (int p = 0; p < image::kPartCount; ++p) {
        set->part(p, off::kVolume) = static_cast<image::Byte>(20 + p);
        set->part(p, off::kPan) = static_cast<image::Byte>(100 - p);
        set->part(p, 90) = static_cast<image::Byte>(p * 3);
    }
    set->part(2, off::kBankMsb) = image::kBankQsUserVoice;
    set->part(2, off::kBankLsb) = 1;
    set->part(2, off::kProgram) = 2;
    set->userVoiceKind[2] = image::kSinglePartVoice;
    set->partVoices[2][image::kVoiceDumpNumberByte] = 2;
    set->partVoices[2][image::kVoiceDumpDataStart + 40] = 0x33;
    set->part(11, off::kPartMode) = 3;
    set->part(11, off::kBankMsb) = image::kBankSfxKit;
    set->part(11, off::kProgram) = 0;
    image::resetDrumSetups(*set);
    set->drums[0].table[20][3] = 99;
    set->drums[1].table[4][6] = 12;
    set->system.masterVolume = 101;
    set->system.transpose = 60;
    set->system.setMasterTune(0x0432);
    set->reverb.typeIndex = 3;
    set->reverb.current = set->reverb.rows[2];
    set->reverb.current[5] = 77;
    set->variation.typeIndex = 5;
    set->variation.current = set->variation.rows[4];
    set->variation.current[30] = 21;
    return set;
}

struct SimulatedReadback : ::testing::Test {
    testrig::ReadbackRig rig;
    midi::ModuleSimulator module{0};
    std::unique_ptr<image::SynthImage> given = moduleSet();

    void SetUp() override { giveModule(module, *given); }
    static void giveModule(midi::ModuleSimulator& m, const image::SynthImage& set, int device = 0) {
        files::SetWriteOptions options;
        options.type = midi::SynthType::Qs300;
        options.device = device;
        const auto stream =
            files::buildSysExStream(set, files::sectionsOf(files::SetKind::Set), options);
        for (const auto message : files::splitSysEx(stream)) m.receive(message);
    }
    void listen(midi::ModuleSimulator& m) {
        rig.backend.answerWith([&m](midi::Bytes message) { return m.receive(message); });
    }
};

TEST_F(SimulatedReadback, EveryRequestGoesInOrderAndTheWholeSetComesBack) {
    listen(module);
    auto& reader = rig.begin();
    rig.runToEnd();
    ASSERT_EQ(reader.outcome(), ReadbackOutcome::Complete);
    std::vector<Msg> expected{request(0, 0x4C, 0, 0, 0)};
    for (const int low : {0x00, 0x10, 0x20, 0x30, 0x40, 0x70})
        expected.push_back(request(0, 0x4C, 2, 1, low));
    for (int p = 0; p < image::kPartCount; ++p) {
        expected.push_back(request(0, 0x4C, 8, p, 0x00));
        expected.push_back(request(0, 0x4C, 8, p, 0x30));
    }
    for (int note = 13; note <= 91; ++note) expected.push_back(request(0, 0x4C, 0x30, note, 0));
    for (const int note : image::kSfx1NoteMap)
        if (note != image::kNoteMapEnd) expected.push_back(request(0, 0x4C, 0x31, note, 0));
    expected.push_back(request(0, 0x4B, 0x11, 2, 0x00));
    EXPECT_EQ(rig.backend.sent(), expected);
    EXPECT_EQ(reader.requestsDone(), static_cast<int>(expected.size()));

    auto result = reader.takeResult();
    ASSERT_NE(result.image, nullptr);
    testing_support::expectModuleHeldEqual(*result.image, *given);
    files::takeOverReadback(result, *rig.image, nullptr);
    testing_support::expectModuleHeldEqual(*rig.image, *given);
    EXPECT_EQ(files::readbackMessage(reader.outcome(), reader.plan(), reader.missed()), "");
}

TEST_F(SimulatedReadback, TheDeviceNumberGoesIntoEveryRequestAndOthersAreNotHeard) {
    midi::ModuleSimulator other{3};
    giveModule(other, *given, 3);
    listen(other);
    auto& reader = rig.begin(midi::SynthType::Qs300, 3);
    rig.runToEnd();
    EXPECT_EQ(reader.outcome(), ReadbackOutcome::Complete);
    for (const auto& m : rig.backend.sent()) EXPECT_EQ(m[2], 0x23);
    testing_support::expectModuleHeldEqual(*reader.takeResult().image, *given);

    // Asked as device 0, the module keeps quiet.
    testrig::ReadbackRig wrongDevice;
    wrongDevice.backend.answerWith([&](midi::Bytes message) { return other.receive(message); });
    wrongDevice.begin();
    wrongDevice.runToEnd();
    EXPECT_EQ(wrongDevice.reader->outcome(), ReadbackOutcome::NothingRead);
}

TEST_F(SimulatedReadback, ASilentModuleChangesNothing) {
    module.setSilent(true);
    listen(module);
    const auto before = std::make_unique<image::SynthImage>(*rig.image);
    auto& reader = rig.begin();
    rig.runToEnd();
    EXPECT_EQ(reader.outcome(), ReadbackOutcome::NothingRead);
    EXPECT_EQ(rig.backend.sentCount(), 7u);
    auto result = reader.takeResult();
    files::takeOverReadback(result, *rig.image, nullptr);
    EXPECT_EQ(std::memcmp(rig.image.get(), before.get(), sizeof(image::SynthImage)), 0);
}

TEST_F(SimulatedReadback, AModuleAnsweringOnlySomeGroupsGivesThoseAndNamesTheRest) {
    module.setAnswering(AnswerKind::Drums, false);
    module.setAnswering(AnswerKind::Voices, false);
    module.setAnswering(AnswerKind::Effects, false);
    listen(module);
    rig.image->drums[0].table[5][5] = 7; // an edit of the editor's own, not read over
    auto& reader = rig.begin();
    rig.runToEnd();
    ASSERT_EQ(reader.outcome(), ReadbackOutcome::Partial);
    // Each group that stays silent is asked twice, then given up.
    const auto sent = rig.backend.sent();
    EXPECT_EQ(sent[1], request(0, 0x4C, 2, 1, 0x00));
    EXPECT_EQ(sent[2], request(0, 0x4C, 2, 1, 0x10));
    EXPECT_EQ(sent[3], request(0, 0x4C, 8, 0, 0x00));
    EXPECT_EQ(sent.size(), 1u + 2u + 32u + 2u + 1u);
    EXPECT_EQ(files::readbackMessage(reader.outcome(), reader.plan(), reader.missed()),
              "Not Everything Could Be Read From The Module.\nNot Read: Reverb, Chorus, "
              "Variation, Drum Setup 1, Drum Setup 2, QS300 Voice Of " +
                  partText(3) + "\nEverything Else Was Taken Over.");

    auto result = reader.takeResult();
    const auto& read = *result.image;
    EXPECT_EQ(read.parts, given->parts);
    EXPECT_EQ(read.system.masterVolume, 101);
    EXPECT_EQ(read.reverb.current, rig.image->reverb.current);
    // The second setup's kit changed with the parts read: it shows the new kit's values.
    EXPECT_EQ(read.drums[0].table, rig.image->drums[0].table);
    EXPECT_EQ(read.drums[1].kit, image::kSfx1Kit);
    EXPECT_EQ(read.drums[1].table[4][6], image::kitReference(image::kSfx1Kit)[4][6]);
}

TEST_F(SimulatedReadback, ADamagedAnswerIsNamedAndTheRestStillComes) {
    rig.backend.answerWith([this](midi::Bytes message) {
        auto answers = module.receive(message);
        const Msg partFour = request(0, 0x4C, 8, 3, 0x30);
        if (Msg(message.begin(), message.end()) == partFour)
            for (auto& a : answers) a[20] ^= 0x01;
        return answers;
    });
    auto& reader = rig.begin();
    rig.runToEnd();
    ASSERT_EQ(reader.outcome(), ReadbackOutcome::Partial);
    ASSERT_EQ(reader.missed().size(), 1u);
    EXPECT_TRUE(reader.missed()[0].badChecksum);
    const std::string partFour = partText(4);
    EXPECT_EQ(files::readbackMessage(reader.outcome(), reader.plan(), reader.missed()),
              "Not Everything Could Be Read From The Module.\nNot Read: " + partFour +
                  "\nEverything Else Was Taken Over.\nAnswers With A Bad Checksum Were Not Used.");
    auto result = reader.takeResult();
    EXPECT_EQ(result.image->part(3, 60), rig.image->part(3, 60));
    EXPECT_EQ(result.image->part(3, off::kVolume), given->part(3, off::kVolume));
    EXPECT_EQ(result.image->part(4, 60), given->part(4, 60));
}

TEST_F(SimulatedReadback, CancelHalfWayKeepsTheImageAndSendsNoMore) {
    listen(module);
    auto& reader = rig.begin();
    for (int i = 0; i < 20; ++i) rig.backend.deliverPendingInput();
    const auto sent = rig.backend.sentCount();
    EXPECT_GT(sent, 15u);
    reader.cancel();
    rig.runToEnd();
    rig.backend.deliverPendingInput();
    EXPECT_EQ(rig.backend.sentCount(), sent);
    EXPECT_EQ(reader.outcome(), ReadbackOutcome::Cancelled);
    EXPECT_EQ(reader.takeResult().image, nullptr);
}

} // namespace
