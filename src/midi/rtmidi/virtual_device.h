#pragma once
// The program as a MIDI device that other programs send to: one client with an input port
// and an output port, as a hardware interface shows them. With JACK it is one client named
// `name` with the ports "name:MIDI In" and "name:MIDI Out"; on the ALSA sequencer the same
// port names. Nothing is connected here: the program that uses the device connects to it.
//
// Input is delivered on the MIDI system's own thread, one complete message per call; the
// callback must only queue it. Sending may happen from any one thread at a time.

#include "midi/backend.h"

#include <memory>
#include <string>

namespace midi {

enum class MidiSystem { Jack, Alsa };

class VirtualDevice {
  public:
    static constexpr const char* kInputPortName = "MIDI In";
    static constexpr const char* kOutputPortName = "MIDI Out";

    // Opens the device; throws BackendError with a readable text when the MIDI system does
    // not run or the name is taken.
    static std::unique_ptr<VirtualDevice> open(const std::string& name, MidiSystem system,
                                               InputCallback onInput);

    virtual ~VirtualDevice() = default;

    // Hands one complete message to the output; throws BackendError when the MIDI system
    // is gone or cannot take it.
    virtual void send(Bytes message) = 0;
    // The MIDI system stopped (the JACK server quit): nothing comes in or goes out any more.
    virtual bool gone() const = 0;
    // Full port names as other programs see them ("XG Module:MIDI In").
    virtual std::string inputPortName() const = 0;
    virtual std::string outputPortName() const = 0;
};

// The two kinds, for open(). Each throws BackendError when its system is missing.
std::unique_ptr<VirtualDevice> openJackVirtualDevice(const std::string& name,
                                                     InputCallback onInput);
std::unique_ptr<VirtualDevice> openAlsaVirtualDevice(const std::string& name,
                                                     InputCallback onInput);

} // namespace midi
