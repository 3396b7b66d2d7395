#include "module_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

TEST(ToolModule, ArgumentsSetTheModuleUp) {
    const auto plain = tool::parseModuleArguments(Args{"--port", "XG Module"});
    EXPECT_EQ(plain.error, "");
    EXPECT_EQ(plain.options.port, "XG Module");
    EXPECT_EQ(plain.options.device, 0);
    EXPECT_EQ(plain.options.system, midi::MidiSystem::Jack);
    EXPECT_EQ(plain.options.answering, (std::array<bool, 5>{true, true, true, true, true}));

    const auto all =
        tool::parseModuleArguments(Args{"--quiet", "--device", "0x0F", "--alsa", "--answer",
                                        "drums,system", "--silent", "--port", "M"});
    EXPECT_EQ(all.error, "");
    EXPECT_EQ(all.options.device, 15);
    EXPECT_EQ(all.options.system, midi::MidiSystem::Alsa);
    EXPECT_TRUE(all.options.quiet);
    EXPECT_TRUE(all.options.silent);
    // Order: system, effects, parts, drums, voices.
    EXPECT_EQ(all.options.answering, (std::array<bool, 5>{true, false, false, true, false}));
}

TEST(ToolModule, WrongArgumentsAreRefusedWithAReason) {
    EXPECT_EQ(tool::parseModuleArguments(Args{}).error, "the port name is missing (--port NAME)");
    EXPECT_EQ(tool::parseModuleArguments(Args{"--port"}).error,
              "unknown or incomplete argument '--port'");
    EXPECT_EQ(tool::parseModuleArguments(Args{"--port", "M", "--device", "16"}).error,
              "the device number is 0..15");
    for (const char* list : {"parts,", "Parts", "parts,,drums", ""})
        EXPECT_NE(tool::parseModuleArguments(Args{"--port", "M", "--answer", list}).error, "")
            << list;
    EXPECT_EQ(tool::parseModuleArguments(Args{"--port", "M", "--loud"}).error,
              "unknown or incomplete argument '--loud'");
}

} // namespace
