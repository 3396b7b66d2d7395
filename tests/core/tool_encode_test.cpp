#include "encode_request.h"
#include "midi/memory_backend.h"
#include "midi_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

struct Run {
    int status;
    std::string out;
    std::string err;
};

Run encode(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = tool::runEncode(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(ToolEncode, SingleParameterChanges) {
    EXPECT_EQ(encode({"part-param", "3", "41", "0"}).out, "F0 43 10 4C 08 02 30 00 F7\n");
    EXPECT_EQ(encode({"part-param", "3", "40", "0x40"}).out, "F0 43 10 4C 08 02 28 40 F7\n");
    EXPECT_EQ(encode({"--device", "3", "part-detune", "1", "0x85"}).out,
              "F0 43 13 4C 08 00 09 08 05 F7\n");
    EXPECT_EQ(encode({"part-param", "16", "9", "128"}).out, "F0 43 10 4C 08 0F 09 08 00 F7\n");
    EXPECT_EQ(encode({"effect-param", "0x0C", "64"}).out, "F0 43 10 4C 02 01 0C 40 F7\n");
    EXPECT_EQ(encode({"effect-type", "variation", "0x40", "0"}).out,
              "F0 43 10 4C 02 01 40 40 00 F7\n");
    EXPECT_EQ(encode({"drum-param", "2", "36", "4", "0"}).out, "F0 43 10 4C 31 24 04 00 F7\n");
    EXPECT_EQ(encode({"master-tune", "1024"}).out, "F0 43 10 4C 00 00 00 00 04 00 00 F7\n");
    EXPECT_EQ(encode({"--device", "15", "xg-system-on"}).out, "F0 43 1F 4C 00 00 7E 00 F7\n");
    EXPECT_EQ(encode({"qs-local", "on"}).out, "F0 43 10 4B 00 00 09 01 F7\n");
    EXPECT_EQ(encode({"--device", "9", "probe"}).out, "F0 43 30 4C 08 00 00 F7\n");
    EXPECT_EQ(encode({"system"}).out, "F0 43 10 4C 00 00 00 00 04 00 00 F7\n"
                                      "F0 43 10 4C 00 00 04 7F F7\n"
                                      "F0 43 10 4C 00 00 06 40 F7\n");
}

TEST(ToolEncode, BlocksAndVoices) {
    const auto reverb = encode({"reverb"});
    EXPECT_EQ(reverb.out,
              "F0 43 00 4C 00 0E 02 01 00 01 00 12 0A 08 0D 31 00 00 00 00 28 40 40 64 F7\n"
              "F0 43 00 4C 00 06 02 01 10 00 04 32 08 40 00 69 F7\n");
    const auto part = encode({"--device", "2", "part", "10"});
    EXPECT_EQ(part.out.substr(0, 26), "F0 43 02 4C 00 29 08 09 00");
    EXPECT_EQ(std::count(part.out.begin(), part.out.end(), '\n'), 2);
    const auto voice = encode({"qs-voice", "1"});
    // 392 bytes: "F0 43 00 4B 02 7D 11 00 00", then the name "Aurora".
    EXPECT_EQ(voice.out.size(), 392u * 3u);
    EXPECT_EQ(voice.out.substr(0, 44), "F0 43 00 4B 02 7D 11 00 00 41 75 72 6F 72 61");
}

TEST(ToolEncode, BadArgumentsAreOneLineAndStatusTwo) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{},
                                               {"bogus"},
                                               {"part-param", "17", "0", "0"},
                                               {"part-param", "1", "104", "0"},
                                               {"part-param", "1", "11", "128"},
                                               {"part-param", "1", "11"},
                                               {"effect-type", "delay", "1", "0"},
                                               {"qs-local", "maybe"},
                                               {"qs-voice", "0"},
                                               {"--device", "16", "probe"},
                                               {"master-tune", "12x"}}) {
        const auto run = encode(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST(ToolPorts, ListsTheLinesOfThePortDialog) {
    midi::MemoryBackend backend({"Keys"}, {"Module", "Cable"});
    std::ostringstream out;
    EXPECT_EQ(tool::runPorts(backend, out), 0);
    EXPECT_EQ(out.str(), "Midi In\nNONE\nKeys\nMidi Out\nNONE\nXG-Orvo Out\nModule\nCable\n");
}

TEST(ToolSend, SendsWhatEncodePrintsToTheNamedPort) {
    midi::MemoryBackend backend({}, {"Module", "Cable"});
    std::ostringstream out, err;
    const std::vector<std::string> args{"--out", "Cable", "qs-local", "off"};
    EXPECT_EQ(tool::runSend(backend, args, out, err), 0);
    EXPECT_EQ(backend.openedOutputId(), 1);
    EXPECT_EQ(backend.sent(), (std::vector<std::vector<std::uint8_t>>{
                                  {0xF0, 0x43, 0x10, 0x4B, 0x00, 0x00, 0x09, 0x00, 0xF7}}));
    EXPECT_EQ(out.str(), "sent 1 message to Cable\n");
}

TEST(ToolSend, UnknownPortListsTheAvailableOnes) {
    midi::MemoryBackend backend({}, {"Module"});
    std::ostringstream out, err;
    const std::vector<std::string> args{"--out", "Nowhere", "probe"};
    EXPECT_EQ(tool::runSend(backend, args, out, err), 1);
    EXPECT_EQ(err.str(), "xg-orvo-tool send: no output port 'Nowhere'; the ports are:\n"
                         "XG-Orvo Out\nModule\n");
}

} // namespace
