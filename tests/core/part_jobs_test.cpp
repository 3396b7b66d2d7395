#include "core/part_param_message.h"
#include "image/image_init.h"
#include "image/part_copy.h"
#include "image/part_defaults.h"
#include "image/voice_catalogue.h"
#include "image/voice_layout.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/part_jobs.h"
#include "midi/voice_selection.h"
#include "midi/xg_messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using Msg = std::vector<std::uint8_t>;
namespace off = image::offset;

constexpr std::uint8_t kPartBulkAddress = 0x08;

struct PartJobs : ::testing::Test {
    midi::MemoryBackend backend{{"Module In"}, {"Module Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};

    void SetUp() override {
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
    }
    std::vector<Msg> sent() const { return backend.sent(); }
    // Every byte of a record set to something no default holds.
    void scribble(int part, image::Byte value) {
        for (int o = 0; o < image::kPartRecordSize; ++o) image->part(part, o) = value;
    }
    image::PartRecord record(int part) const {
        image::PartRecord r{};
        for (int o = 0; o < image::kPartRecordSize; ++o)
            r[static_cast<std::size_t>(o)] = image->part(part, o);
        return r;
    }
    // The parts that went out as bulk dumps, in order (each part is two dumps).
    std::vector<int> bulkParts() const {
        std::vector<int> parts;
        for (const Msg& m : sent())
            if (m.size() > 8 && m[1] == 0x43 && m[3] == 0x4C && m[6] == kPartBulkAddress &&
                (parts.empty() || parts.back() != m[7]))
                parts.push_back(m[7]);
        return parts;
    }
    static image::CopyChoice only(int group) {
        image::CopyChoice c{};
        c[static_cast<std::size_t>(group)] = true;
        return c;
    }
};

TEST(CopyGroups, TableCoversTheRecordOnceAndChannelStartsUnchecked) {
    // Every offset but the element reserve belongs to exactly one group (the voice group
    // brings part mode, bank and program); "Channel" is the only box off at first.
    std::multiset<int> covered{off::kPartMode, off::kBankMsb, off::kBankLsb, off::kProgram};
    for (const auto& group : image::copyGroups())
        for (const auto& range : group.ranges)
            for (int o = range.first; o <= range.last; ++o) covered.insert(o);
    for (int o = 1; o < image::kPartRecordSize; ++o) EXPECT_EQ(covered.count(o), 1u) << o;
    EXPECT_EQ(covered.count(0), 0u);

    const image::CopyChoice start = image::defaultCopyChoice();
    for (int g = 0; g < image::kCopyGroupCount; ++g)
        EXPECT_EQ(start[static_cast<std::size_t>(g)], g != image::kChannelGroup) << g;
    EXPECT_EQ(image::copyGroups()[image::kChannelGroup].caption, "Channel");
    EXPECT_EQ(image::copyGroups()[18].caption, "Pan");
}

TEST_F(PartJobs, OnlyPanChangesOnlyOffset14AndSendsTheTargetWhole) {
    image->part(2, off::kPan) = 10;
    const image::PartRecord before = record(5);
    const auto outcome = midi::CopyParts(*image, xg, 2, 5, only(18));
    EXPECT_EQ(outcome.targets, std::vector<int>{5});
    for (int o = 0; o < image::kPartRecordSize; ++o)
        EXPECT_EQ(image->part(5, o), o == off::kPan ? 10 : before[static_cast<std::size_t>(o)])
            << o;
    EXPECT_EQ(bulkParts(), std::vector<int>{5});
}

TEST_F(PartJobs, CopyToAllLeavesTheSourceAndSendsTheOtherFifteenInOrder) {
    scribble(3, 0x55);
    const image::PartRecord source = record(3);
    const auto outcome =
        midi::CopyParts(*image, xg, 3, midi::kAllPartsTarget, image::defaultCopyChoice());
    EXPECT_EQ(record(3), source);
    std::vector<int> others;
    for (int p = 0; p < 16; ++p)
        if (p != 3) others.push_back(p);
    EXPECT_EQ(outcome.targets, others);
    EXPECT_EQ(bulkParts(), others);
    // The receive channel stays each target's own; everything else is the source's.
    EXPECT_EQ(image->part(0, off::kReceiveChannel), 0);
    EXPECT_EQ(image->part(15, off::kReceiveChannel), 15);
    EXPECT_EQ(image->part(15, off::kPan), 0x55);
    EXPECT_EQ(image->part(15, 101), 0x55);
}

TEST_F(PartJobs, NothingChosenOrNoTargetSendsNothing) {
    EXPECT_TRUE(midi::CopyParts(*image, xg, 0, 4, image::CopyChoice{}).targets.empty());
    EXPECT_TRUE(midi::CopyParts(*image, xg, 0, 0, image::defaultCopyChoice()).targets.empty());
    EXPECT_TRUE(midi::CopyParts(*image, xg, 0, -1, image::defaultCopyChoice()).targets.empty());
    EXPECT_TRUE(midi::CopyParts(*image, xg, 16, 2, image::defaultCopyChoice()).targets.empty());
    EXPECT_TRUE(sent().empty());
}

TEST_F(PartJobs, VoiceGroupFollowsThePairRulesOnTheBoard) {
    // A voice over two parts starting on the fourth part (index 3, odd) may not be copied.
    image->userVoiceKind[3] = image::kTwoPartVoice;
    EXPECT_FALSE(image::voiceCopyAllowed(*image, 3, 7, true));
    EXPECT_TRUE(image::voiceCopyAllowed(*image, 3, 7, false));
    // Starting on index 4 it may, but not onto its own upper half.
    image->userVoiceKind[4] = image::kTwoPartVoice;
    EXPECT_TRUE(image::voiceCopyAllowed(*image, 4, 8, true));
    EXPECT_FALSE(image::voiceCopyAllowed(*image, 4, 5, true));
    // The upper half itself is never copied on the board.
    image->pairFlagHigh[5] = 1;
    EXPECT_FALSE(image::voiceCopyAllowed(*image, 5, 9, true));

    // Refused: bank and program of the target stay as they were.
    image->part(3, off::kProgram) = 40;
    midi::CopyParts(*image, xg, 3, 7, only(image::kVoiceGroup));
    EXPECT_EQ(image->part(7, off::kProgram), 0);
}

TEST_F(PartJobs, UserVoiceGoesToTheTargetUnderItsOwnNumber) {
    image->part(1, off::kBankMsb) = image::kBankQsUserVoice;
    image->part(1, off::kProgram) = 1;
    image->userVoiceKind[1] = image::kSinglePartVoice;
    image->partVoices[1][image::kVoiceDumpDataStart] = 'Q';
    const image::VoiceDump sourceVoice = image->partVoices[1];
    const auto outcome = midi::CopyParts(*image, xg, 1, 6, only(image::kVoiceGroup));
    EXPECT_EQ(outcome.targets, std::vector<int>{6});
    EXPECT_EQ(image->userVoiceKind[6], image::kSinglePartVoice);
    EXPECT_EQ(image->part(6, off::kBankMsb), image::kBankQsUserVoice);
    EXPECT_EQ(image->partVoices[6][image::kVoiceDumpDataStart], 'Q');
    EXPECT_EQ(image->partVoices[1], sourceVoice);
    // The voice dump first, then the part.
    const auto all = sent();
    ASSERT_GE(all.size(), 3u);
    EXPECT_EQ(all[0].size(), static_cast<std::size_t>(image::kVoiceDumpSize));
    EXPECT_EQ(all[0][image::kVoiceDumpNumberByte], 6);
    EXPECT_EQ(bulkParts(), std::vector<int>{6});
}

TEST_F(PartJobs, FourElementVoiceOnTheBoardGivesTheNextPartTheUpperElements) {
    image->part(2, off::kBankMsb) = image::kBankQsUserVoice;
    image->part(2, off::kProgram) = 2;
    image->userVoiceKind[2] = image::kTwoPartVoice;
    image::VoiceDump& voice = image->partVoices[2];
    // All four elements on, and a stray bit above them that names no element.
    voice[image::kVoiceDumpDataStart + image::kVoiceElementSwitchByte] = 0x4F;
    voice[image::kVoiceDumpDataStart + image::voice::elementStart(2)] =
        0x33; // element 3's first byte
    midi::CopyParts(*image, xg, 2, 8, only(image::kVoiceGroup));

    EXPECT_EQ(image->part(9, off::kBankMsb), image::kBankQsUserVoice);
    EXPECT_EQ(image->userVoiceKind[8], image::kTwoPartVoice);
    EXPECT_EQ(image->pairFlagHigh[9], 1);
    const image::VoiceDump& upper = image->partVoices[9];
    EXPECT_EQ(upper[image::kVoiceDumpNumberByte], 9);
    EXPECT_EQ(upper[image::kVoiceDumpDataStart + image::kVoiceElementSwitchByte], 3);
    EXPECT_EQ(upper[image::kVoiceDumpDataStart + image::voice::elementStart(0)], 0x33);

    // The voice, its upper half, the four part parameters of the upper part, then both
    // parts whole.
    const auto all = sent();
    ASSERT_GE(all.size(), 6u);
    EXPECT_EQ(all[0][image::kVoiceDumpNumberByte], 8);
    EXPECT_EQ(all[1], Msg(upper.begin(), upper.end()));
    const std::vector<Msg> params(all.begin() + 2, all.begin() + 6);
    EXPECT_EQ(params, (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x09, 0x07, 0x00, 0xF7},
                                        {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x09, 0x01, 0x3F, 0xF7},
                                        {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x09, 0x02, 0x00, 0xF7},
                                        {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x09, 0x03, 0x09, 0xF7}}));
    EXPECT_EQ(bulkParts(), std::vector<int>{8});

    // Onto the last part there is no next part: nothing is written past the table.
    backend.clearSent();
    midi::CopyParts(*image, xg, 2, 15, only(image::kVoiceGroup));
    EXPECT_EQ(bulkParts(), std::vector<int>{15});
}

TEST_F(PartJobs, OnePartVoiceCopiedOrInitialisedIntoAPairEndsThePairAsChoosingItWould) {
    using testmsg::partParam;
    namespace o = image::offset;
    // "Aurora" (three elements) chosen on the third part pairs the third and fourth parts.
    const auto pairUp = [this] {
        image::initialiseImage(*image);
        image->currentPart = 2;
        midi::VoiceSelection(*image, xg).select(image::kQsUserList, 0);
        ASSERT_EQ(image->userVoiceKind[2], image::kTwoPartVoice);
        ASSERT_EQ(image->pairFlagHigh[3], 1);
        backend.clearSent();
    };
    const auto goneToGrandPiano = [](int part) {
        return std::vector<Msg>{partParam(part, o::kPartMode, 0), partParam(part, o::kBankMsb, 0),
                                partParam(part, o::kBankLsb, 0), partParam(part, o::kProgram, 0)};
    };

    // Onto the first part: the second answers its own channel again and plays an XG
    // voice, then the target goes out whole.
    pairUp();
    midi::CopyParts(*image, xg, 0, 2, only(image::kVoiceGroup));
    std::vector<Msg> release{partParam(3, o::kReceiveChannel, 3)};
    for (const Msg& m : goneToGrandPiano(3)) release.push_back(m);
    auto all = sent();
    ASSERT_GT(all.size(), release.size());
    EXPECT_EQ(std::vector<Msg>(all.begin(), all.begin() + 5), release);
    EXPECT_EQ(bulkParts(), std::vector<int>{2});
    for (int p : {2, 3}) {
        EXPECT_EQ(image->userVoiceKind[static_cast<std::size_t>(p)], image::kXgVoice) << p;
        EXPECT_EQ(image->pairFlagLow[static_cast<std::size_t>(p)], 0) << p;
        EXPECT_EQ(image->pairFlagHigh[static_cast<std::size_t>(p)], 0) << p;
        EXPECT_EQ(image->part(p, o::kBankMsb), 0) << p;
    }
    EXPECT_EQ(image->part(3, o::kReceiveChannel), 3);

    // Choosing the XG voice on that part instead ends the pair with the same messages.
    pairUp();
    midi::VoiceSelection choose(*image, xg);
    choose.setOptions({midi::SynthType::Db50, true, false});
    choose.select(0, 0);
    all = sent();
    ASSERT_GE(all.size(), release.size());
    EXPECT_EQ(std::vector<Msg>(all.begin(), all.begin() + 5), release);

    // Onto the second part: the first goes back to an XG voice.
    pairUp();
    midi::CopyParts(*image, xg, 0, 3, only(image::kVoiceGroup));
    release = {partParam(3, o::kReceiveChannel, 3)};
    for (const Msg& m : goneToGrandPiano(2)) release.push_back(m);
    all = sent();
    ASSERT_GT(all.size(), release.size());
    EXPECT_EQ(std::vector<Msg>(all.begin(), all.begin() + 5), release);
    EXPECT_EQ(bulkParts(), std::vector<int>{3});
    EXPECT_EQ(image->userVoiceKind[2], image::kXgVoice);
    EXPECT_EQ(image->pairFlagHigh[3], 0);

    // Initialising the first part with the default voice ends the pair the same way.
    pairUp();
    midi::InitializePart(*image, xg, 2, true);
    all = sent();
    ASSERT_GT(all.size(), 5u);
    release = {partParam(3, o::kReceiveChannel, 3)};
    for (const Msg& m : goneToGrandPiano(3)) release.push_back(m);
    EXPECT_EQ(std::vector<Msg>(all.begin(), all.begin() + 5), release);
    EXPECT_EQ(image->pairFlagHigh[3], 0);
    EXPECT_EQ(image->part(3, o::kBankMsb), 0);
    // Without the default voice the part keeps its voice and the pair stays.
    pairUp();
    midi::InitializePart(*image, xg, 2, false);
    EXPECT_EQ(image->userVoiceKind[2], image::kTwoPartVoice);
    EXPECT_EQ(image->pairFlagHigh[3], 1);

    // A copy without the voice group leaves the pair alone.
    pairUp();
    midi::CopyParts(*image, xg, 0, 2, only(18));
    EXPECT_EQ(bulkParts(), std::vector<int>{2});
    EXPECT_EQ(sent().size(), 2u);
    EXPECT_EQ(image->userVoiceKind[2], image::kTwoPartVoice);
}

TEST_F(PartJobs, ModuleThatDoesNotAnswerEndsTheCopyAtTheFirstVoice) {
    midi::SynthOptions qs300;
    qs300.type = midi::SynthType::Qs300;
    xg.setOptions(qs300);
    std::vector<std::string> alerts;
    xg.setAlertHandler([&](const std::string& text) { alerts.push_back(text); });
    image->part(4, off::kBankMsb) = image::kBankQsUserVoice;
    image->part(4, off::kPan) = 7;
    image->userVoiceKind[4] = image::kSinglePartVoice;

    const auto outcome =
        midi::CopyParts(*image, xg, 4, midi::kAllPartsTarget, image::defaultCopyChoice());
    EXPECT_TRUE(outcome.timedOut);
    EXPECT_EQ(outcome.targets, std::vector<int>{0});
    EXPECT_EQ(alerts, std::vector<std::string>{"QS300 Timeout"});
    // Only the probe left; the first target keeps what was copied, the second has nothing.
    EXPECT_EQ(sent(), (std::vector<Msg>{{0xF0, 0x43, 0x30, 0x4C, 0x08, 0x00, 0x00, 0xF7}}));
    EXPECT_EQ(image->part(0, off::kPan), 7);
    EXPECT_EQ(image->part(1, off::kPan), 64);
}

TEST_F(PartJobs, InitializeKeepsOrResetsTheVoice) {
    scribble(9, 0x21);
    image->userVoiceKind[9] = image::kSinglePartVoice;
    midi::InitializePart(*image, xg, 9, false);
    EXPECT_EQ(image->part(9, off::kProgram), 0x21);
    EXPECT_EQ(image->part(9, off::kPartMode), 0x21);
    EXPECT_EQ(image->part(9, off::kPan), image::ExpectedPartValue(9, off::kPan));
    EXPECT_EQ(image->userVoiceKind[9], image::kSinglePartVoice);
    // One message per byte but bank, program and part mode.
    EXPECT_EQ(sent().size(), static_cast<std::size_t>(image::kPartRecordSize - 4));

    backend.clearSent();
    midi::InitializePart(*image, xg, 9, true);
    EXPECT_EQ(image->part(9, off::kBankMsb), image::kBankDrumKit);
    EXPECT_EQ(image->part(9, off::kPartMode), image::ExpectedPartValue(9, off::kPartMode));
    EXPECT_EQ(image->userVoiceKind[9], image::kXgVoice);
    // Every value went out, the voice included: part mode F0 43 10 4C 08 09 07 02 F7.
    const Msg partMode{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x09, 0x07, 0x02, 0xF7};
    const auto all = sent();
    EXPECT_NE(std::find(all.begin(), all.end(), partMode), all.end());
}

} // namespace
