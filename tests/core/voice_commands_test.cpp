#include "commands.h"

#include "core/temp_folder.h"
#include "core/tool_run.h"
#include "files/qs300_files.h"
#include "image/qs300_factory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

toolrun::Result run(std::string_view name, std::vector<std::string> args) {
    return toolrun::run(tool::voiceCommands(), name, std::move(args));
}

TEST(VoiceCommands, VoicesListsBankAndVoiceFilesAsTheListsShowThem) {
    testfiles::TempFolder folder("voices_tool");
    files::writeBankFile(folder / "bank.QVB", image::factoryUserBank());
    files::writeVoiceFile(folder / "one.qvc", image::factoryPresetBank()[0]);
    auto bank = run("voices", {(folder / "bank.QVB").string()});
    EXPECT_EQ(bank.status, 0);
    EXPECT_EQ(bank.out.substr(0, bank.out.find('\n')), "001  - 3 - Aurora    ");
    EXPECT_EQ(std::count(bank.out.begin(), bank.out.end(), '\n'), 128);
    EXPECT_EQ(run("voices", {(folder / "one.qvc").string()}).out, "001  - 2 - CrystaLake\n");

    const auto missing = run("voices", {(folder / "none.QVB").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.QVB"), std::string::npos);
    EXPECT_EQ(run("voices", {}).status, 2);
}

TEST(VoiceCommands, SelectPrintsTheMessagesOfAClick) {
    const auto piano = run("select", {"3", "0", "2"});
    EXPECT_EQ(piano.status, 0);
    EXPECT_EQ(piano.out, "F0 43 10 4C 08 02 07 00 F7\n"
                         "F0 43 10 4C 08 02 01 00 F7\n"
                         "F0 43 10 4C 08 02 02 12 F7\n"
                         "F0 43 10 4C 08 02 03 00 F7\n"
                         "# part #3: MelloGrP\n");
    const auto kit = run("select", {"--device", "2", "10", "16", "12"});
    EXPECT_EQ(kit.out.substr(0, 27), "F0 43 11 4C 08 09 07 03 F7\n");

    const auto qs = run("select", {"--type", "qs300", "4", "17", "0"});
    EXPECT_EQ(qs.status, 0);
    EXPECT_EQ(qs.out.substr(0, 24), "F0 43 00 4B 02 7D 11 03 ");
    EXPECT_NE(qs.out.find("F0 43 10 4C 08 03 02 01 F7\n"), std::string::npos);

    for (std::vector<std::string> bad : {std::vector<std::string>{"0", "0", "0"},
                                         {"1", "19", "0"},
                                         {"1", "0", "39"},
                                         {"--type", "sc88", "1", "0", "0"},
                                         {"1", "0"}})
        EXPECT_EQ(run("select", bad).status, 2);
}

} // namespace
