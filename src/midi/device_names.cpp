#include "midi/device_names.h"

#include <algorithm>
#include <cctype>

namespace midi {

namespace {

bool allDigits(const std::string& s, std::size_t begin, std::size_t end) {
    if (begin >= end) return false;
    for (auto i = begin; i < end; ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

} // namespace

std::string withoutClientPortNumbers(const std::string& name) {
    const auto space = name.rfind(' ');
    if (space == std::string::npos) return name;
    const auto colon = name.find(':', space);
    if (colon == std::string::npos) return name;
    if (!allDigits(name, space + 1, colon) || !allDigits(name, colon + 1, name.size())) return name;
    return name.substr(0, space);
}

int findSameDevice(const std::vector<std::string>& before, std::size_t index,
                   const std::vector<std::string>& now) {
    if (index >= before.size()) return -1;
    const auto& name = before[index];
    const auto earlier = before.begin() + static_cast<std::ptrdiff_t>(index);
    auto occurrence = std::count(before.begin(), earlier, name);
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (now[i] == name && occurrence-- == 0) return static_cast<int>(i);
    }
    return -1;
}

} // namespace midi
