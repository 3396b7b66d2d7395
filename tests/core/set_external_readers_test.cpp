// The files we write are plain Standard MIDI Files: other programs' readers take them
// without complaint and see exactly the system-exclusive events we meant to write.

#include "core/set_test_support.h"
#include "core/temp_folder.h"
#include "files/set_writer.h"
#include "image/part_defaults.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

namespace {

namespace off = image::offset;

struct Run {
    int status = -1;
    std::string out;
};

Run run(const std::string& command) {
    Run result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
    result.status = pclose(pipe);
    return result;
}

std::string hexLine(const settest::Bytes& bytes) {
    std::ostringstream out;
    char hex[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(hex, sizeof hex, "%s%02X", i == 0 ? "" : " ", bytes[i]);
        out << hex;
    }
    return out.str();
}

struct ExternalReaders : ::testing::Test {
    testfiles::TempFolder folder{"set_readers"};
    std::filesystem::path path = folder / "Busy Song.xgs";
    files::TxMidiData written;

    void SetUp() override {
        auto image = settest::freshImage();
        for (int p = 0; p < image::kPartCount; ++p) image->part(p, off::kPan) = 30;
        for (int o = 11; o < 30; ++o) image->part(3, o) = 5; // a bulk dump
        image->part(5, off::kBankMsb) = image::kBankQsUserVoice;
        image->userVoiceKind[5] = image::kSinglePartVoice;
        image->system.masterVolume = 90;
        image->chorus.current[4] = 9;
        image->drums[0].table[40].fill(3);
        image->drums[0].table[41][0] = 3;
        files::SetWriteOptions options;
        options.device = 2;
        written = files::buildSetFile(*image, files::sectionsOf(files::SetKind::Set), options);
        written.setFileName(path);
        written.Save();
    }

    std::vector<std::string> expectedSysex() const {
        std::vector<std::string> lines;
        for (const auto& m : settest::sysexOf(written)) lines.push_back(hexLine(m));
        return lines;
    }
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

TEST_F(ExternalReaders, MidoSeesExactlyTheSysexEventsWeWrote) {
    constexpr const char* kPython = "/usr/bin/python3";
    if (run(std::string(kPython) + " -c 'import mido'").status != 0)
        GTEST_SKIP() << "python3-mido is not installed (scripts/deps.sh installs it)";
    const std::string script =
        "import sys, mido\n"
        "f = mido.MidiFile(sys.argv[1])\n"
        "assert f.type == 1 and len(f.tracks) == 1 and f.ticks_per_beat == 180\n"
        "for m in f.tracks[0]:\n"
        "    if m.type == 'sysex':\n"
        "        print(' '.join('%02X' % b for b in [0xF0] + list(m.data) + [0xF7]))\n"
        "    elif m.type == 'track_name':\n"
        "        print('name', repr(m.name))\n";
    const auto result = run(std::string(kPython) + " -c \"$(cat <<'PY'\n" + script + "PY\n)\" '" +
                            path.string() + "'");
    ASSERT_EQ(result.status, 0) << result.out;
    auto lines = linesOf(result.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "name 'XG-Orvo\\x00'");
    lines.erase(lines.begin());
    EXPECT_EQ(lines, expectedSysex());
}

TEST_F(ExternalReaders, MidicsvReadsTheFileWithoutComplaint) {
    if (run("command -v midicsv").status != 0)
        GTEST_SKIP() << "midicsv is not installed (scripts/deps.sh installs it)";
    const auto result = run("midicsv '" + path.string() + "'");
    ASSERT_EQ(result.status, 0) << result.out;
    const auto lines = linesOf(result.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "0, 0, Header, 1, 1, 180");
    EXPECT_EQ(lines.back(), "0, 0, End_of_file");
    std::size_t sysex = 0;
    for (const auto& line : lines) {
        EXPECT_EQ(line.find("Error"), std::string::npos) << line;
        if (line.find("System_exclusive") != std::string::npos) ++sysex;
    }
    EXPECT_EQ(sysex, expectedSysex().size());
    EXPECT_NE(result.out.find("Text_t, \"DB"), std::string::npos);
}

} // namespace
