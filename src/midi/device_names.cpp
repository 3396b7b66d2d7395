#include "midi/device_names.h"

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

} // namespace midi
