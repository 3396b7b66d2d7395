#pragma once
// A reading of the module over the memory backend: the port sends inline, the module's
// answers wait on the input until the rig delivers them, and time moves only when the rig
// says so.

#include "files/module_readback.h"
#include "image/image_init.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"

#include <memory>
#include <vector>

namespace testrig {

using Msg = std::vector<std::uint8_t>;

struct ReadbackRig {
    midi::MemoryBackend backend{{"Module In"}, {"Module Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    std::unique_ptr<files::ModuleReadback> reader;

    ReadbackRig() {
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
        port.OpenMidiIn(0);
        port.setInputHandler([this](midi::Bytes m) {
            if (reader) reader->received(m);
        });
    }

    files::ModuleReadback& begin(midi::SynthType type = midi::SynthType::Qs300, int device = 0) {
        backend.clearSent();
        reader = std::make_unique<files::ModuleReadback>(*image, type, device, port, clock);
        reader->start();
        return *reader;
    }

    // Delivers the answers; when none is waiting, time moves on by `step`. Returns how
    // much time passed.
    midi::Millis runToEnd(midi::Millis step = midi::Millis{10}) {
        midi::Millis waited{0};
        for (int turns = 0; reader->running() && turns < 100000; ++turns) {
            if (backend.deliverPendingInput() > 0) continue;
            clock.advance(step);
            waited += step;
            reader->timePassed();
        }
        return waited;
    }
};

} // namespace testrig
