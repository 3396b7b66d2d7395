#include "files/ini_file.h"

#include "files/atomic_file.h"
#include "files/errors.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace files {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

} // namespace

std::optional<int> parseProfileInt(std::string_view text) {
    text = trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    // Editors that save UTF-8 may put a byte-order mark in front of the first line; marks
    // are dropped there (after any blanks), so the line reads and is written back without.
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    bool firstLine = true;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        std::string_view raw = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        std::string_view line = trim(raw);
        if (std::exchange(firstLine, false) && line.starts_with(byteOrderMark)) {
            while (line.starts_with(byteOrderMark)) line = trim(line.substr(byteOrderMark.size()));
            raw = line;
        }
        if (line.size() >= 2 && line.front() == '[' && line.find(']') != std::string_view::npos) {
            const auto name = trim(line.substr(1, line.find(']') - 1));
            ini.sections_.push_back({std::string(name), {}});
            continue;
        }
        const auto equals = line.find('=');
        const bool comment = !line.empty() && line.front() == ';';
        if (comment || equals == std::string_view::npos || trim(line.substr(0, equals)).empty()) {
            ini.sections_.back().lines.push_back({{}, {}, std::string(trim(raw))});
            continue;
        }
        ini.sections_.back().lines.push_back({std::string(trim(line.substr(0, equals))),
                                              std::string(trim(line.substr(equals + 1))),
                                              {}});
    }
    return ini;
}

IniFile IniFile::load(const std::filesystem::path& path) {
    try {
        const auto bytes = readWholeFile(path);
        return parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    } catch (const EFileError& e) {
        if (e.code() == std::errc::no_such_file_or_directory) return {};
        throw;
    }
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        if (sameName(sections_[i].name, name)) return &sections_[i];
    }
    return nullptr;
}

IniFile::Section& IniFile::sectionFor(std::string_view name) {
    if (const auto* found = findSection(name)) return const_cast<Section&>(*found);
    // A new section is set off from the one before by a blank line.
    if (!sections_.empty()) {
        auto& last = sections_.back();
        const bool blankEnd =
            !last.lines.empty() && last.lines.back().key.empty() && last.lines.back().raw.empty();
        if (!blankEnd && !(sections_.size() == 1 && last.lines.empty()))
            last.lines.push_back({{}, {}, {}});
    }
    sections_.push_back({std::string(name), {}});
    return sections_.back();
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (found == nullptr) return std::nullopt;
    for (const auto& line : found->lines) {
        if (!line.key.empty() && sameName(line.key, key)) return line.value;
    }
    return std::nullopt;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view text) {
    // A line break inside a value would start a new line of the file: turn it into a blank.
    std::string value(text);
    std::replace_if(
        value.begin(), value.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    Section& target = sectionFor(section);
    for (auto& line : target.lines) {
        if (!line.key.empty() && sameName(line.key, key)) {
            line.value = value;
            return;
        }
    }
    // New keys go after the last key of the section, before any trailing blank lines.
    auto at = target.lines.end();
    while (at != target.lines.begin() && std::prev(at)->key.empty() && std::prev(at)->raw.empty())
        --at;
    target.lines.insert(at, {std::string(key), std::string(value), {}});
}

void IniFile::removeKey(std::string_view section, std::string_view key) {
    const Section* found = findSection(section);
    if (found == nullptr) return;
    auto& lines = const_cast<Section*>(found)->lines;
    std::erase_if(lines, [&](const Line& l) { return !l.key.empty() && sameName(l.key, key); });
}

std::string IniFile::text() const {
    std::string out;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const Section& section = sections_[i];
        if (i > 0) out += '[' + section.name + "]\n";
        for (const auto& line : section.lines) {
            out += line.key.empty() ? line.raw : line.key + '=' + line.value;
            out += '\n';
        }
    }
    return out;
}

void IniFile::save(const std::filesystem::path& path, std::string_view what) const {
    writeFileAtomically(path, text(), what);
}

} // namespace files
