#include "files/app_paths.h"
#include "files/history.h"
#include "files/ini_file.h"
#include "files/ini_port_name_store.h"
#include "files/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("xgorvo_settings_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = dir_ / "XG-Orvo.INI";
    }
    void TearDown() override { fs::remove_all(dir_); }

    void write(const std::string& text) const { std::ofstream(path_) << text; }
    std::string read() const {
        std::ifstream in(path_);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path dir_;
    fs::path path_;
};

} // namespace

TEST_F(SettingsFile, AFirstRunReadsDefaultsAndWritesEveryKeyButNoHistory) {
    const auto settings = files::LoadSettings(path_);
    EXPECT_EQ(settings, files::Settings{});
    files::SaveSettings(path_, settings);
    const auto ini = files::IniFile::load(path_);
    for (const auto& key : files::settingKeys()) {
        EXPECT_EQ(ini.value(key.section, key.key).has_value(), !key.portKey) << key.key;
    }
    EXPECT_EQ(ini.value("Color", "Drum"), "8388608");
    EXPECT_EQ(ini.value("Synth", "XG-Reset"), "0");
    EXPECT_EQ(ini.value("Port", "Thru"), "1");
    EXPECT_EQ(read().find("History"), std::string::npos);
    EXPECT_EQ(files::LoadSettings(path_), settings);
}

TEST_F(SettingsFile, ReadsValuesAndFallsBackToDefaults) {
    write("[Port]\nDevice=3\nThru=0\n[Synth]\nTimeout=abc\nTimeoutcheck=5\nXG-Reset=2\n"
          "Multi Parameter Chg=no\n[Color]\nPoti=9\nDrum=255\n[VK]\nVelo=200\n"
          "[Position]\nEtop=-1\nEleft=300\n[List]\nColor=6407914\n");
    const auto s = files::LoadSettings(path_);
    EXPECT_EQ(s.deviceNumber, 3);
    EXPECT_FALSE(s.thru);
    EXPECT_EQ(s.timeout, 10);    // not a number
    EXPECT_TRUE(s.timeoutCheck); // any non-zero number is true
    EXPECT_TRUE(s.xgReset);
    EXPECT_TRUE(s.multiParameterChange); // not a number: the default
    EXPECT_EQ(s.potiColor, 2);           // out of range: the default
    EXPECT_EQ(s.drumColor, 255);
    EXPECT_EQ(s.vkVelocity, 64);
    EXPECT_EQ(s.mainTop, -1);
    EXPECT_EQ(s.mainLeft, 300);
    EXPECT_EQ(s.listColor, 6407914);
    EXPECT_EQ(s.synthType, 0);
}

TEST_F(SettingsFile, SavingKeepsThePortKeysAndUnknownLines) {
    write("; hand-written note\n[Port]\nIn=Keyboard\nOut=DB50XG\n[Extra]\nKey=kept\n");
    auto s = files::LoadSettings(path_);
    EXPECT_EQ(s.portIn, "Keyboard");
    EXPECT_EQ(s.portOut, "DB50XG");
    s.portOut = "stale value from start-up";
    s.timeout = 19;
    files::SaveSettings(path_, s);
    const auto ini = files::IniFile::load(path_);
    EXPECT_EQ(ini.value("Port", "Out"), "DB50XG");
    EXPECT_EQ(ini.value("Extra", "Key"), "kept");
    EXPECT_EQ(ini.value("Synth", "Timeout"), "19");
    EXPECT_EQ(read().rfind("; hand-written note\n[Port]\nIn=Keyboard\nOut=DB50XG\n", 0), 0u);
}

TEST_F(SettingsFile, HistoryKeysAreReadInOrderAndWrittenForTheEntriesHeld) {
    write("[History]\n1=/sets/a.XGS\n2=\n3=/sets/c.XGS\n4=/sets/d.XGS\n");
    auto s = files::LoadSettings(path_);
    EXPECT_EQ(s.history, (std::vector<std::string>{"/sets/a.XGS", "/sets/c.XGS", "/sets/d.XGS"}));
    files::SaveSettings(path_, s);
    const auto ini = files::IniFile::load(path_);
    EXPECT_EQ(ini.value("History", "2"), "/sets/c.XGS");
    EXPECT_EQ(ini.value("History", "3"), "/sets/d.XGS");
    EXPECT_FALSE(ini.value("History", "4")); // would come back as a duplicate otherwise
    EXPECT_EQ(files::LoadSettings(path_).history, s.history);
}

TEST_F(SettingsFile, PortNameStoreWritesBothKeysAndKeepsTheRest) {
    files::SaveSettings(path_, files::Settings{});
    files::IniPortNameStore store(path_);
    EXPECT_EQ(store.loadPortNames().in, "X");
    EXPECT_EQ(store.loadPortNames().out, "X");
    store.savePortNames({"NONE", "Synth Out"});
    EXPECT_EQ(store.loadPortNames().in, "NONE");
    EXPECT_EQ(store.loadPortNames().out, "Synth Out");
    const auto s = files::LoadSettings(path_);
    EXPECT_EQ(s.portOut, "Synth Out");
    EXPECT_EQ(s.timeout, 10);
    EXPECT_NE(read().find("Multi Parameter Chg=1"), std::string::npos);
}

TEST(SetHistory, MovesToFrontAndKeepsTheLastFour) {
    std::vector<std::string> history;
    for (const char* p : {"a", "b", "c", "d", "e"}) files::rememberSetFile(history, p);
    EXPECT_EQ(history, (std::vector<std::string>{"e", "d", "c", "b"}));
    files::rememberSetFile(history, "e");
    EXPECT_EQ(history, (std::vector<std::string>{"e", "d", "c", "b"}));
    files::rememberSetFile(history, "c");
    EXPECT_EQ(history, (std::vector<std::string>{"c", "e", "d", "b"}));
    files::rememberSetFile(history, "b");
    EXPECT_EQ(history, (std::vector<std::string>{"b", "c", "e", "d"}));
    files::rememberSetFile(history, "B"); // paths compare case-sensitively
    EXPECT_EQ(history, (std::vector<std::string>{"B", "b", "c", "e"}));
}

TEST(AppPaths, DerivesFoldersFromTheBaseDirectory) {
    const auto paths = files::resolveAppPaths(fs::path("/opt/xg"));
    EXPECT_EQ(paths.configFile(), fs::path("/opt/xg/XG-Orvo.INI"));
    EXPECT_EQ(paths.setFolder(), fs::path("/opt/xg/Set"));
    EXPECT_EQ(paths.fxFolder(), fs::path("/opt/xg/Fx"));
    EXPECT_EQ(paths.drumsFolder(), fs::path("/opt/xg/Drums"));
    EXPECT_EQ(paths.qsVoiceFolder(), fs::path("/opt/xg/QS_Voice"));
    EXPECT_EQ(paths.qsBankFolder(), fs::path("/opt/xg/QS_Bank"));
    EXPECT_EQ(paths.autoloadBank(), fs::path("/opt/xg/Autoload.QVB"));
    EXPECT_EQ(files::resolveAppPaths(std::nullopt).base, fs::current_path());
}
