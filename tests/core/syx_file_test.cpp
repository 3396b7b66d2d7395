#include "commands.h"
#include "core/message_rig.h"
#include "core/set_test_support.h"
#include "core/temp_folder.h"
#include "core/tool_run.h"
#include "files/atomic_file.h"
#include "files/errors.h"
#include "files/set_load.h"
#include "files/set_writer.h"
#include "files/syx_file.h"
#include "image/part_defaults.h"
#include "midi/memory_backend.h"

#include <gtest/gtest.h>

namespace {

using settest::Bytes;
namespace off = image::offset;

std::vector<Bytes> split(const Bytes& stream) {
    std::vector<Bytes> out;
    for (const auto m : files::splitSysEx(stream)) out.emplace_back(m.begin(), m.end());
    return out;
}

TEST(SysExStream, SplitsMessagesAndSkipsPaddingBetweenThem) {
    EXPECT_EQ(split({0x00, 0xF0, 0x43, 0xF7, 0x7F, 0x00, 0xF0, 0x01, 0x02, 0xF7, 0x00}),
              (std::vector<Bytes>{{0xF0, 0x43, 0xF7}, {0xF0, 0x01, 0x02, 0xF7}}));
    // A cut-short message, a status byte inside a message, nothing at all: the file is broken.
    for (const Bytes& broken : {Bytes{0xF0, 0x43, 0xF7, 0xF0, 0x43, 0x10},
                                Bytes{0xF0, 0x43, 0x90, 0x40, 0xF7}, Bytes{}, Bytes{0x00, 0x7F}})
        EXPECT_THROW(files::splitSysEx(broken), files::EMidiData);
}

TEST(SysExStream, HoldsExactlyTheSetFilesMessages) {
    auto image = settest::freshImage();
    image->part(2, off::kPan) = 20;
    image->drums[1].table[10][2] = 33;
    files::SetWriteOptions options;
    const auto sections = files::sectionsOf(files::SetKind::Set);
    const auto stream = files::buildSysExStream(*image, sections, options);
    EXPECT_EQ(split(stream), settest::sysexOf(files::buildSetFile(*image, sections, options)));
}

struct SysExImport : ::testing::Test, testrig::MessageRig {
    testfiles::TempFolder folder{"syx_import"};
};

TEST_F(SysExImport, ABrokenFileLeavesTheImageAloneAndSendsNothing) {
    auto source = settest::freshImage();
    source->part(4, off::kVolume) = 11;
    auto stream = files::buildSysExStream(*source, files::sectionsOf(files::SetKind::Set), {});
    stream.resize(stream.size() - 3);
    const auto path = folder / "cut.syx";
    files::writeFileAtomically(path, stream);
    image->part(0, off::kPan) = 5;
    const auto before = image->parts;
    EXPECT_THROW(files::loadSysExInto(path, *image, port, xg), files::EMidiData);
    EXPECT_EQ(image->parts, before);
    EXPECT_EQ(backend.sentCount(), 0u);
}

TEST_F(SysExImport, AWholeFileBecomesTheImageAndGoesOut) {
    auto source = settest::freshImage();
    source->part(4, off::kVolume) = 11;
    const auto path = folder / "whole.syx";
    files::saveSysExFile(path, *source, files::sectionsOf(files::SetKind::Set), {});
    files::loadSysExInto(path, *image, port, xg);
    EXPECT_EQ(image->part(4, off::kVolume), 11);
    EXPECT_GT(backend.sentCount(), 0u);
}

TEST(SysExTool, SetToSysExAndBackKeepsEveryValue) {
    testfiles::TempFolder folder{"syx_tool"};
    auto image = settest::freshImage();
    image->part(2, off::kPan) = 20;
    image->system.masterVolume = 100;
    image->drums[0].table[23][2] = 90;
    image->reverb.current[12] = 77;
    const auto song = (folder / "song.XGS").string();
    const auto syx = (folder / "song.syx").string();
    const auto back = (folder / "back.XGS").string();
    files::saveSetFile(song, *image, files::sectionsOf(files::SetKind::Set), {});
    const auto run = [](std::string_view name, std::vector<std::string> args) {
        return toolrun::run(tool::setCommands(), name, std::move(args));
    };
    EXPECT_EQ(run("set2syx", {song, syx}).status, 0);
    EXPECT_EQ(run("syx2set", {syx, back}).status, 0);
    const auto original = run("set-info", {song});
    const auto roundTrip = run("set-info", {back});
    EXPECT_NE(original.out.find("Pan = 20"), std::string::npos) << original.out;
    EXPECT_EQ(original.out, roundTrip.out);
    EXPECT_THROW(run("syx2set", {(folder / "missing.syx").string(), back}), files::EFileError);
    EXPECT_EQ(run("set2syx", {song}).status, 2);
}

} // namespace
