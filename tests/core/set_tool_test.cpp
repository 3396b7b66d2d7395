#include "commands.h"
#include "core/tool_run.h"
#include "set_commands.h"

#include "core/set_test_support.h"
#include "core/temp_folder.h"
#include "files/set_writer.h"
#include "image/part_defaults.h"
#include "midi/memory_backend.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

namespace off = image::offset;

using toolrun::Result;

Result run(std::string_view name, std::vector<std::string> args) {
    return toolrun::run(tool::setCommands(), name, std::move(args));
}

struct SetTool : ::testing::Test {
    testfiles::TempFolder folder{"set_tool"};
    std::string song = (folder / "song.XGS").string();

    void SetUp() override {
        auto image = settest::freshImage();
        image->part(2, off::kPan) = 20;
        image->system.masterVolume = 100;
        image->drums[0].table[23][2] = 90;
        image->reverb.current[12] = 77;
        files::saveSetFile(song, *image, files::sectionsOf(files::SetKind::Set), {});
    }
};

TEST_F(SetTool, SetInfoListsEveryAppliedValueReadably) {
    const auto result = run("set-info", {song});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("System  Master volume = 100\n"), std::string::npos);
    const auto partLine = [](int number, const std::string& rest) {
        return "Part " + std::to_string(number) + "  " + rest + "\n";
    };
    EXPECT_NE(result.out.find(partLine(3, "Pan = 20")), std::string::npos);
    EXPECT_NE(result.out.find(partLine(10, "Part mode = 2")), std::string::npos);
    EXPECT_NE(result.out.find("Reverb  02 01 0C = 77\n"), std::string::npos);
    EXPECT_NE(result.out.find("Reverb  02 01 15 = "), std::string::npos);
    EXPECT_NE(result.out.find("Drum setup 1 note 36  Level = 90\n"), std::string::npos);
    EXPECT_EQ(run("set-info", {}).status, 2);
    EXPECT_EQ(run("set-info", {"--type", "xg2000", song}).status, 2);
}

TEST_F(SetTool, SaveSetTurnsTheSetUpOfASongIntoACleanSet) {
    const auto clean = (folder / "clean.xgs").string();
    const auto result = run("save-set", {"--type", "qs300", song, clean});
    ASSERT_EQ(result.status, 0) << result.err;
    files::TxMidiData back;
    back.setFileName(clean);
    back.SetActive(true);
    const auto events = settest::eventsOf(back);
    EXPECT_EQ(events[3].bytes, settest::text(0x01, std::string("QS\0", 3)));
    EXPECT_EQ(run("save-set", {song}).status, 2);
}

TEST_F(SetTool, SendSetSendsWhatLoadSetWouldWithTheProgressOnStandardError) {
    midi::MemoryBackend backend({}, {"Synth"});
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> args{"--out", "Synth", song};
    ASSERT_EQ(tool::runSendSet(backend, args, out, err), 0) << err.str();
    const auto sent = backend.sent();
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ(sent[0], (settest::Bytes{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}));
    EXPECT_EQ(sent[1], (settest::Bytes{0xF0, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00,
                                       0x00, 0xF7}));
    EXPECT_NE(err.str().find("sending 100 %"), std::string::npos);
    EXPECT_NE(out.str().find("sent "), std::string::npos);

    std::ostringstream none;
    const std::vector<std::string> elsewhere{"--out", "Nowhere", song};
    EXPECT_EQ(tool::runSendSet(backend, elsewhere, out, none), 1);
    EXPECT_NE(none.str().find("Synth"), std::string::npos);
}

} // namespace
