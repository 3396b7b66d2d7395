#include "image/image_init.h"
#include "image/undo_history.h"
#include "midi/clock.h"
#include "midi/image_difference.h"
#include "midi/image_undo.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"
#include "module_mirror.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace {

using Msg = std::vector<std::uint8_t>;
using image::SynthImage;
namespace off = image::offset;

bool sameBytes(const SynthImage& a, const SynthImage& b) {
    return std::memcmp(&a, &b, sizeof(SynthImage)) == 0;
}

std::unique_ptr<SynthImage> resetImage() {
    auto image = std::make_unique<SynthImage>();
    std::memset(static_cast<void*>(image.get()), 0, sizeof(SynthImage));
    image::initialiseImage(*image);
    return image;
}

// ---- the history alone --------------------------------------------------------------------

TEST(UndoHistory, OneDragIsOneStepAndCostsOnlyItsBytes) {
    auto image = resetImage();
    const auto start = *image;
    image::UndoHistory history;
    history.begin(*image, "Volume");
    for (int v = 0; v < 128; ++v) image->part(2, off::kVolume) = static_cast<image::Byte>(v);
    EXPECT_TRUE(history.end(*image));
    EXPECT_EQ(history.stepCount(), 1u);
    EXPECT_EQ(history.undoAction(), "Volume");
    EXPECT_LT(history.byteCount(), 512u); // not a copy of the image

    ASSERT_NE(history.undo(*image), nullptr);
    EXPECT_TRUE(sameBytes(*image, start));
    EXPECT_EQ(history.redoAction(), "Volume");
    history.redo(*image);
    EXPECT_EQ(image->part(2, off::kVolume), 127);
}

TEST(UndoHistory, LookingAtAnotherPartIsNoEditButNamesTheStepsPart) {
    auto image = resetImage();
    image::UndoHistory history;
    history.begin(*image, "Part");
    image->currentPart = 6;
    EXPECT_FALSE(history.end(*image));
    history.begin(*image, "Pan");
    image->currentPart = 7;
    image->part(7, off::kPan) = 1;
    history.end(*image);
    image->currentPart = 2;
    const image::UndoStep* step = history.undo(*image);
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->part, 7);
    EXPECT_EQ(image->currentPart, 2); // the screens switch, the history does not
    EXPECT_EQ(image->part(7, off::kPan), 64);
}

TEST(UndoHistory, NestedActionsAndEmptyActionsMakeNoExtraSteps) {
    auto image = resetImage();
    image::UndoHistory history;
    history.begin(*image, "Load Set");
    history.begin(*image, "inner");
    image->system.masterVolume = 5;
    EXPECT_FALSE(history.end(*image));
    image->bank[3][4] = 9;
    EXPECT_TRUE(history.end(*image));
    history.begin(*image, "Nothing");
    EXPECT_FALSE(history.end(*image));
    EXPECT_FALSE(history.end(*image)); // an end without begin is ignored
    ASSERT_EQ(history.stepCount(), 1u);
    EXPECT_EQ(history.undoAction(), "Load Set");
    history.undo(*image);
    EXPECT_EQ(image->system.masterVolume, 127);
    EXPECT_EQ(image->bank[3][4], resetImage()->bank[3][4]);
}

TEST(UndoHistory, NewEditAfterUndoClearsRedo) {
    auto image = resetImage();
    image::UndoHistory history;
    for (int v = 1; v <= 3; ++v) {
        history.begin(*image, "Pan");
        image->part(0, off::kPan) = static_cast<image::Byte>(v);
        history.end(*image);
    }
    history.undo(*image);
    history.undo(*image);
    EXPECT_TRUE(history.canRedo());
    history.begin(*image, "Volume");
    image->part(0, off::kVolume) = 1;
    history.end(*image);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.redo(*image), nullptr);
    EXPECT_EQ(history.stepCount(), 2u);
    history.undo(*image);
    history.undo(*image);
    EXPECT_EQ(image->part(0, off::kPan), resetImage()->part(0, off::kPan));
    EXPECT_FALSE(history.canUndo());
}

TEST(UndoHistory, StepLimitDropsTheOldest) {
    auto image = resetImage();
    image::UndoHistory history;
    for (int i = 0; i < 1005; ++i) {
        history.begin(*image, "Edit");
        image->part(i % 16, off::kVolume) = static_cast<image::Byte>(i % 128);
        image->part(i % 16, off::kPan) = static_cast<image::Byte>(i % 127 + 1);
        history.end(*image);
    }
    EXPECT_EQ(history.stepCount(), image::kUndoStepLimit);
    const auto afterAll = *image;
    int undone = 0;
    while (history.undo(*image)) ++undone;
    EXPECT_EQ(undone, 1000);

    // What remains is the image after the five oldest steps, which were dropped.
    auto expected = resetImage();
    for (int i = 0; i < 5; ++i) {
        expected->part(i, off::kVolume) = static_cast<image::Byte>(i);
        expected->part(i, off::kPan) = static_cast<image::Byte>(i + 1);
    }
    EXPECT_TRUE(sameBytes(*image, *expected));
    while (history.redo(*image)) {
    }
    EXPECT_TRUE(sameBytes(*image, afterAll));
}

TEST(UndoHistory, ByteLimitDropsTheOldestButKeepsTheNewestStep) {
    auto image = resetImage();
    image::UndoHistory history;
    for (int i = 0; i < 400; ++i) {
        history.begin(*image, "Load Bank");
        for (auto& voice : image->bank) voice.fill(static_cast<image::Byte>(i % 2 + 1));
        history.end(*image);
    }
    EXPECT_LE(history.byteCount(), image::kUndoByteLimit);
    EXPECT_LT(history.stepCount(), 400u);
    EXPECT_GT(history.stepCount(), 300u);

    image::UndoHistory tiny(10, 64);
    tiny.begin(*image, "Load Bank");
    image->bank[0].fill(77);
    tiny.end(*image);
    EXPECT_EQ(tiny.stepCount(), 1u); // one step larger than the limit is still undoable
    tiny.undo(*image);
    EXPECT_EQ(image->bank[0][0], 2);
}

// ---- the module follows -------------------------------------------------------------------

struct UndoWire : ::testing::Test {
    midi::MemoryBackend backend{{"Module In"}, {"Module Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<SynthImage> image = resetImage();
    midi::XgMessages xg{port, *image, clock};
    midi::ImageUndo undo{*image, xg};

    void SetUp() override {
        port.FillDeviceLists();
        port.OpenMidiOut(0);
        midi::SynthOptions options;
        options.type = midi::SynthType::Db50;
        xg.setOptions(options);
    }
    std::vector<Msg> takeSent() {
        auto sent = backend.sent();
        backend.clearSent();
        return sent;
    }
};

TEST_F(UndoWire, UndoOfAKnobDragSendsOneParameterChange) {
    undo.begin("Volume");
    for (image::Byte v : {90, 70, 40}) {
        image->part(2, off::kVolume) = v;
        xg.SendPartParam(2, 2 * 104 + off::kVolume, v);
    }
    undo.end();
    takeSent();
    ASSERT_NE(undo.undo(), nullptr);
    EXPECT_EQ(takeSent(),
              (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0B, 100, 0xF7}}));
    undo.redo();
    EXPECT_EQ(takeSent(), (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0B, 40, 0xF7}}));
    EXPECT_EQ(undo.undo()->part, 0);
}

TEST_F(UndoWire, DetuneGoesAsItsTwoNibbles) {
    undo.begin("Detune");
    image->part(4, off::kDetune) = 0x9C;
    undo.end();
    takeSent();
    undo.undo();
    const int before = image->part(4, off::kDetune);
    EXPECT_EQ(takeSent(), (std::vector<Msg>{{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x04, 0x09,
                                             static_cast<std::uint8_t>(before >> 4),
                                             static_cast<std::uint8_t>(before & 0x0F), 0xF7}}));
}

TEST_F(UndoWire, ManyChangesOfAPartGoAsItsBulkDumps) {
    undo.begin("Copy Part");
    for (int o = 11; o < 30; ++o) image->part(5, o) = 3;
    undo.end();
    takeSent();
    undo.undo();
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].size(), 52u);
    EXPECT_EQ(sent[1].size(), 74u);
    EXPECT_EQ((Msg{sent[0][6], sent[0][7], sent[0][8]}), (Msg{0x08, 0x05, 0x00}));
}

TEST_F(UndoWire, ANewEffectTypeGoesAsTheBlockAndAParameterAlone) {
    undo.begin("Reverb Type");
    image->reverb.typeIndex = 2;
    image->reverb.current = image->reverb.rows[1];
    undo.end();
    undo.begin("Reverb Time");
    image->reverb.current[2] = static_cast<image::Byte>(image->reverb.current[2] + 1);
    image->reverb.current[15] = 9;
    undo.end();
    takeSent();
    undo.undo();
    EXPECT_EQ(takeSent(),
              (std::vector<Msg>{
                  {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x02, image->reverb.current[2], 0xF7},
                  {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x11, image->reverb.current[15], 0xF7}}));
    undo.undo();
    const auto sent = takeSent();
    ASSERT_EQ(sent.size(), 2u); // back to the reset image's type, as the block's two dumps
    EXPECT_EQ(sent[0].size(), 25u);
    EXPECT_EQ(sent[1].size(), 17u);
    testing_support::ModuleMirror mirror(*resetImage());
    mirror.receiveAll(sent);
    mirror.expectHolds(*image, "reverb type undone");
}

// Random edits of every kind, as the screens make them, with the module listening all
// along; then everything is undone and redone.
class EditSequence {
  public:
    EditSequence(SynthImage& image, midi::XgMessages& xg, midi::ImageUndo& undo, unsigned seed)
        : image_(image), xg_(xg), undo_(undo), random_(seed) {}

    void edit() {
        switch (pick(8)) {
        case 0:
            partDrag();
            break;
        case 1:
            voiceSelection();
            break;
        case 2:
            copyPart();
            break;
        case 3:
            effectType();
            break;
        case 4:
            effectDrag();
            break;
        case 5:
            drumDrag();
            break;
        case 6:
            systemAndVoice();
            break;
        default:
            load();
            break;
        }
    }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    image::Byte value() { return static_cast<image::Byte>(pick(128)); }
    // Parts that neither play a drum kit nor a user voice: their voice may change freely.
    int plainPart() {
        for (;;) {
            const int p = pick(16);
            if (p != image::kDrumPartIndex && !image_.hasUserVoice(p) &&
                image_.part(p, off::kPartMode) == 0)
                return p;
        }
    }
    void sendPartOffset(int p, int o) {
        if (o == off::kDetune)
            xg_.SendPartDetune(p, p * 104 + o);
        else
            xg_.SendPartParam(p, p * 104 + o, image_.part(p, o));
    }

    void partDrag() {
        const int p = pick(16);
        int o = 0;
        do o = 8 + pick(96);
        while (o == off::kDetuneFiller);
        midi::UndoScope step(&undo_, "Drag");
        for (int n = 1 + pick(6); n > 0; --n) {
            image_.part(p, o) = value();
            sendPartOffset(p, o);
        }
    }
    void voiceSelection() {
        const int p = plainPart();
        midi::UndoScope step(&undo_, "Voice");
        image_.part(p, off::kBankLsb) = value();
        image_.part(p, off::kProgram) = value();
        xg_.SendPart(p);
    }
    void copyPart() {
        const int from = plainPart();
        const int to = plainPart();
        midi::UndoScope step(&undo_, "Copy Part");
        for (int o = 8; o < image::kPartRecordSize; ++o) image_.part(to, o) = image_.part(from, o);
        xg_.SendPart(to);
    }
    void effectType() {
        midi::UndoScope step(&undo_, "Reverb Type");
        image_.reverb.typeIndex = pick(image::kReverbTypeCount);
        if (image_.reverb.typeIndex > 0)
            image_.reverb.current =
                image_.reverb.rows[static_cast<std::size_t>(image_.reverb.typeIndex - 1)];
        xg_.SendReverb();
    }
    void effectDrag() {
        midi::UndoScope step(&undo_, "Chorus Knob");
        if (image_.chorus.typeIndex == 0) return;
        const int i = 2 + pick(image::kChorusBlockSize - 2);
        image_.chorus.current[static_cast<std::size_t>(i)] = value();
        xg_.SendEffectParam(
            static_cast<image::Byte>(midi::effectByteAddress(image::EffectKind::Chorus, i)),
            image_.chorus.current[static_cast<std::size_t>(i)]);
    }
    void drumDrag() {
        auto& setup = image_.drums[0];
        const int slot = pick(10);
        const int param = pick(image::kDrumParamCount);
        midi::UndoScope step(&undo_, "Drum");
        setup.table[static_cast<std::size_t>(slot)][static_cast<std::size_t>(param)] = value();
        xg_.SendDrumParam(
            1, image::DrumNote(setup.kit, slot), param,
            setup.table[static_cast<std::size_t>(slot)][static_cast<std::size_t>(param)]);
    }
    void systemAndVoice() {
        midi::UndoScope step(&undo_, "Element");
        image_.system.masterVolume = value();
        xg_.SendSystemParam(midi::kMasterVolumeAddress, image_.system.masterVolume);
        image_
            .partVoices[0][static_cast<std::size_t>(image::kVoiceDumpDataStart + 20 + pick(300))] =
            value();
        xg_.SendQSVoice(image_.partVoices[0]);
    }
    // A load changes a bit of everything and sends the differences.
    void load() {
        midi::UndoScope step(&undo_, "Load Set");
        const auto before = std::make_unique<SynthImage>(image_);
        for (int n = 0; n < 40; ++n) image_.part(plainPart(), 11 + pick(93)) = value();
        image_.part(plainPart(), off::kProgram) = value();
        image_.system.transpose = value();
        image_.system.setMasterTune(pick(0x800));
        image_.variation.typeIndex = image::kVariationThruIndex * pick(2);
        image_.drums[1].table[3][4] = value();
        image_.partVoices[0][static_cast<std::size_t>(image::kVoiceDumpDataStart + 5)] = value();
        image_.bank[static_cast<std::size_t>(pick(128))][7] = value();
        midi::sendImageDifference(*before, image_, xg_);
    }

    SynthImage& image_;
    midi::XgMessages& xg_;
    midi::ImageUndo& undo_;
    std::mt19937 random_;
};

TEST_F(UndoWire, FiveHundredEditsUndoneAndRedoneKeepTheModuleInStep) {
    // The first part plays a user voice, so voice dumps are part of the game.
    image->userVoiceKind[0] = image::kSinglePartVoice;
    image->part(0, off::kBankMsb) = image::kBankQsUserVoice;
    image->partVoices[0][image::kVoiceDumpNumberByte] = 0;
    const auto start = *image;
    testing_support::ModuleMirror module(*image);

    EditSequence edits(*image, xg, undo, 1234);
    for (int i = 0; i < 500; ++i) {
        edits.edit();
        module.receiveAll(takeSent());
    }
    module.expectHolds(*image, "after the edits");
    const auto finish = *image;
    ASSERT_GT(undo.history().stepCount(), 400u);

    int steps = 0;
    while (undo.undo()) {
        module.receiveAll(takeSent());
        module.expectHolds(*image, "undo");
        if (HasFailure()) return;
        ++steps;
    }
    EXPECT_EQ(steps, static_cast<int>(undo.history().stepCount()));
    EXPECT_TRUE(sameBytes(*image, start));
    while (undo.redo()) {
        module.receiveAll(takeSent());
        module.expectHolds(*image, "redo");
        if (HasFailure()) return;
    }
    EXPECT_TRUE(sameBytes(*image, finish));
}

} // namespace
