// "xg-orvo-tool module" run as a user runs it: the program's backend finds its two ports,
// gets answers from it, and a termination signal ends it cleanly.

#include "integration/jack_peer.h"

#include "image/image_init.h"
#include "midi/block_dumps.h"
#include "midi/clock.h"
#include "midi/midi_port.h"
#include "midi/rtmidi/rtmidi_backend.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using namespace jackpeer;

constexpr auto kPatience = 20s;

pid_t startTool(const std::string& portName) {
    const std::string tool = XGORVO_TOOL_PATH;
    char* argv[] = {const_cast<char*>(tool.c_str()), const_cast<char*>("module"),
                    const_cast<char*>("--port"),     const_cast<char*>(portName.c_str()),
                    const_cast<char*>("--quiet"),    nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = ::posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed != 0 ? -1 : pid;
}

// The exit status, or -1 when the tool did not end by itself and had to be killed.
int waitForEnd(pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(20ms);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return -1;
}

struct ToolLines {
    int output = -1;
    int input = -1;
};

// Waits until the port dialog lists both of the module's ports.
ToolLines waitForLines(midi::MidiPort& port, const std::string& name) {
    ToolLines lines;
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        port.FillDeviceLists();
        lines.output = lineOf(port.outputLines(), "JACK: " + name + ":MIDI In");
        lines.input = lineOf(port.inputLines(), "JACK: " + name + ":MIDI Out");
        if (lines.output >= 2 && lines.input >= 1) break;
        std::this_thread::sleep_for(50ms);
    }
    return lines;
}

bool serverRuns() {
    Received unused;
    return peerInput(unused, "ToolModuleProbe") != nullptr;
}

TEST(ModuleTool, AnswersTheProgramAndEndsCleanlyOnSigterm) {
    if (!serverRuns()) SKIP_OR_FAIL_WITHOUT_SERVER();
    const pid_t pid = startTool("ToolModule");
    ASSERT_GT(pid, 0);
    {
        midi::RtMidiBackend backend;
        midi::SteadyClock clock;
        midi::MidiPort port(backend, clock);
        const auto lines = waitForLines(port, "ToolModule");
        ASSERT_GE(lines.output, 2) << "the module's input is not listed";
        ASSERT_GE(lines.input, 1) << "the module's output is not listed";
        Received received;
        port.setInputHandler([&](midi::Bytes m) {
            std::lock_guard lock(received.mutex);
            received.messages.emplace_back(m.begin(), m.end());
        });
        port.OpenMidiOut(midi::MidiPort::outputIdOfLine(lines.output));
        port.OpenMidiIn(midi::MidiPort::inputIdOfLine(lines.input));

        port.SendLong(Msg{0xF0, 0x43, 0x10, 0x4C, 0x08, 0x01, 0x0B, 0x3C, 0xF7});
        port.SendLong(Msg{0xF0, 0x43, 0x20, 0x4C, 0x08, 0x01, 0x00, 0xF7});

        auto expected = std::make_unique<image::SynthImage>();
        image::initialiseImage(*expected);
        expected->part(1, image::offset::kVolume) = 0x3C;
        midi::XgTemplates templates;
        midi::fillPartDumpA(templates.partDumpA, *expected, 1, midi::SynthType::OtherXg);
        EXPECT_EQ(received.waitFor(1),
                  std::vector<Msg>{Msg(templates.partDumpA.begin(), templates.partDumpA.end())});
    }
    ::kill(pid, SIGTERM);
    EXPECT_EQ(waitForEnd(pid), 0);
}

TEST(ModuleTool, CtrlCEndsItAndTakesItsPortsAway) {
    if (!serverRuns()) SKIP_OR_FAIL_WITHOUT_SERVER();
    const pid_t pid = startTool("ToolModuleStop");
    ASSERT_GT(pid, 0);
    midi::RtMidiBackend backend;
    midi::SteadyClock clock;
    midi::MidiPort port(backend, clock);
    ASSERT_GE(waitForLines(port, "ToolModuleStop").output, 2);
    ::kill(pid, SIGINT);
    EXPECT_EQ(waitForEnd(pid), 0);
    port.FillDeviceLists();
    EXPECT_EQ(lineOf(port.outputLines(), "JACK: ToolModuleStop:MIDI In"), -1);
}

} // namespace
