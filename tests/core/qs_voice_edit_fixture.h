#pragma once
// The QS300 voice edit over the memory backend: a fresh image, the module's messages and
// the alerts shown.

#include "core/user_voice_part.h"
#include "image/image_init.h"
#include "image/qs300_factory.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"
#include "midi/midi_port.h"
#include "midi/qs_voice_edit.h"
#include "midi/xg_messages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace qs_voice_edit_testing {

using Msg = std::vector<std::uint8_t>;

// A 392-byte voice dump whose checksum makes count, address and data a multiple of 128.
inline bool checksumHolds(const Msg& dump) {
    const int sum = std::accumulate(dump.begin() + 4, dump.end() - 1, 0);
    return dump.size() == 392 && (sum & 0x7F) == 0;
}

struct QsVoiceEditFixture : ::testing::Test {
    midi::MemoryBackend backend{{"Module In"}, {"Module Out"}};
    midi::ManualClock clock;
    midi::MidiPort port{backend, clock};
    std::unique_ptr<image::SynthImage> image = std::make_unique<image::SynthImage>();
    midi::XgMessages xg{port, *image, clock};
    midi::QsVoiceEdit edit{*image, xg, port};
    std::vector<std::string> alerts;

    void SetUp() override {
        image::initialiseImage(*image);
        port.FillDeviceLists();
        port.OpenMidiOut(0);
        xg.setAlertHandler([this](const std::string& text) { alerts.push_back(text); });
    }
    void use(midi::SynthType type, bool timeoutCheck = true) {
        midi::SynthOptions o;
        o.type = type;
        o.timeoutCheck = timeoutCheck;
        xg.setOptions(o);
    }
    // "Aurora": elements 1, 2 and 4 on.
    void giveVoice(int part, bool twoParts) {
        testvoice::assignUserVoice(*image, part, image::factoryUserBank()[0], twoParts);
    }
    std::vector<Msg> sent() const { return backend.sent(); }
};

} // namespace qs_voice_edit_testing
