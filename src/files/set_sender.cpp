#include "files/set_sender.h"

#include "files/change_counts.h"

namespace files {

namespace {

namespace off = image::offset;

void sendUserVoices(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port) {
    const bool qs300 = messages.options().type == midi::SynthType::Qs300;
    for (int p = 0; p < image::kPartCount; ++p) {
        if (!image.hasUserVoice(p)) continue;
        // A module that did not answer has been reported once; the others would only
        // make the user wait for the same time-out again.
        if (!messages.SendQSVoice(image.partVoices[static_cast<std::size_t>(p)])) return;
        if (qs300) port.pause(kQs300VoiceStorePause);
    }
}

void sendPartTableAsUserVoices(image::SynthImage& image, midi::XgMessages& messages) {
    for (int p = 0; p < image::kPartCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        image.restoreProgram[i] = image.part(p, off::kProgram);
        image.restoreBankLsbFlag[i] = image.part(p, off::kBankLsb);
        if (image.hasUserVoice(p)) image.part(p, off::kProgram) = static_cast<image::Byte>(p);
    }
    messages.SendPartTable();
    for (int p = 0; p < image::kPartCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        image.part(p, off::kProgram) = image.restoreProgram[i];
        image.part(p, off::kBankLsb) = image.restoreBankLsbFlag[i];
    }
}

} // namespace

void sendLoadedSet(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
                   const LoadCounters& counters) {
    sendUserVoices(image, messages, port);
    if (systemChanges(image.system) > 0) messages.SendSystem();
    sendPartTableAsUserVoices(image, messages);
    sendLoadedEffects(messages, counters);
    sendLoadedDrums(messages);
}

void sendLoadedEffects(midi::XgMessages& messages, const LoadCounters& counters) {
    if (counters.effects[0] > 0) messages.SendReverb();
    if (counters.effects[1] > 0) messages.SendChorus();
    if (counters.effects[2] > 0) messages.SendVariation();
}

void sendLoadedDrums(midi::XgMessages& messages) {
    messages.SendDrumSetup(1);
    messages.SendDrumSetup(2);
}

void sendLoaded(SetKind kind, image::SynthImage& image, midi::XgMessages& messages,
                midi::MidiPort& port, const LoadCounters& counters) {
    switch (kind) {
    case SetKind::Set:
        sendLoadedSet(image, messages, port, counters);
        return;
    case SetKind::Fx:
        sendLoadedEffects(messages, counters);
        return;
    case SetKind::Drums:
        sendLoadedDrums(messages);
        return;
    }
}

} // namespace files
