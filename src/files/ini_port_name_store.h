#pragma once
// The port dialog's device names kept in the configuration file (keys In and Out of
// section Port).

#include "midi/port_name_store.h"

#include <filesystem>

namespace files {

class IniPortNameStore : public midi::PortNameStore {
  public:
    explicit IniPortNameStore(std::filesystem::path iniFile) : iniFile_(std::move(iniFile)) {}

    midi::PortNames loadPortNames() override;
    // Writes both keys in one atomic rewrite that keeps every other line of the file.
    void savePortNames(const midi::PortNames& names) override;

  private:
    std::filesystem::path iniFile_;
};

} // namespace files
