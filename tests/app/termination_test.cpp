// The program ended from outside (a desktop logout, `kill`, Ctrl+C) closes the way "&Exit"
// does: the configuration is written and the process ends.

#include "app_test_support.h"
#include "child_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace app {
namespace {

using namespace std::chrono_literals;

// Long enough for a loaded build machine; a healthy run takes a fraction of a second.
constexpr auto kPatience = 30s;

// Whether the process has installed a handler for the signal yet (Linux shows it in
// /proc). Where that cannot be read, a short wait stands in.
bool catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    if (!status) {
        std::this_thread::sleep_for(2s);
        return true;
    }
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) != 0) continue;
        const auto mask = std::stoull(line.substr(7), nullptr, 16);
        return (mask >> (signal - 1) & 1) != 0;
    }
    return false;
}

int waitForEnd(pid_t pid) {
    return childprocess::waitForEnd(pid, kPatience);
}

pid_t startProgram(const std::filesystem::path& baseDir) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string program = XGORVO_PROGRAM_PATH;
    const std::string base = baseDir.string();
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("--base-dir"),
                    const_cast<char*>(base.c_str()), nullptr};
    pid_t pid = -1;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return -1;
    return pid;
}

TEST(Termination, SigtermAndSigintCloseLikeExitAndWriteTheConfiguration) {
    for (const int signal : {SIGTERM, SIGINT}) {
        testing::ScratchDir dir;
        // No devices to open: the program starts without asking anything.
        dir.writeIni("[Port]\nIn=NONE\nOut=NONE\n[Synth]\nTimeout=3\n");
        const pid_t pid = startProgram(dir.path());
        ASSERT_GT(pid, 0);
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!catches(pid, signal) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(20ms);
        ::kill(pid, signal);
        EXPECT_EQ(waitForEnd(pid), 0) << "signal " << signal;
        const auto ini = dir.readIni();
        EXPECT_NE(ini.find("Etop="), std::string::npos) << "signal " << signal << ":\n" << ini;
        EXPECT_NE(ini.find("Timeout=3"), std::string::npos) << ini;
    }
}

} // namespace
} // namespace app
