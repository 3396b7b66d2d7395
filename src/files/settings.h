#pragma once
// Everything the program keeps between runs, as one value with the defaults a first run
// starts from, and its reading from and writing to the configuration file.

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace files {

struct Settings {
    // [Port]
    std::string portIn = "X";  // "NONE" for no input
    std::string portOut = "X"; // "NONE" for no output
    int deviceNumber = 0;      // 0..15
    bool thru = true;
    // [Synth]
    int synthType = 0; // 0 DB-50 XG or compatible, 1 QS300, 2 other XG
    int timeout = 10;  // the handshake waits (timeout + 1) x 100 ms
    bool timeoutCheck = true;
    bool multiParameterChange = true;
    bool qsLocalOff = true;
    bool qsLocalOn = true;
    bool xgReset = false;
    // [Autoload]
    bool autoloadQsBank = true;
    // [QS Editor]
    bool autoEg = true;
    // [XG Editor]
    bool qsData = true;
    bool xgDefault = true;
    // [Color]; colours are 0x00BBGGRR
    int potiColor = 2; // 1 yellow, 2 red, 3 silver
    int xgColor = 0;
    int qsColor = 128;
    int drumColor = 0x800000;
    int secXgName = 0;
    int secXgLine = 0;
    int secQsName = 0;
    int secQsLine = 0;
    // [List]
    int listType = 0; // 0 graphic, 1 plain
    int listColor = 0x4A9ABE;
    int listOffset = 0;
    // [VK]
    int vkVelocity = 64;
    // [Position]; -1 = not stored (the main window opens centred)
    int mainTop = -1;
    int mainLeft = -1;
    int vkTop = -1;
    int vkLeft = -1;
    // [Help]
    bool helpEnglish = true;
    // [History] 1..4: the last set files, most recent first
    std::vector<std::string> history;

    bool operator==(const Settings&) const = default;
};

// One key of the configuration file and the field that holds it.
struct SettingKey {
    std::string_view section;
    std::string_view key;
    std::variant<std::string Settings::*, int Settings::*, bool Settings::*> field;
    int min = 0; // range of an integer; a value outside it reads as the default
    int max = 0;
    bool ranged = false;
    bool portKey = false; // In and Out: written by the port dialog, not at exit
};

// Every key except the history, in the order of the file.
std::span<const SettingKey> settingKeys();

inline constexpr std::string_view historySection = "History";
inline constexpr std::size_t historyLength = 4;
// The configuration file's contents as its error messages name them.
inline constexpr std::string_view settingsWhat = "the settings";

// Missing file, section or key, a value that is not a number and a number out of range
// all read as the default. In and Out are read too, for display; the port dialog keeps its
// own copy through IniPortNameStore.
Settings LoadSettings(const std::filesystem::path& iniFile);
// Writes every key but In and Out, keeping every other line of the file. History key k is
// written only when the list has k entries; older ones beyond the list are removed.
void SaveSettings(const std::filesystem::path& iniFile, const Settings& settings);

// "Section/Key=value" lines in file order, booleans as 1/0, history last.
std::vector<std::string> describeSettings(const Settings& settings);

} // namespace files
