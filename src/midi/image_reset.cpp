#include "midi/image_reset.h"

#include "image/image_init.h"

namespace midi {

void ResetPart(XgMessages& messages, int part, bool full, bool send) {
    messages.SendPartDefaults(part, send, full);
}

void ResetAll(image::SynthImage& image, MidiPort& port, XgMessages& messages) {
    if (image.currentPart != 0) port.AllNotesOff(image.currentPart);
    image::resetImageData(image);
    image.currentPart = 0;
    messages.SendXGSystemOn();
}

} // namespace midi
