#pragma once
// A freshly initialised image, the message layer on the memory backend and a selection.

#include "core/part_param_message.h"
#include "image/image_init.h"
#include "image/voice_dump.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/voice_selection.h"
#include "midi/xg_messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace selection_test {

using Msg = std::vector<std::uint8_t>;

using testmsg::partParam;

// Part mode, bank MSB, bank LSB, program, as a selection sends them.
inline std::vector<Msg> voiceSelect(int part, int mode, int msb, int lsb, int program) {
    return {partParam(part, 0x07, mode), partParam(part, 0x01, msb), partParam(part, 0x02, lsb),
            partParam(part, 0x03, program)};
}

inline Msg dumpOf(const image::VoiceRecord& voice, int number) {
    const auto dump = image::makeVoiceDump(voice, number, 0);
    return Msg(dump.begin(), dump.end());
}

// A user voice with all four elements switched on (element 3 and 4 told apart by name).
inline image::VoiceRecord fourElementVoice(const image::VoiceBank& bank) {
    image::VoiceRecord voice = bank[0];
    voice[image::kVoiceElementSwitchByte] = 0x0F;
    for (int i = 0; i < image::kVoiceElementSize; ++i) {
        voice[static_cast<std::size_t>(221 + i)] = 0x33;
        voice[static_cast<std::size_t>(301 + i)] = 0x44;
    }
    return voice;
}

struct Selection : ::testing::Test {
    midi::MemoryBackend backend{{"Module In"}, {"Module Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};
    midi::VoiceSelection selection{*image, xg};

    void SetUp() override {
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
    }
    void use(midi::SynthType type, bool qsData = false, bool xgDefault = true) {
        midi::SynthOptions o;
        o.type = type;
        o.timeoutCheck = false;
        xg.setOptions(o);
        selection.setOptions({type, qsData, xgDefault});
    }
    std::vector<Msg> sent() const { return backend.sent(); }
    void forget() { backend.clearSent(); }
};

} // namespace selection_test
