#pragma once
// Device names as the user sees them and as the configuration remembers them.

#include <string>

namespace midi {

// The ALSA sequencer appends the client and port numbers ("USB MIDI 1 20:0"). They
// change whenever a device is plugged in again, so names are shown and remembered
// without them.
std::string withoutClientPortNumbers(const std::string& name);

} // namespace midi
