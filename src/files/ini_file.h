#pragma once
// A profile ("INI") file: [Section] headers and Key=Value lines. Names are matched without
// regard to ASCII case, as profile files have always been; keys may contain spaces. Lines
// this class does not understand (comments, blank lines) are kept as they are, so that
// rewriting a file changes only the values that were set.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

class IniFile {
  public:
    IniFile() = default;
    static IniFile parse(std::string_view text);
    // A missing file reads as an empty one. Throws EFileError for a file that exists but
    // cannot be read (no permission, a folder, a pipe or device, far too large).
    static IniFile load(const std::filesystem::path& path);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Replaces the value in place or appends the key to its section (creating the section).
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    void removeKey(std::string_view section, std::string_view key);

    std::string text() const;
    // Atomic: the old file stays intact until the new one is complete. `what` names the
    // contents in the error message ("the settings").
    void save(const std::filesystem::path& path, std::string_view what = {}) const;

  private:
    struct Line {
        std::string key; // empty for a kept line
        std::string value;
        std::string raw;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
    };

    const Section* findSection(std::string_view name) const;
    Section& sectionFor(std::string_view name);

    // The first section holds the lines before the first header and has no header itself.
    std::vector<Section> sections_{Section{}};
};

// Integers as profile files hold them: optional sign and decimal digits, surrounded by
// optional blanks; anything else (or a number beyond int) is not a number.
std::optional<int> parseProfileInt(std::string_view text);

} // namespace files
