#include "files/settings.h"

#include "files/ini_file.h"

namespace files {

namespace {

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

void readKey(const IniFile& ini, const SettingKey& k, Settings& s) {
    const auto stored = ini.value(k.section, k.key);
    if (!stored) return; // the default stays
    std::visit(Overloaded{[&](std::string Settings::*field) { s.*field = *stored; },
                          [&](bool Settings::*field) {
                              if (const auto n = parseProfileInt(*stored)) s.*field = *n != 0;
                          },
                          [&](int Settings::*field) {
                              const auto n = parseProfileInt(*stored);
                              if (n && (!k.ranged || (*n >= k.min && *n <= k.max))) s.*field = *n;
                          }},
               k.field);
}

std::string valueText(const SettingKey& k, const Settings& s) {
    return std::visit(
        Overloaded{[&](std::string Settings::*field) { return s.*field; },
                   [&](bool Settings::*field) { return std::string(s.*field ? "1" : "0"); },
                   [&](int Settings::*field) { return std::to_string(s.*field); }},
        k.field);
}

std::string historyKey(std::size_t i) {
    return std::to_string(i + 1);
}

} // namespace

Settings LoadSettings(const std::filesystem::path& iniFile) {
    const IniFile ini = IniFile::load(iniFile);
    Settings s;
    for (const auto& k : settingKeys()) readKey(ini, k, s);
    for (std::size_t i = 0; i < historyLength; ++i) {
        const auto path = ini.value(historySection, historyKey(i));
        if (path && !path->empty()) s.history.push_back(*path);
    }
    return s;
}

void SaveSettings(const std::filesystem::path& iniFile, const Settings& settings) {
    IniFile ini = IniFile::load(iniFile);
    for (const auto& k : settingKeys()) {
        if (!k.portKey) ini.setValue(k.section, k.key, valueText(k, settings));
    }
    for (std::size_t i = 0; i < historyLength; ++i) {
        if (i < settings.history.size()) {
            ini.setValue(historySection, historyKey(i), settings.history[i]);
        } else {
            ini.removeKey(historySection, historyKey(i));
        }
    }
    ini.save(iniFile, settingsWhat);
}

std::vector<std::string> describeSettings(const Settings& settings) {
    std::vector<std::string> lines;
    for (const auto& k : settingKeys()) {
        lines.push_back(std::string(k.section) + '/' + std::string(k.key) + '=' +
                        valueText(k, settings));
    }
    for (std::size_t i = 0; i < settings.history.size() && i < historyLength; ++i) {
        lines.push_back(std::string(historySection) + '/' + historyKey(i) + '=' +
                        settings.history[i]);
    }
    return lines;
}

} // namespace files
