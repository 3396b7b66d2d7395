#include "core/set_test_support.h"
#include "core/smf_builder.h"
#include "files/errors.h"
#include "files/set_loader.h"
#include "files/set_writer.h"
#include "files/syx_file.h"
#include "image/drum_kits.h"
#include "image/effect_types.h"
#include "image/part_defaults.h"
#include "image/voice_dump.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using settest::Bytes;
using namespace std::string_literals;
namespace off = image::offset;
using midi::SynthType;

Bytes bytesOf(const image::SynthImage& image, files::SetKind kind, SynthType type,
              bool multiParameterChange = true) {
    files::SetWriteOptions options;
    options.type = type;
    options.multiParameterChange = multiParameterChange;
    return files::buildSetFile(image, files::sectionsOf(kind), options).toBytes();
}

// A file as a sequencer writes it: one track, running status, whatever events it likes.
Bytes sequencerFile(const Bytes& track) {
    Bytes file = testsmf::header(1, 1, 480);
    testsmf::append(file, testsmf::track(track));
    return file;
}

void sysexEvent(Bytes& track, int delta, const Bytes& message) {
    testsmf::appendVariableLength(track, static_cast<std::uint32_t>(delta));
    track.push_back(0xF0);
    testsmf::appendVariableLength(track, static_cast<std::uint32_t>(message.size() - 1));
    track.insert(track.end(), message.begin() + 1, message.end());
}

// ---- random edits for the round trip ----

struct Editor {
    std::mt19937 random;
    image::SynthImage& image;
    SynthType type;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    void parts() {
        for (int n = below(60); n > 0; --n) {
            const int part = below(image::kPartCount);
            int offset = below(image::kPartRecordSize);
            // The voice selection and the detune filler are set below on purpose.
            if (offset == off::kBankMsb || offset == off::kBankLsb || offset == off::kProgram ||
                offset == off::kPartMode || offset == off::kDetuneFiller)
                continue;
            image.part(part, offset) =
                static_cast<image::Byte>(below(offset == off::kDetune ? 256 : 128));
        }
        for (int n = below(4); n > 0; --n) {
            const int part = below(image::kPartCount);
            if (part == image::kDrumPartIndex) continue;
            image.part(part, off::kBankMsb) = static_cast<image::Byte>(below(2) * 8);
            image.part(part, off::kProgram) = static_cast<image::Byte>(below(128));
        }
    }

    void userVoices() {
        for (int n = below(5); n > 0; --n) {
            const int part = below(image::kPartCount);
            // The tenth and the last part are kept for the drum setups.
            if (part == image::kDrumPartIndex || part == 15) continue;
            const auto i = static_cast<std::size_t>(part);
            image.part(part, off::kBankMsb) = image::kBankQsUserVoice;
            image.part(part, off::kBankLsb) = type == SynthType::Db50 ? 0 : 1;
            image.part(part, off::kProgram) = static_cast<image::Byte>(part);
            image.userVoiceKind[i] = image::kSinglePartVoice;
            auto& dump = image.partVoices[i];
            dump[image::kVoiceDumpNumberByte] = static_cast<image::Byte>(part);
            for (int k = 0; k < 20; ++k)
                dump[static_cast<std::size_t>(9 + 12 + below(369))] =
                    static_cast<image::Byte>(below(128));
            // A DB-50 plays two elements in a part; four would spread over the next part.
            dump[9 + image::kVoiceElementSwitchByte] =
                static_cast<image::Byte>(type == SynthType::Db50 ? 1 + below(3) : 1 + below(15));
            image::renewVoiceDumpChecksum(dump);
        }
    }

    void system() {
        if (below(2)) image.system.setMasterTune(below(2048));
        if (below(2)) image.system.masterVolume = static_cast<image::Byte>(below(128));
        if (below(2)) image.system.transpose = static_cast<image::Byte>(below(128));
    }

    template <typename State> void effect(State& state, int typeCount) {
        if (below(3) == 0) return;
        const int type = below(typeCount);
        state.typeIndex = type;
        if (type == 0 || type > State::kRowCount) {
            // Without a row the block keeps only its type code.
            state.current[0] = type == 0 ? 0 : 0x40;
            state.current[1] = 0;
            return;
        }
        state.current = state.rows[static_cast<std::size_t>(type - 1)];
        for (int n = below(6); n > 0; --n)
            state.current[static_cast<std::size_t>(2 + below(State::kBlockSize - 2))] =
                static_cast<image::Byte>(below(128));
    }

    void drums() {
        // The tenth part picks the kit of setup 1; one more part may use setup 2.
        const int kit = image::kKitNumbers[static_cast<std::size_t>(below(image::kKitCount))];
        image.part(9, off::kBankMsb) = kit >= 100 ? image::kBankSfxKit : image::kBankDrumKit;
        image.part(9, off::kProgram) = static_cast<image::Byte>(kit % 100);
        if (below(2)) {
            image.part(15, off::kPartMode) = 3;
            image.part(15, off::kBankMsb) = image::kBankDrumKit;
            image.part(15, off::kProgram) = 32;
        }
        for (std::size_t s = 0; s < 2; ++s) {
            auto& setup = image.drums[s];
            const auto choice = image::FindKit(image, static_cast<int>(s));
            setup.kit = choice.kit;
            setup.slotCount = choice.slotCount;
            image::loadKitReference(setup.table, choice.kit == image::kNoKit ? 0 : choice.kit);
            setup.module = setup.table;
            setup.working = setup.table;
            for (int n = setup.slotCount > 0 ? below(30) : 0; n > 0; --n)
                setup.table[static_cast<std::size_t>(below(setup.slotCount))]
                           [static_cast<std::size_t>(below(16))] =
                    static_cast<image::Byte>(below(128));
        }
    }
};

void expectSameImage(const image::SynthImage& a, const image::SynthImage& b, int seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    EXPECT_EQ(a.parts, b.parts);
    EXPECT_EQ(a.system.masterTune(), b.system.masterTune());
    EXPECT_EQ(a.system.masterVolume, b.system.masterVolume);
    EXPECT_EQ(a.system.transpose, b.system.transpose);
    EXPECT_EQ(a.reverb.typeIndex, b.reverb.typeIndex);
    EXPECT_EQ(a.chorus.typeIndex, b.chorus.typeIndex);
    EXPECT_EQ(a.variation.typeIndex, b.variation.typeIndex);
    EXPECT_EQ(a.reverb.current, b.reverb.current);
    EXPECT_EQ(a.chorus.current, b.chorus.current);
    EXPECT_EQ(a.variation.current, b.variation.current);
    for (std::size_t s = 0; s < 2; ++s) {
        EXPECT_EQ(a.drums[s].kit, b.drums[s].kit);
        EXPECT_EQ(a.drums[s].slotCount, b.drums[s].slotCount);
        EXPECT_EQ(a.drums[s].table, b.drums[s].table);
    }
    EXPECT_EQ(a.userVoiceKind, b.userVoiceKind);
    for (int p = 0; p < image::kPartCount; ++p) {
        if (!a.hasUserVoice(p)) continue;
        const auto i = static_cast<std::size_t>(p);
        EXPECT_TRUE(std::equal(a.partVoices[i].begin() + 9, a.partVoices[i].begin() + 390,
                               b.partVoices[i].begin() + 9))
            << "voice of part " << p + 1;
    }
}

SynthType typeOfSeed(int seed) {
    return seed % 3 == 0 ? SynthType::Db50 : seed % 3 == 1 ? SynthType::Qs300 : SynthType::OtherXg;
}

// Every section of a fresh image edited at random, as a user of that module could.
std::unique_ptr<image::SynthImage> randomlyEdited(int seed, SynthType type) {
    auto image = settest::freshImage();
    Editor edit{std::mt19937(static_cast<unsigned>(seed)), *image, type};
    edit.parts();
    edit.userVoices();
    edit.system();
    edit.effect(image->reverb, image::kReverbTypeCount);
    edit.effect(image->chorus, image::kChorusTypeCount);
    edit.effect(image->variation, image::kVariationTypeCount);
    edit.drums();
    return image;
}

TEST(SetRoundTrip, ASavedSetLoadsBackAsTheSameImage) {
    for (int seed = 0; seed < 150; ++seed) {
        const SynthType type = typeOfSeed(seed);
        const auto image = randomlyEdited(seed, type);

        const auto blank = settest::freshImage();
        const auto loaded =
            files::readSetBytes(bytesOf(*image, files::SetKind::Set, type, seed % 2),
                                files::SetKind::Set, *blank, type);
        expectSameImage(*image, *loaded.image, seed);
        if (HasFailure()) return;
    }
}

TEST(SetRoundTrip, AnExportedSysExStreamImportsAsTheSameImage) {
    for (int seed = 0; seed < 60; ++seed) {
        const SynthType type = typeOfSeed(seed);
        const auto image = randomlyEdited(seed + 1000, type);

        files::SetWriteOptions options;
        options.type = type;
        options.multiParameterChange = seed % 2 == 0;
        auto stream =
            files::buildSysExStream(*image, files::sectionsOf(files::SetKind::Set), options);
        // Librarians pad between messages; padding is skipped.
        stream.insert(stream.begin(), {0x00, 0x00});
        const auto blank = settest::freshImage();
        const auto loaded = files::readSysExBytes(stream, files::SetKind::Set, *blank, type);
        expectSameImage(*image, *loaded.image, seed);
        EXPECT_TRUE(loaded.notices.empty()) << seed;
        if (HasFailure()) return;
    }
}

TEST(SetReader, ABrokenFileRaisesTheContainerErrorAndLeavesTheImageAlone) {
    auto image = settest::freshImage();
    image->part(2, off::kPan) = 10;
    image->reverb.typeIndex = 0;
    auto bytes = bytesOf(*image, files::SetKind::Set, SynthType::Db50);
    bytes.resize(bytes.size() - 5);
    const auto before = std::make_unique<image::SynthImage>(*image);
    EXPECT_THROW(files::readSetBytes(bytes, files::SetKind::Set, *image, SynthType::Db50),
                 files::EMidiData);
    EXPECT_EQ(image->parts, before->parts);
    EXPECT_EQ(image->reverb.typeIndex, 0);
}

TEST(SetReader, ASequencerSongIsAppliedLikeASet) {
    Bytes track;
    // GM on, a tempo, notes with running status, then XG part changes and a foreign dump.
    sysexEvent(track, 0, {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7});
    testsmf::append(track, {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x0E, 0x20, 0xF7});
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x09, 0x08, 0x05, 0xF7});
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x30, 0x02, 0xF7});
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x29, 0x02, 0xF7}); // no such
    sysexEvent(track, 0,
               {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x10, 0x0E, 0x02, 0xF7}); // a seventeenth part
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x0C, 0x50, 0xF7});
    sysexEvent(track, 0, {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7});
    testsmf::append(track, {0x00, 0x91, 60, 100, 0x60, 62, 100, 0x00, 0xFF, 0x2F, 0x00});
    const auto blank = settest::freshImage();
    const auto loaded =
        files::readSetBytes(sequencerFile(track), files::SetKind::Set, *blank, SynthType::Db50);
    auto expected = settest::freshImage();
    expected->part(1, off::kPan) = 0x20;
    expected->part(1, off::kDetune) = 0x85;
    expected->part(1, 41) = 2;
    EXPECT_EQ(loaded.image->parts, expected->parts);
    // The reverb return level alone keeps the reverb type.
    EXPECT_EQ(loaded.image->reverb.typeIndex, image::kDefaultReverbType);
    EXPECT_EQ(loaded.image->reverb.current[12], 0x50);
    EXPECT_EQ(loaded.counters.parts, 3);
    EXPECT_EQ(loaded.counters.effects[0], 1);
    EXPECT_EQ(loaded.madeFor, files::MadeFor::Qs300);
}

TEST(SetReader, EachKindTakesOnlyItsSections) {
    auto image = settest::freshImage();
    image->part(0, off::kPan) = 3;
    image->chorus.typeIndex = 0;
    image->drums[0].table[30][4] ^= 1;
    const auto file = bytesOf(*image, files::SetKind::Set, SynthType::Db50);
    auto current = settest::freshImage();
    current->part(5, off::kVolume) = 7;

    const auto fx = files::readSetBytes(file, files::SetKind::Fx, *current, SynthType::Db50);
    EXPECT_EQ(fx.image->parts, current->parts);
    EXPECT_EQ(fx.image->chorus.typeIndex, 0);
    EXPECT_EQ(fx.image->drums[0].table, current->drums[0].table);

    const auto drums = files::readSetBytes(file, files::SetKind::Drums, *current, SynthType::Db50);
    EXPECT_EQ(drums.image->parts, current->parts);
    EXPECT_EQ(drums.image->chorus.typeIndex, current->chorus.typeIndex);
    EXPECT_EQ(drums.image->drums[0].table, image->drums[0].table);
    EXPECT_EQ(drums.counters.drums[0], 1);

    // A set starts from a reset image: the part edited before the load is gone.
    const auto set = files::readSetBytes(file, files::SetKind::Set, *current, SynthType::Db50);
    EXPECT_EQ(set.image->parts, image->parts);
}

TEST(SetReader, ASongThatChangesTheKitAfterDrumValuesPlaysTheNewKit) {
    Bytes track;
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4C, 0x30, 36, 0x02, 0x11, 0xF7});
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x09, 0x03, 25, 0xF7});
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4C, 0x30, 38, 0x02, 0x22, 0xF7});
    testsmf::append(track, {0x00, 0xFF, 0x2F, 0x00});
    const auto blank = settest::freshImage();
    const auto loaded =
        files::readSetBytes(sequencerFile(track), files::SetKind::Set, *blank, SynthType::Db50);
    image::DrumTable analog;
    image::loadKitReference(analog, 25);
    analog[38 - 13][2] = 0x22;
    EXPECT_EQ(loaded.image->drums[0].kit, 25);
    EXPECT_EQ(loaded.image->drums[0].table, analog);
}

TEST(SetReader, DrumFilesSelectTheirKitsByTheMapTexts) {
    auto image = settest::freshImage();
    image->part(9, off::kProgram) = 40; // Brush kit
    image::resetDrumSetups(*image);
    image::loadKitReference(image->drums[0].table, 40);
    image->drums[0].table[0][0] = 1;
    const auto file = bytesOf(*image, files::SetKind::Drums, SynthType::Db50);
    // The current image plays the Standard Kit; the file's map decides.
    const auto current = settest::freshImage();
    const auto loaded = files::readSetBytes(file, files::SetKind::Drums, *current, SynthType::Db50);
    EXPECT_EQ(loaded.image->drums[0].kit, 40);
    EXPECT_EQ(loaded.image->drums[0].table, image->drums[0].table);
    image::DrumTable brush;
    image::loadKitReference(brush, 40);
    EXPECT_EQ(loaded.image->drums[0].module, brush);
    // Setup 2 is not in the file: the first kit of the list.
    EXPECT_EQ(loaded.image->drums[1].kit, 0);
}

// A voice of four elements: element switch 0x0F.
void giveFourElementVoice(image::SynthImage& image, int part, int program) {
    const auto i = static_cast<std::size_t>(part);
    image.part(part, off::kBankMsb) = image::kBankQsUserVoice;
    image.part(part, off::kProgram) = static_cast<image::Byte>(program);
    image.userVoiceKind[i] = image::kSinglePartVoice;
    auto& dump = image.partVoices[i];
    dump[9 + image::kVoiceElementSwitchByte] = 0x0F;
    for (int b = 0; b < 80; ++b) {
        dump[static_cast<std::size_t>(9 + 61 + b)] = 1;
        dump[static_cast<std::size_t>(9 + 61 + 160 + b)] = 3;
    }
}

TEST(SetReader, FourElementVoicesOfAQs300SetSpreadOverTwoPartsOnADb50) {
    auto image = settest::freshImage();
    giveFourElementVoice(*image, 2, 2);
    giveFourElementVoice(*image, 5, 5);
    const auto file = bytesOf(*image, files::SetKind::Set, SynthType::Qs300);
    const auto loaded =
        files::readSetBytes(file, files::SetKind::Set, *settest::freshImage(), SynthType::Db50);
    // The numbers are those the user sees, counted from one.
    const auto number = [](int n) { return std::to_string(n); };
    EXPECT_EQ(loaded.notices,
              (std::vector<std::string>{
                  "Part " + number(4) + " Plays The Upper 2 Elements Of Part " + number(3) + " !",
                  "QS Voice In Part " + number(6) + " Is Set To 2 Elements !"}));
    const auto& result = *loaded.image;
    EXPECT_EQ(result.userVoiceKind[2], image::kTwoPartVoice);
    EXPECT_EQ(result.userVoiceKind[3], image::kXgVoice);
    EXPECT_TRUE(result.pairFlagLow[3] && result.pairFlagHigh[3]);
    const auto& upper = result.partVoices[3];
    EXPECT_EQ(upper[9 + image::kVoiceElementSwitchByte], 0x03);
    EXPECT_EQ(upper[7], 3);
    EXPECT_EQ(upper[9 + 61], 3); // element 3 became element 1
    EXPECT_EQ(result.part(3, off::kReceiveChannel), 2);
    EXPECT_EQ(result.part(3, off::kProgram), 3);
    EXPECT_EQ(result.part(3, off::kBankLsb), 0);
    EXPECT_EQ(result.partVoices[5][9 + image::kVoiceElementSwitchByte], 0x03);
    EXPECT_EQ(result.userVoiceKind[5], image::kSinglePartVoice);
}

TEST(SetReader, ADb50PairLoadsBackWithTheUpperHalfAsTheUserLeftIt) {
    auto image = settest::freshImage();
    giveFourElementVoice(*image, 4, 4);
    giveFourElementVoice(*image, 5, 5);
    // The upper half as the board holds it, panned apart from the lower one.
    image->userVoiceKind[5] = image::kXgVoice;
    image->pairFlagLow[5] = image->pairFlagHigh[5] = 1;
    image->partVoices[5][9 + image::kVoiceElementSwitchByte] = 0x03;
    image->part(5, off::kPan) = 100;
    image->part(5, off::kReceiveChannel) = 4;
    image->userVoiceKind[4] = image::kTwoPartVoice;
    const auto file = bytesOf(*image, files::SetKind::Set, SynthType::Db50);
    const auto loaded =
        files::readSetBytes(file, files::SetKind::Set, *settest::freshImage(), SynthType::Db50);
    EXPECT_TRUE(loaded.notices.empty());
    EXPECT_EQ(loaded.image->parts, image->parts);
    EXPECT_EQ(loaded.image->userVoiceKind, image->userVoiceKind);
    EXPECT_EQ(loaded.image->pairFlagLow, image->pairFlagLow);
    EXPECT_TRUE(std::equal(image->partVoices[5].begin() + 9, image->partVoices[5].begin() + 390,
                           loaded.image->partVoices[5].begin() + 9));
}

TEST(SetReader, ADb50PairLoadsOnAQs300AsOneFourElementPart) {
    auto image = settest::freshImage();
    giveFourElementVoice(*image, 0, 0);
    giveFourElementVoice(*image, 1, 1);
    image->part(1, off::kPan) = 5;
    const auto file = bytesOf(*image, files::SetKind::Set, SynthType::Db50);
    const auto loaded =
        files::readSetBytes(file, files::SetKind::Set, *settest::freshImage(), SynthType::Qs300);
    EXPECT_TRUE(loaded.notices.empty());
    EXPECT_EQ(loaded.image->userVoiceKind[0], image::kSinglePartVoice);
    EXPECT_EQ(loaded.image->part(0, off::kBankLsb), 1);
    EXPECT_EQ(loaded.image->userVoiceKind[1], image::kXgVoice);
    for (int o = 0; o < image::kPartRecordSize; ++o)
        EXPECT_EQ(loaded.image->part(1, o), image::ExpectedPartValue(1, o)) << "offset " << o;
}

TEST(SetReader, UnknownAndMalformedMessagesAreSkipped) {
    Bytes track;
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x0E, 0xF7});       // too short
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4B, 0x08, 0x01, 0x0E, 0x20, 0xF7}); // other model
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4C, 0x30, 0x05, 0x10, 0x20, 0xF7}); // param 16
    sysexEvent(track, 0, {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x16, 0x20, 0xF7}); // no address
    testsmf::append(track, {0x00, 0xFF, 0x01, 0x07});
    testsmf::appendText(track, "MAP1=99");
    testsmf::append(track, {0x00, 0xFF, 0x2F, 0x00});
    const auto blank = settest::freshImage();
    const auto loaded =
        files::readSetBytes(sequencerFile(track), files::SetKind::Set, *blank, SynthType::Db50);
    EXPECT_EQ(loaded.counters.total(), 0);
    EXPECT_EQ(loaded.image->parts, blank->parts);
    EXPECT_EQ(loaded.image->drums[0].table, blank->drums[0].table);
}

} // namespace
