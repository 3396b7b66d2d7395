#include "files/settings.h"

#include <array>

namespace files {

namespace {

using S = Settings;

constexpr SettingKey text(std::string_view section, std::string_view key,
                          std::string Settings::*field) {
    return {section, key, field, 0, 0, false, true};
}
constexpr SettingKey flag(std::string_view section, std::string_view key, bool Settings::*field) {
    return {section, key, field, 0, 0, false, false};
}
constexpr SettingKey number(std::string_view section, std::string_view key, int Settings::*field) {
    return {section, key, field, 0, 0, false, false};
}
constexpr SettingKey range(std::string_view section, std::string_view key, int Settings::*field,
                           int min, int max) {
    return {section, key, field, min, max, true, false};
}

// Values outside these ranges would end up in MIDI data bytes or table indexes.
const std::array keys{
    text("Port", "In", &S::portIn),
    text("Port", "Out", &S::portOut),
    range("Port", "Device", &S::deviceNumber, 0, 15),
    flag("Port", "Thru", &S::thru),
    range("Synth", "Type", &S::synthType, 0, 2),
    range("Synth", "Timeout", &S::timeout, 0, 19),
    flag("Synth", "Timeoutcheck", &S::timeoutCheck),
    flag("Synth", "Multi Parameter Chg", &S::multiParameterChange),
    flag("Synth", "QS Local Off", &S::qsLocalOff),
    flag("Synth", "QS Local On", &S::qsLocalOn),
    flag("Synth", "XG-Reset", &S::xgReset),
    flag("Autoload", "QS Bank", &S::autoloadQsBank),
    flag("QS Editor", "Auto EG", &S::autoEg),
    flag("XG Editor", "QS Data", &S::qsData),
    flag("XG Editor", "XG Default", &S::xgDefault),
    range("Color", "Poti", &S::potiColor, 1, 3),
    number("Color", "XG", &S::xgColor),
    number("Color", "QS", &S::qsColor),
    number("Color", "Drum", &S::drumColor),
    number("Color", "SecXGName", &S::secXgName),
    number("Color", "SecXGLine", &S::secXgLine),
    number("Color", "SecQSName", &S::secQsName),
    number("Color", "SecQSLine", &S::secQsLine),
    range("List", "Type", &S::listType, 0, 1),
    number("List", "Color", &S::listColor),
    number("List", "Offset", &S::listOffset),
    range("VK", "Velo", &S::vkVelocity, 0, 127),
    number("Position", "Etop", &S::mainTop),
    number("Position", "Eleft", &S::mainLeft),
    number("Position", "VKtop", &S::vkTop),
    number("Position", "VKleft", &S::vkLeft),
    flag("Help", "Language", &S::helpEnglish),
};

} // namespace

std::span<const SettingKey> settingKeys() {
    return keys;
}

} // namespace files
