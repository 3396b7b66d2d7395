#pragma once
// Device names as the user sees them and as the configuration remembers them.

#include <cstddef>
#include <string>
#include <vector>

namespace midi {

// The ALSA sequencer appends the client and port numbers ("USB MIDI 1 20:0"). They
// change whenever a device is plugged in again, so names are shown and remembered
// without them.
std::string withoutClientPortNumbers(const std::string& name);

// Finds the device at `index` of an earlier list again in a fresh one, where devices may
// have come, gone or moved. Two identical interfaces show the same name, so the position
// among the devices of that name is what tells them apart: the second "USB MIDI" stays the
// second. Returns -1 when the fresh list has fewer devices of that name.
int findSameDevice(const std::vector<std::string>& before, std::size_t index,
                   const std::vector<std::string>& now);

} // namespace midi
