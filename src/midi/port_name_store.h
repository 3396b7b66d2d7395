#pragma once
// Where the port dialog keeps the names of the chosen devices between runs (the keys In
// and Out of section Port of the configuration file). The files layer supplies the real
// store; tests use a plain one.

#include <string>

namespace midi {

struct PortNames {
    std::string in = "X"; // "X" means never chosen: the dialog is shown at start-up
    std::string out = "X";
};

class PortNameStore {
  public:
    virtual ~PortNameStore() = default;
    virtual PortNames loadPortNames() = 0;
    // Writes both names and makes them durable at once.
    virtual void savePortNames(const PortNames& names) = 0;
};

} // namespace midi
