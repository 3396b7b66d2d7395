#include "files/ini_port_name_store.h"

#include "files/errors.h"
#include "files/ini_file.h"
#include "files/settings.h"

namespace files {

namespace {
constexpr std::string_view portSection = "Port";
}

midi::PortNames IniPortNameStore::loadPortNames() {
    midi::PortNames names;
    IniFile ini;
    try {
        ini = IniFile::load(iniFile_);
    } catch (const EFileError&) {
        // Told once by the settings, which read the same file first; the user is asked.
        return names;
    }
    names.in = ini.value(portSection, "In").value_or(names.in);
    names.out = ini.value(portSection, "Out").value_or(names.out);
    return names;
}

void IniPortNameStore::savePortNames(const midi::PortNames& names) {
    IniFile ini = IniFile::load(iniFile_);
    ini.setValue(portSection, "In", names.in);
    ini.setValue(portSection, "Out", names.out);
    ini.save(iniFile_, settingsWhat);
}

} // namespace files
