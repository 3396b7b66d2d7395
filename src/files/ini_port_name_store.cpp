#include "files/ini_port_name_store.h"

#include "files/ini_file.h"
#include "files/settings.h"

namespace files {

namespace {
constexpr std::string_view portSection = "Port";
}

midi::PortNames IniPortNameStore::loadPortNames() {
    const IniFile ini = IniFile::load(iniFile_);
    midi::PortNames names;
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
