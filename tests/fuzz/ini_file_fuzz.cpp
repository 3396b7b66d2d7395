// libFuzzer target: the profile reader takes any text, and what it writes parses to the
// same values.

#include "files/ini_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto ini = files::IniFile::parse(text);
    (void)files::parseProfileInt(text);
    const auto before = ini.value("Port", "In");
    ini.setValue("Synth", "Timeout", "10");
    const auto reparsed = files::IniFile::parse(ini.text());
    if (reparsed.value("Port", "In") != before) std::abort();
    if (reparsed.value("Synth", "Timeout") != "10") std::abort();
    return 0;
}
