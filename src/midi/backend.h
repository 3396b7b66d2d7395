#pragma once
// The seam between the port layer and a MIDI system. The real backend talks to RtMidi
// (ALSA sequencer and JACK); the memory backend records bytes for tests.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace midi {

using Bytes = std::span<const std::uint8_t>;

// Called for every complete message that arrives on the input, on whatever thread the
// MIDI system uses. The receiver must only queue it and hand it to the GUI thread.
using InputCallback = std::function<void(Bytes message)>;

class Backend {
  public:
    virtual ~Backend() = default;

    // Device names as the user sees them, in device id order (0 .. n-1).
    virtual std::vector<std::string> inputNames() = 0;
    virtual std::vector<std::string> outputNames() = 0;
    // The line shown in place of the system's MIDI mapper: an output port the program
    // opens itself, which synths and other programs connect to (device id -1).
    virtual std::string virtualOutputName() const = 0;

    // Each throws BackendError with a readable text when the device cannot be opened.
    virtual void openOutput(int id) = 0;
    virtual void closeOutput() = 0;
    virtual void openInput(int id, InputCallback callback) = 0;
    virtual void closeInput() = 0;

    // Sends one complete message; throws BackendError when the system refuses it.
    virtual void send(Bytes message) = 0;
};

} // namespace midi
