#pragma once
// The message layer over the memory backend with a reset image and the output open: what
// a test needs to see the bytes a command sends.

#include "image/image_init.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/xg_messages.h"

#include <memory>

namespace testrig {

struct MessageRig {
    midi::MemoryBackend backend{{"Module In"}, {"Module Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};

    MessageRig() {
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
    }
};

} // namespace testrig
