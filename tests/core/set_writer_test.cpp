#include "core/set_test_support.h"
#include "files/set_writer.h"
#include "image/drum_kits.h"
#include "image/part_defaults.h"

#include <gtest/gtest.h>

namespace {

using settest::Bytes;
using settest::Event;
using namespace std::string_literals;
namespace off = image::offset;

files::TxMidiData write(const image::SynthImage& image, files::SetKind kind = files::SetKind::Set,
                        files::SetWriteOptions options = {}) {
    return files::buildSetFile(image, files::sectionsOf(kind), options);
}

const Bytes kSystemOn{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7};

Bytes partParam(int part, int address, int value) {
    return {0xF0,
            0x43,
            0x10,
            0x4C,
            0x08,
            std::uint8_t(part),
            std::uint8_t(address),
            std::uint8_t(value),
            0xF7};
}

// What the tenth part's voice group looks like whenever the parts go as single changes.
std::vector<Bytes> drumPartGroup() {
    return {partParam(9, 7, 2), partParam(9, 1, 127), partParam(9, 2, 0), partParam(9, 3, 0)};
}

TEST(SetWriter, AResetImageWritesTheOpeningEventsAndTheEndOnly) {
    const auto image = settest::freshImage();
    for (auto kind : {files::SetKind::Set, files::SetKind::Fx, files::SetKind::Drums}) {
        const auto file = write(*image, kind);
        EXPECT_EQ(file.format(), 1);
        EXPECT_EQ(file.division(), 180);
        EXPECT_EQ(file.trackCount(), 1u);
        EXPECT_EQ(settest::eventsOf(file),
                  (std::vector<Event>{{0, {0xFF, 0x21, 0x00}},
                                      {0, settest::text(0x03, "XG-Orvo\0"s)},
                                      {0, kSystemOn},
                                      {10, settest::text(0x01, "DB\0"s)},
                                      {24, {0xFF, 0x2F}}}));
    }
    files::SetWriteOptions qs;
    qs.type = midi::SynthType::Qs300;
    EXPECT_EQ(settest::eventsOf(write(*image, files::SetKind::Set, qs))[3].bytes,
              settest::text(0x01, "QS\0"s));
}

TEST(SetWriter, FiveChangesOfABlockGoAsParameterChangesSixAsOneDump) {
    auto image = settest::freshImage();
    const int changed[] = {off::kVolume, off::kPan, 17, 18, 19, 20};
    for (int i = 0; i < 5; ++i) image->part(0, changed[i]) = 101;
    std::vector<Bytes> expected{kSystemOn};
    for (int i = 0; i < 5; ++i) expected.push_back(partParam(0, changed[i], 101));
    for (const auto& m : drumPartGroup()) expected.push_back(m);
    EXPECT_EQ(settest::sysexOf(write(*image)), expected);

    image->part(0, changed[5]) = 101;
    Bytes dumpA{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x29, 0x08, 0x00, 0x00};
    for (int o = 0; o <= 40; ++o) dumpA.push_back(image->part(0, o));
    dumpA[9 + off::kDetune] = image->part(0, off::kDetune) >> 4;
    dumpA[9 + off::kDetuneFiller] = image->part(0, off::kDetune) & 0x0F;
    dumpA.push_back(0);
    dumpA.push_back(0xF7);
    const auto written = settest::sysexOf(write(*image));
    ASSERT_EQ(written.size(), 6u);
    EXPECT_EQ(written[1], settest::withChecksum(dumpA));
    // The dump goes at the counter and moves it by 8; the tenth part follows.
    const auto events = settest::eventsOf(write(*image));
    EXPECT_EQ(events[4].time, 14u);
    EXPECT_EQ(events[5].time, 22u);
}

TEST(SetWriter, ProgramChangeSendsTheWholeVoiceGroupAndDetuneTwoBytes) {
    auto image = settest::freshImage();
    image->part(2, off::kProgram) = 5;
    image->part(2, off::kDetune) = 0x85;
    image->part(2, 41) = 0; // receive pitch bend, address 30
    EXPECT_EQ(settest::sysexOf(write(*image)),
              (std::vector<Bytes>{kSystemOn,
                                  partParam(2, 7, 0),
                                  partParam(2, 1, 0),
                                  partParam(2, 2, 0),
                                  partParam(2, 3, 5),
                                  {0xF0, 0x43, 0x10, 0x4C, 0x08, 0x02, 0x09, 0x08, 0x05, 0xF7},
                                  partParam(2, 0x30, 0),
                                  drumPartGroup()[0],
                                  drumPartGroup()[1],
                                  drumPartGroup()[2],
                                  drumPartGroup()[3]}));
}

TEST(SetWriter, SystemBlockAndEffectsOnlyWhenTheyDiffer) {
    auto image = settest::freshImage();
    image->system.setMasterTune(0x0123);
    image->system.transpose = 60;
    image->reverb.typeIndex = 0;
    image->variation.current[2] = 0x11;
    const auto written = settest::sysexOf(write(*image));
    const Bytes variationA = [&] {
        Bytes dump{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x21, 0x02, 0x01, 0x40};
        dump.insert(dump.end(), image->variation.current.begin(),
                    image->variation.current.begin() + 33);
        dump.push_back(0);
        dump.push_back(0xF7);
        return settest::withChecksum(dump);
    }();
    const Bytes variationB = [&] {
        Bytes dump{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x06, 0x02, 0x01, 0x70};
        dump.insert(dump.end(), image->variation.current.begin() + 33,
                    image->variation.current.end());
        dump.push_back(0);
        dump.push_back(0xF7);
        return settest::withChecksum(dump);
    }();
    EXPECT_EQ(written, (std::vector<Bytes>{
                           kSystemOn,
                           {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03, 0xF7},
                           {0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x06, 60, 0xF7},
                           {0xF0, 0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x00, 0x00, 0xF7},
                           variationA,
                           variationB}));
    // An effect file carries the effects only, a drum file none of them.
    EXPECT_EQ(settest::sysexOf(write(*image, files::SetKind::Fx)).size(), 4u);
    EXPECT_EQ(settest::sysexOf(write(*image, files::SetKind::Drums)).size(), 1u);
}

TEST(SetWriter, DrumKeysWithUpToThreeChangesGoAsChangesMoreAsOneDump) {
    auto image = settest::freshImage();
    auto& setup = image->drums[0];
    ASSERT_EQ(setup.kit, 0);
    // The key of note 36 (slot 23) gets three changes, note 38 (slot 25) four.
    for (int j : {0, 2, 4}) setup.table[23][static_cast<std::size_t>(j)] ^= 1;
    for (int j : {1, 3, 5, 7}) setup.table[25][static_cast<std::size_t>(j)] ^= 1;
    std::vector<Bytes> expected{kSystemOn};
    for (int j : {0, 2, 4})
        expected.push_back({0xF0, 0x43, 0x10, 0x4C, 0x30, 36, std::uint8_t(j),
                            setup.table[23][static_cast<std::size_t>(j)], 0xF7});
    Bytes dump{0xF0, 0x43, 0x00, 0x4C, 0x00, 0x10, 0x30, 38, 0x00};
    dump.insert(dump.end(), setup.table[25].begin(), setup.table[25].end());
    dump.push_back(0);
    dump.push_back(0xF7);
    expected.push_back(settest::withChecksum(dump));
    EXPECT_EQ(settest::sysexOf(write(*image, files::SetKind::Drums)), expected);
    const auto events = settest::eventsOf(write(*image, files::SetKind::Drums));
    EXPECT_EQ(events[4].bytes, settest::text(0x01, "MAP1=0\0"s));
}

TEST(SetWriter, SfxKitKeysAreWrittenByTheirMappedNotes) {
    auto image = settest::freshImage();
    image->part(9, off::kBankMsb) = image::kBankSfxKit;
    image->part(9, off::kProgram) = 1;
    image->part(3, off::kPartMode) = 3;
    image->part(3, off::kBankMsb) = image::kBankDrumKit;
    image->part(3, off::kProgram) = 25;
    image::resetDrumSetups(*image);
    ASSERT_EQ(image->drums[0].kit, image::kSfx2Kit);
    for (auto& setup : image->drums) image::loadKitReference(setup.table, setup.kit);
    image->drums[0].table[3][2] ^= 1;  // note 39
    image->drums[1].table[0][15] ^= 1; // Analog kit, note 13
    const auto events = settest::eventsOf(write(*image, files::SetKind::Drums));
    ASSERT_EQ(events.size(), 9u);
    EXPECT_EQ(events[4].bytes, settest::text(0x01, "MAP1=10\0"s));
    EXPECT_EQ(events[5].bytes, settest::text(0x01, "MAP2=5\0"s));
    EXPECT_EQ(events[6].bytes,
              (Bytes{0xF0, 0x43, 0x10, 0x4C, 0x30, 39, 2, image->drums[0].table[3][2], 0xF7}));
    EXPECT_EQ(events[7].bytes,
              (Bytes{0xF0, 0x43, 0x10, 0x4C, 0x31, 13, 15, image->drums[1].table[0][15], 0xF7}));
    EXPECT_EQ(events[8].time, events[7].time + 14);
}

TEST(SetWriter, UserVoicesGoFirstAsDumpsAndTheirPartsAskForThem) {
    auto image = settest::freshImage();
    image->part(4, off::kBankMsb) = image::kBankQsUserVoice;
    image->part(4, off::kProgram) = 77;
    image->userVoiceKind[4] = image::kSinglePartVoice;
    files::SetWriteOptions options;
    options.type = midi::SynthType::Qs300;
    options.device = 3;
    const auto events = settest::eventsOf(write(*image, files::SetKind::Set, options));
    const auto& dump = events[4].bytes;
    ASSERT_EQ(dump.size(), 392u);
    EXPECT_EQ(dump[2], 0x03);
    EXPECT_EQ(dump[7], 4);
    EXPECT_EQ(settest::withChecksum(dump), dump);
    EXPECT_EQ(events[5].time, events[4].time + 100);
    // Part mode, bank MSB, bank LSB 1 on a QS300, program = part number.
    const auto msg = [](int a, int v) {
        return Bytes{0xF0, 0x43, 0x13, 0x4C, 0x08, 4, std::uint8_t(a), std::uint8_t(v), 0xF7};
    };
    EXPECT_EQ(events[5].bytes, msg(7, 0));
    EXPECT_EQ(events[6].bytes, msg(1, 63));
    EXPECT_EQ(events[7].bytes, msg(2, 1));
    EXPECT_EQ(events[8].bytes, msg(3, 4));
}

} // namespace
