#pragma once
// What the port dialog does when it is created, confirmed and closed. The window that
// shows the two lists belongs to the application; this is its logic without the window.

#include "midi/midi_port.h"
#include "midi/port_name_store.h"

#include <string>

namespace midi {

class PortDialogLogic {
  public:
    PortDialogLogic(MidiPort& port, PortNameStore& store) : port_(port), store_(store) {}

    struct Startup {
        bool showDialog = false; // neither stored name is present: ask the user
        std::string error;       // a stored device that could not be opened
    };

    // At start-up: opens the stored ports or tells the caller to ask for them.
    Startup FormCreate();
    // "OK": remembers the names of the selected lines.
    void Button1Click();
    // Closing the dialog: reopens both devices from the selected lines. Both are tried;
    // the first failure is raised afterwards.
    void FormClose();

  private:
    MidiPort& port_;
    PortNameStore& store_;
};

} // namespace midi
