// A four-element voice on a DB-50 plays on two parts; the second part's dump must come
// back with an undo like everything else, and the module must hear it again.

#include "core/module_mirror.h"
#include "core/qs_voice_edit_fixture.h"
#include "core/voice_selection_fixture.h"
#include "image/voice_catalogue.h"
#include "image/voice_edit.h"
#include "midi/image_undo.h"
#include "midi/voice_selection.h"

#include <algorithm>

namespace {

using qs_voice_edit_testing::Msg;

struct PairUndo : qs_voice_edit_testing::QsVoiceEditFixture {
    midi::ImageUndo undo{*image, xg};

    void SetUp() override {
        QsVoiceEditFixture::SetUp();
        use(midi::SynthType::Db50, false);
    }
    std::vector<Msg> takeSent() {
        auto all = sent();
        backend.clearSent();
        return all;
    }
    static image::Byte upperElementByte(const image::VoiceDump& second) {
        return second[image::elementIndex(0, 0)];
    }
};

// Elements 3 and 4 filled with `fill` so that each voice's second dump is told apart.
image::VoiceRecord pairVoice(const image::VoiceBank& bank, image::Byte fill) {
    image::VoiceRecord voice = selection_test::fourElementVoice(bank);
    std::fill_n(voice.begin() + 221, 2 * image::kVoiceElementSize, fill);
    return voice;
}

TEST_F(PairUndo, UndoAndRedoOfAPairSelectionBringBothDumpsBack) {
    midi::VoiceSelection selection(*image, xg);
    selection.setOptions({midi::SynthType::Db50, true, true});
    image->bank[10] = pairVoice(image->bank, 0x33);
    image->bank[11] = pairVoice(image->bank, 0x55);
    image->currentPart = 3;
    ASSERT_TRUE(selection.select(image::kQsUserList, 10).pair);
    testing_support::ModuleMirror module(*image);
    backend.clearSent();

    undo.begin("Voice");
    selection.select(image::kQsUserList, 11);
    undo.end();
    module.receiveAll(takeSent());
    module.expectHolds(*image, "after the selection");
    ASSERT_EQ(upperElementByte(image->partVoices[3]), 0x55);

    ASSERT_NE(undo.undo(), nullptr);
    module.receiveAll(takeSent());
    EXPECT_EQ(upperElementByte(image->partVoices[3]), 0x33);
    EXPECT_EQ(image->pairFlagLow[3], 1);
    module.expectHolds(*image, "after the undo");

    ASSERT_NE(undo.redo(), nullptr);
    module.receiveAll(takeSent());
    EXPECT_EQ(upperElementByte(image->partVoices[3]), 0x55);
    module.expectHolds(*image, "after the redo");
}

TEST_F(PairUndo, AnUpperElementEditIsTakenBackWithTheSecondDumpAlone) {
    giveVoice(0, true);
    ASSERT_TRUE(edit.Open(0));
    testing_support::ModuleMirror module(*image);
    const image::VoiceDump before = image->partVoices[1];
    backend.clearSent();

    // Element 1 copied over element 4: the second part plays it as its element 2.
    undo.begin("Copy");
    ASSERT_TRUE(edit.copyElement(0, 3));
    undo.end();
    auto sentNow = takeSent();
    ASSERT_EQ(sentNow.size(), 1u);
    EXPECT_EQ(sentNow[0][image::kVoiceDumpNumberByte], 1);
    EXPECT_EQ(Msg(image->partVoices[1].begin(), image->partVoices[1].end()), sentNow[0])
        << "the image keeps the second dump the module got";
    module.receiveAll(sentNow);
    module.expectHolds(*image, "after the edit");
    const image::VoiceDump edited = image->partVoices[1];

    ASSERT_NE(undo.undo(), nullptr);
    sentNow = takeSent();
    ASSERT_EQ(sentNow.size(), 1u) << "the whole voice stays where it was";
    EXPECT_EQ(sentNow[0][image::kVoiceDumpNumberByte], 1);
    EXPECT_TRUE(qs_voice_edit_testing::checksumHolds(sentNow[0]));
    EXPECT_TRUE(std::equal(before.begin() + image::kVoiceDumpDataStart, before.end() - 2,
                           sentNow[0].begin() + image::kVoiceDumpDataStart));
    module.receiveAll(sentNow);
    module.expectHolds(*image, "after the undo");

    ASSERT_NE(undo.redo(), nullptr);
    sentNow = takeSent();
    ASSERT_EQ(sentNow.size(), 1u);
    EXPECT_EQ(sentNow[0], Msg(edited.begin(), edited.end()));
    module.receiveAll(sentNow);
    module.expectHolds(*image, "after the redo");
}

TEST_F(PairUndo, ALowerElementEditSendsTheWholeVoiceAgain) {
    giveVoice(0, true);
    ASSERT_TRUE(edit.Open(0));
    backend.clearSent();
    undo.begin("Level");
    edit.setElementByteOf(1, image::voice::element::kLevel, 12);
    edit.SendEditVoice();
    undo.end();
    takeSent();
    ASSERT_NE(undo.undo(), nullptr);
    const auto sentNow = takeSent();
    ASSERT_EQ(sentNow.size(), 1u);
    EXPECT_EQ(sentNow[0][image::kVoiceDumpNumberByte], 0);
    EXPECT_EQ(sentNow[0][image::elementIndex(1, image::voice::element::kLevel)],
              image->editVoice[image::elementIndex(1, image::voice::element::kLevel)]);
}

} // namespace
