// libFuzzer target: any input either fails with a format or capacity error and leaves the
// container cleared, or is accepted and then written in a form that reads back the same.

#include "files/errors.h"
#include "files/midi_data.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    files::TxMidiData midi;
    std::size_t offered = 0;
    midi.setSpecialEventListener([&](const files::SpecialEvent&) { ++offered; });
    try {
        midi.readBytes(std::span(data, size));
    } catch (const files::EMidiData&) {
    } catch (const files::EVirtualMemory&) {
    }
    if (!midi.active()) {
        if (midi.trackCount() != 0 || !midi.headerExtra().empty()) std::abort();
        return 0;
    }
    const auto written = midi.toBytes();
    files::TxMidiData again;
    again.readBytes(written);
    if (again.eventCount() != midi.eventCount() || again.toBytes() != written) std::abort();
    return 0;
}
