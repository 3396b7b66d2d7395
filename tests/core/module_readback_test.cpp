// Reading the module back over the memory backend: the requests on the wire, time-outs,
// damaged and stray answers, Cancel, and what the user is told.

#include "files/module_readback.h"
#include "files/module_readback_texts.h"

#include "readback_rig.h"
#include "set_test_support.h"

#include <gtest/gtest.h>

namespace {

using files::ReadbackOutcome;
using testrig::Msg;
using namespace std::chrono_literals;

Msg request(std::initializer_list<int> address, int device = 0, int model = 0x4C) {
    Msg m{0xF0, 0x43, static_cast<std::uint8_t>(0x20 | device), static_cast<std::uint8_t>(model)};
    for (int a : address) m.push_back(static_cast<std::uint8_t>(a));
    m.push_back(0xF7);
    return m;
}

// The system block as a module answers it: master tune 0x0402, volume 100, transpose 70.
Msg systemDump(int device = 0) {
    return settest::withChecksum({0xF0, 0x43, static_cast<std::uint8_t>(device), 0x4C, 0x00, 0x07,
                                  0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x02, 100, 0x00, 70, 0x00,
                                  0xF7});
}

const std::string kParts = "Parts ";
const std::string kPart = "Part ";

struct Readback : ::testing::Test {
    testrig::ReadbackRig rig;
};

TEST_F(Readback, ASilentModuleIsAskedTwicePerGroupAndLeavesNothingToTake) {
    auto& reader = rig.begin();
    const auto waited = rig.runToEnd();
    EXPECT_EQ(reader.outcome(), ReadbackOutcome::NothingRead);
    // The initial set plays the Standard Kit on the drum part and no user voice.
    const std::vector<Msg> expected{
        request({0x00, 0x00, 0x00}), request({0x02, 0x01, 0x00}), request({0x02, 0x01, 0x10}),
        request({0x08, 0x00, 0x00}), request({0x08, 0x00, 0x30}), request({0x30, 13, 0x00}),
        request({0x30, 14, 0x00}),
    };
    EXPECT_EQ(rig.backend.sent(), expected);
    EXPECT_LT(waited, 7 * files::kAnswerTimeout + 100ms);
    EXPECT_EQ(reader.takeResult().image, nullptr);
    EXPECT_EQ(files::readbackMessage(reader.outcome(), reader.plan(), reader.missed()),
              "The Module Did Not Answer. Nothing Was Changed.\nNot Read: System, Reverb, "
              "Chorus, Variation, " +
                  kParts + "1-16, Drum Setup 1");
}

TEST_F(Readback, EachRequestWaitsItsTimeOutThenTheNextGoes) {
    rig.begin(midi::SynthType::Qs300, 5);
    rig.clock.advance(files::kAnswerTimeout - 1ms);
    rig.reader->timePassed();
    EXPECT_EQ(rig.backend.sent(), std::vector<Msg>{request({0x00, 0x00, 0x00}, 5)});
    // An answer of another device, or to another request, is no answer.
    rig.backend.inject(systemDump(0));
    rig.backend.inject(request({0x00, 0x00, 0x00}, 5));
    EXPECT_EQ(rig.backend.sentCount(), 1u);
    rig.clock.advance(1ms);
    rig.reader->timePassed();
    EXPECT_EQ(rig.backend.sent().back(), request({0x02, 0x01, 0x00}, 5));
    // The answer to the first request is too late now.
    rig.backend.inject(systemDump(5));
    EXPECT_EQ(rig.backend.sentCount(), 2u);
}

TEST_F(Readback, AnAnswerSendsTheNextRequestAtOnceAndIsApplied) {
    rig.image->part(3, image::offset::kPan) = 11;
    rig.backend.answerWith([](midi::Bytes m) {
        return Msg(m.begin(), m.end()) == request({0x00, 0x00, 0x00})
                   ? std::vector<Msg>{systemDump()}
                   : std::vector<Msg>{};
    });
    auto& reader = rig.begin();
    rig.runToEnd();
    EXPECT_EQ(reader.outcome(), ReadbackOutcome::Partial);
    const auto sent = rig.backend.sent();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[1], request({0x02, 0x01, 0x00}));
    const auto result = reader.takeResult();
    ASSERT_NE(result.image, nullptr);
    EXPECT_EQ(result.image->system.masterVolume, 100);
    EXPECT_EQ(result.image->system.transpose, 70);
    EXPECT_EQ(result.image->system.masterTune(), 0x0402);
    // What the module did not tell stays as the editor had it.
    EXPECT_EQ(result.image->part(3, image::offset::kPan), 11);
    EXPECT_EQ(result.image->drums[0].table, rig.image->drums[0].table);
    EXPECT_EQ(reader.takeResult().image, nullptr);
    EXPECT_EQ(files::readbackMessage(reader.outcome(), reader.plan(), reader.missed()),
              "Not Everything Could Be Read From The Module.\nNot Read: Reverb, Chorus, "
              "Variation, " +
                  kParts + "1-16, Drum Setup 1\nEverything Else Was Taken Over.");
}

TEST_F(Readback, ADamagedAnswerIsNotUsedAndTheNextRequestGoesAtOnce) {
    auto damaged = systemDump();
    damaged[damaged.size() - 2] ^= 0x01;
    auto& reader = rig.begin();
    rig.backend.inject(damaged);
    EXPECT_EQ(rig.backend.sentCount(), 2u);
    ASSERT_EQ(reader.missed().size(), 1u);
    EXPECT_TRUE(reader.missed()[0].badChecksum);
    rig.runToEnd();
    EXPECT_EQ(reader.outcome(), ReadbackOutcome::NothingRead);
    const auto text = files::readbackMessage(reader.outcome(), reader.plan(), reader.missed());
    EXPECT_NE(text.find("\nNot Read: System, Reverb, Chorus"), std::string::npos);
    EXPECT_NE(text.find("\nAnswers With A Bad Checksum Were Not Used."), std::string::npos);

    // A wrong byte count and a data byte with its top bit set are damage too.
    for (const std::size_t at : {std::size_t{5}, std::size_t{12}}) {
        testrig::ReadbackRig other;
        auto& second = other.begin();
        auto bad = systemDump();
        bad[at] ^= at == 5 ? 0x01 : 0x80;
        other.backend.inject(bad);
        ASSERT_EQ(second.missed().size(), 1u) << at;
        EXPECT_TRUE(second.missed()[0].badChecksum) << at;
        EXPECT_EQ(other.backend.sentCount(), 2u) << at;
    }
}

TEST_F(Readback, CancelStopsAtOnceAndKeepsNothing) {
    rig.backend.answerWith([](midi::Bytes) { return std::vector<Msg>{}; });
    auto& reader = rig.begin();
    rig.backend.inject(systemDump());
    reader.cancel();
    EXPECT_EQ(reader.outcome(), ReadbackOutcome::Cancelled);
    const auto sent = rig.backend.sentCount();
    rig.clock.advance(10 * files::kAnswerTimeout);
    reader.timePassed();
    rig.backend.inject(systemDump());
    EXPECT_EQ(rig.backend.sentCount(), sent);
    EXPECT_EQ(reader.takeResult().image, nullptr);
    EXPECT_EQ(files::readbackMessage(reader.outcome(), reader.plan(), reader.missed()), "");
}

TEST(ReadbackTexts, TheDialogSaysWhatIsBeingRead) {
    const auto blocks = files::blockRequests(0);
    EXPECT_EQ(files::readingText(blocks[0]), "Reading System ...");
    EXPECT_EQ(files::readingText(blocks[6]), "Reading Variation ...");
    EXPECT_EQ(files::readingText(blocks[7 + 2 * 4 + 1]), "Reading " + kPart + "5 ...");
    const auto drums = files::drumRequests(*settest::freshImage(), 0);
    EXPECT_EQ(files::readingText(drums[25]), "Reading Drum Setup 1, Note 38 ...");
}

TEST(ReadbackTexts, NameWhatWasMissedInRequestOrder) {
    auto plan = files::blockRequests(0);
    std::vector<files::MissedRequest> missed;
    for (const auto& r : plan)
        if (r.section == files::ModuleSection::Part &&
            (r.index == 2 || (r.index >= 4 && r.index <= 6)))
            missed.push_back({r, false});
    auto drums = files::drumRequests(*settest::freshImage(), 0);
    plan.insert(plan.end(), drums.begin(), drums.end());
    missed.push_back({drums[0], false});
    missed.push_back({drums[5], false});
    EXPECT_EQ(files::notReadList(plan, missed), kParts + "3, 5-7, Drum Setup 1 (2 Notes)");
    missed.erase(missed.begin() + 2, missed.end() - 2);
    EXPECT_EQ(files::notReadList(plan, missed), kPart + "3, Drum Setup 1 (2 Notes)");
}

} // namespace
