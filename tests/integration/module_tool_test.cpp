// "xg-orvo-tool module" run as a user runs it: the program's backend finds its two ports,
// gets answers from it, and a termination signal ends it cleanly.

#include "child_process.h"
#include "integration/editor_side.h"

#include "image/image_init.h"
#include "midi/block_dumps.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

extern char** environ;

namespace {

using namespace jackpeer;

constexpr auto kPatience = 20s;

// The tool as a user starts it; a test that stops early does not leave it running.
class RunningTool {
  public:
    explicit RunningTool(const std::string& portName) {
        const std::string tool = XGORVO_TOOL_PATH;
        char* argv[] = {const_cast<char*>(tool.c_str()), const_cast<char*>("module"),
                        const_cast<char*>("--port"),     const_cast<char*>(portName.c_str()),
                        const_cast<char*>("--quiet"),    nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        if (::posix_spawn(&pid_, tool.c_str(), &actions, nullptr, argv, environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~RunningTool() {
        if (pid_ > 0) childprocess::waitForEnd(pid_, 0s);
    }
    RunningTool(const RunningTool&) = delete;
    RunningTool& operator=(const RunningTool&) = delete;

    bool started() const { return pid_ > 0; }
    // Sends the signal and returns the exit status (-1 when the tool did not end by itself).
    int end(int signal) {
        ::kill(pid_, signal);
        const int status = childprocess::waitForEnd(pid_, kPatience);
        pid_ = -1;
        return status;
    }

  private:
    pid_t pid_ = -1;
};

bool serverRuns() {
    Received unused;
    return peerInput(unused, "ToolModuleProbe") != nullptr;
}

TEST(ModuleTool, AnswersTheProgramAndEndsCleanlyOnSigterm) {
    if (!serverRuns()) SKIP_OR_FAIL_WITHOUT_SERVER();
    RunningTool tool("ToolModule");
    ASSERT_TRUE(tool.started());
    {
        EditorSide editor;
        ASSERT_TRUE(editor.open("ToolModule", kPatience)) << "the module's ports are not listed";
        editor.port.SendLong(Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x0B, 0x3C, 0xF7});
        editor.port.SendLong(Msg{0xF0, 0x43, 0x20, 0x4C, 0x08, 0x01, 0x00, 0xF7});

        auto expected = std::make_unique<image::SynthImage>();
        image::initialiseImage(*expected);
        expected->part(1, image::offset::kVolume) = 0x3C;
        midi::XgTemplates templates;
        midi::fillPartDumpA(templates.partDumpA, *expected, 1, midi::SynthType::OtherXg);
        EXPECT_EQ(editor.received.waitFor(1),
                  std::vector<Msg>{Msg(templates.partDumpA.begin(), templates.partDumpA.end())});
    }
    EXPECT_EQ(tool.end(SIGTERM), 0);
}

TEST(ModuleTool, CtrlCEndsItAndTakesItsPortsAway) {
    if (!serverRuns()) SKIP_OR_FAIL_WITHOUT_SERVER();
    RunningTool tool("ToolModuleStop");
    ASSERT_TRUE(tool.started());
    EditorSide editor;
    int out = -1;
    int in = -1;
    ASSERT_TRUE(editor.listsModule("ToolModuleStop", kPatience, out, in));
    EXPECT_EQ(tool.end(SIGINT), 0);
    EXPECT_FALSE(editor.listsModule("ToolModuleStop", 0s, out, in));
}

} // namespace
