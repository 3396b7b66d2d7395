#include "commands.h"
#include "core/tool_run.h"

#include "core/smf_builder.h"
#include "core/tool_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using testsmf::append;
using testsmf::Bytes;

namespace {

using toolrun::Result;

Result run(std::string_view name, std::vector<std::string> args) {
    return toolrun::run(tool::fileCommands(), name, std::move(args));
}

class FileCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("xgorvo_cmd_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string writeFile(const std::string& name, const Bytes& bytes) const {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    fs::path dir_;
};

Bytes setFile() {
    Bytes events{0x00, 0xFF, 0x03, 0x06, 'M', 'y', ' ', 'S', 'e', 't'};
    append(events, {0x00, 0xF0, 0x08, 0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7});
    append(events, {0x81, 0x48, 0xC1, 0x05});
    append(events, {0x00, 0xB1, 0x07, 0x64, 0x00, 0x0A, 0x40});
    append(events, {0x00, 0xE1, 0x00, 0x40});
    append(events, {0x00, 0xFF, 0x2F, 0x00});
    return testsmf::file(events);
}

} // namespace

TEST_F(FileCommands, CheckSummarisesAGoodFile) {
    const auto r = run("check", {writeFile("a.XGS", setFile())});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "ok: format 1, 1 tracks, division 180, 7 events\n");
}

TEST_F(FileCommands, CheckPrintsTheErrorTextAlone) {
    const auto r = run("check", {writeFile("b.XGS", testsmf::file({0x00, 0x3C, 0x40}))});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Running Status Error\n");
    const auto wrong = run("check", {});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err, "xg-orvo-tool: usage: xg-orvo-tool check FILE\n");
}

TEST_F(FileCommands, DumpListsEveryEvent) {
    const auto r = run("dump", {writeFile("a.XGS", setFile())});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 0 Meta TrackName \"My Set\"\n"
                     "1 0 SysEx F0 43 10 4C 00 00 7E 00 F7\n"
                     "1 200 ProgramChange ch=2 program=5\n"
                     "1 200 ControlChange ch=2 ctrl=7 value=100\n"
                     "1 200 ControlChange ch=2 ctrl=10 value=64\n"
                     "1 200 PitchBend ch=2 value=8192\n"
                     "1 200 Meta EndOfTrack\n");
}

TEST_F(FileCommands, RewriteWritesTheSameEventsBack) {
    const auto in = writeFile("in.XGS", setFile());
    const auto out = (dir_ / "out.XGS").string();
    EXPECT_EQ(run("rewrite", {in, out}).status, 0);
    EXPECT_EQ(run("dump", {out}).out, run("dump", {in}).out);
    EXPECT_EQ(run("rewrite", {writeFile("bad", {'M', 'T'}), out}).err, "Invalid MIDI File ID\n");
}

TEST_F(FileCommands, ConfigPrintsEverySettingInFileOrder) {
    std::ofstream(dir_ / "XG-Orvo.INI") << "[Synth]\nTimeout=3\n[History]\n1=/s/a.XGS\n";
    const auto r = run("config", {"--base-dir", dir_.string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Port/In=X\nPort/Out=X\nPort/Device=0\nPort/Thru=1\nSynth/Type=0\n"
                          "Synth/Timeout=3\n",
                          0),
              0u);
    EXPECT_NE(r.out.find("\nSynth/Multi Parameter Chg=1\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nHelp/Language=1\nHistory/1=/s/a.XGS\n"), std::string::npos);
    EXPECT_EQ(run("config", {"--base-dir"}).status, 2);
}

TEST_F(FileCommands, TheProgramReportsFormatErrorsOnStandardError) {
    const auto bad =
        writeFile("bad.XGS", testsmf::file({0x00, 0xF0, 0x01, 0x43, 0x00, 0x90, 0x3C, 0x40}));
    const auto errFile = (dir_ / "err.txt").string();
    const std::string command =
        std::string(XGORVO_TOOL_PATH) + " check '" + bad + "' 2>'" + errFile + "' >/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_NE(status, -1);
    EXPECT_NE(status, 0);
    std::ifstream in(errFile);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "Sysex Error");
}

namespace {

// Runs the tool program itself; returns its exit status and the first line of its errors.
std::pair<int, std::string> runTool(const fs::path& dir, const std::string& arguments) {
    const auto errFile = (dir / "err.txt").string();
    const std::string command =
        std::string(XGORVO_TOOL_PATH) + ' ' + arguments + " 2>'" + errFile + "'";
    const int status = std::system(command.c_str());
    std::ifstream in(errFile);
    std::string line;
    std::getline(in, line);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, line};
}

} // namespace

TEST_F(FileCommands, RefusesAPipeInsteadOfWaitingForIt) {
    const auto pipe = dir_ / "song.mid";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const char* command : {"check", "dump"}) {
        const auto r = run(command, {pipe.string()});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "Could not open " + pipe.string() + ": it is not a regular file.\n");
    }
    EXPECT_EQ(run("rewrite", {pipe.string(), (dir_ / "out.mid").string()}).status, 1);
    EXPECT_FALSE(fs::exists(dir_ / "out.mid"));
}

TEST_F(FileCommands, RewriteReplacesOnlyARegularFile) {
    const auto in = writeFile("in.XGS", setFile());
    const auto device = dir_ / "device";
    ASSERT_EQ(::mkfifo(device.c_str(), 0600), 0); // stands for any device node
    const auto r = run("rewrite", {in, device.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Could not save " + device.string() +
                         ": it is not a regular file and is left as it is.\n");
    EXPECT_TRUE(fs::is_fifo(device));
    // Through a link: to the device, refused; to a file, that file is written.
    const auto deviceLink = dir_ / "device.XGS";
    fs::create_symlink(device, deviceLink);
    EXPECT_EQ(run("rewrite", {in, deviceLink.string()}).status, 1);
    EXPECT_TRUE(fs::is_symlink(deviceLink));
    const auto out = writeFile("out.XGS", {});
    const auto link = dir_ / "link.XGS";
    fs::create_symlink(out, link);
    EXPECT_EQ(run("rewrite", {in, link.string()}).status, 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_GT(fs::file_size(out), 0u);
}

TEST_F(FileCommands, OutputThatCannotBeWrittenIsAFailure) {
    const auto in = writeFile("a.XGS", setFile());
    const auto [status, error] = runTool(dir_, "dump '" + in + "' >/dev/full");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(error, "xg-orvo-tool: Could not write the output: the disk is full.");
    EXPECT_EQ(runTool(dir_, "dump '" + in + "' >/dev/null").first, 0);
}
