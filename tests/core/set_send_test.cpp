#include "core/set_test_support.h"
#include "core/temp_folder.h"
#include "files/set_load.h"
#include "files/set_writer.h"
#include "image/drum_kits.h"
#include "image/part_defaults.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using settest::Bytes;
namespace off = image::offset;

struct SetSend : ::testing::Test {
    testfiles::TempFolder folder{"set_send"};
    midi::MemoryBackend backend{{}, {"Module"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = settest::freshImage();
    midi::XgMessages messages{port, *image, clock};
    files::TxMidiData container;

    void SetUp() override {
        port.FillDeviceLists();
        port.OpenMidiOut(0);
    }

    void use(midi::SynthType type) {
        midi::SynthOptions options;
        options.type = type;
        // No module answers here; the handshake has its own tests.
        options.timeoutCheck = false;
        messages.setOptions(options);
    }

    std::filesystem::path save(const image::SynthImage& source, midi::SynthType type,
                               const char* name = "song.xgs") {
        files::SetWriteOptions options;
        options.type = type;
        const auto path = folder / name;
        files::saveSetFile(path, source, files::sectionsOf(files::SetKind::Set), options);
        return path;
    }

    files::LoadReport load(const std::filesystem::path& path,
                           files::SetKind kind = files::SetKind::Set) {
        return files::loadSetInto(path, kind, container, *image, port, messages);
    }
};

Bytes dumpOf(Bytes head, const image::Byte* data, std::size_t count) {
    head.insert(head.end(), data, data + count);
    head.push_back(0);
    head.push_back(0xF7);
    return settest::withChecksum(head);
}

TEST_F(SetSend, LoadingASetResetsTheModuleAndSendsOnlyWhatDiffers) {
    use(midi::SynthType::Db50);
    auto source = settest::freshImage();
    source->part(2, off::kPan) = 20;
    source->reverb.typeIndex = 3;
    source->reverb.current = source->reverb.rows[2];
    const auto path = save(*source, midi::SynthType::Db50);
    image->currentPart = 4;
    image->part(7, off::kVolume) = 1;

    load(path);
    const auto& reverb = source->reverb.current;
    EXPECT_EQ(backend.sent(),
              (std::vector<Bytes>{
                  {0xB4, 123, 0},
                  {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7},
                  {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x0E, 20, 0xF7},
                  dumpOf({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x0E, 0x02, 0x01, 0x00}, reverb.data(), 14),
                  dumpOf({0xF0, 0x43, 0x00, 0x4C, 0x00, 0x06, 0x02, 0x01, 0x10}, reverb.data() + 14,
                         6)}));
    EXPECT_EQ(image->parts, source->parts);
    EXPECT_EQ(image->loadedParts, source->parts);
    EXPECT_EQ(image->currentPart, 0);
    EXPECT_EQ(image->reverb.typeIndex, 3);
}

TEST_F(SetSend, ABrokenFileSendsNothingAndChangesNothing) {
    use(midi::SynthType::Db50);
    auto source = settest::freshImage();
    source->part(2, off::kPan) = 20;
    const auto path = save(*source, midi::SynthType::Db50);
    std::filesystem::resize_file(path, std::filesystem::file_size(path) - 3);
    image->currentPart = 4;
    image->part(7, off::kVolume) = 1;
    const auto before = std::make_unique<image::SynthImage>(*image);

    EXPECT_ANY_THROW(load(path));
    EXPECT_TRUE(backend.sent().empty());
    EXPECT_EQ(image->parts, before->parts);
    EXPECT_EQ(image->currentPart, 4);
}

TEST_F(SetSend, UserVoicePartsAskForTheirVoiceAndKeepTheirOwnProgram) {
    use(midi::SynthType::Db50);
    auto source = settest::freshImage();
    source->part(6, off::kBankMsb) = image::kBankQsUserVoice;
    source->part(6, off::kProgram) = 6;
    source->userVoiceKind[6] = image::kSinglePartVoice;
    // Two elements: a DB-50 plays it in one part.
    source->partVoices[6][9 + image::kVoiceElementSwitchByte] = 3;
    load(save(*source, midi::SynthType::Db50));
    const auto sent = backend.sent();
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(sent[1].size(), 392u);
    EXPECT_EQ(sent[1][7], 6);
    EXPECT_EQ(sent[2], (Bytes{0xF0, 0x43, 0x10, 0x4C, 0x08, 6, 0x01, 63, 0xF7}));
    EXPECT_EQ(sent[3], (Bytes{0xF0, 0x43, 0x10, 0x4C, 0x08, 6, 0x02, 0, 0xF7}));
    EXPECT_EQ(sent[4], (Bytes{0xF0, 0x43, 0x10, 0x4C, 0x08, 6, 0x03, 6, 0xF7}));
    EXPECT_EQ(image->userVoiceKind[6], image::kSinglePartVoice);
    EXPECT_EQ(image->part(6, off::kProgram), 6);
}

TEST_F(SetSend, ADrumFileSendsTheDifferencesFromItsKit) {
    use(midi::SynthType::Db50);
    auto source = settest::freshImage();
    source->drums[0].table[23][4] = 7;
    files::SetWriteOptions options;
    const auto path = folder / "kit.XDM";
    files::saveSetFile(path, *source, files::sectionsOf(files::SetKind::Drums), options);
    load(path, files::SetKind::Drums);
    EXPECT_EQ(backend.sent(), (std::vector<Bytes>{{0xF0, 0x43, 0x10, 0x4C, 0x30, 36, 4, 7, 0xF7}}));
}

// The whole of a big set on a QS300 takes no longer than its bytes on a MIDI 1.0 cable plus
// the pauses the module needs, and 5 % more.
TEST_F(SetSend, ABigSetLeavesWithinTheCableTimeAndThePauses) {
    use(midi::SynthType::Qs300);
    auto source = settest::freshImage();
    for (int p = 0; p < image::kPartCount; ++p) {
        source->part(p, off::kVolume) = static_cast<image::Byte>(90 + p);
        source->part(p, off::kPan) = static_cast<image::Byte>(10 + p);
        source->part(p, 60) = 70; // a scale tuning
    }
    for (int p : {0, 3, 5, 12}) {
        source->part(p, off::kBankMsb) = image::kBankQsUserVoice;
        source->part(p, off::kBankLsb) = 1;
        source->part(p, off::kProgram) = static_cast<image::Byte>(p);
        source->userVoiceKind[static_cast<std::size_t>(p)] = image::kSinglePartVoice;
    }
    source->reverb.current[5] = 1;
    source->chorus.current[5] = 1;
    source->variation.current[5] = 1;
    source->part(11, off::kPartMode) = 3;
    source->part(11, off::kBankMsb) = image::kBankDrumKit;
    image::resetDrumSetups(*source);
    for (auto& setup : source->drums)
        for (std::size_t slot = 20; slot < 40; ++slot) setup.table[slot][2] ^= 1;

    const auto path = save(*source, midi::SynthType::Qs300);
    const auto start = clock.now();
    load(path);
    port.drain();
    const auto elapsed = clock.now() - start;

    const auto sent = backend.sent();
    std::size_t bytes = 0;
    int partTableMessages = 0;
    int voices = 0;
    for (const auto& m : sent) {
        bytes += m.size();
        if (m.size() == 392) ++voices;
        if (m.size() >= 5 && m[0] == 0xF0 && m[4] == 0x08) ++partTableMessages;
    }
    ASSERT_EQ(voices, 4);
    // The drum setups go too: the messages of both are in the byte count.
    const double wireMs = static_cast<double>(bytes) * 1000.0 / 3125.0;
    const double pausesMs = 50.0 + 4 * 200.0 + partTableMessages * 4.0;
    const double budgetMs = (wireMs + pausesMs) * 1.05;
    std::cout << "[ figure   ] " << sent.size() << " messages, " << bytes
              << " bytes: " << elapsed.count() << " ms against " << budgetMs << " ms (wire "
              << wireMs << " ms, pauses " << pausesMs << " ms)\n";
    EXPECT_LE(static_cast<double>(elapsed.count()), budgetMs);
    EXPECT_GE(static_cast<double>(elapsed.count()), wireMs);
}

} // namespace
