#include "midi/qs_random_voice.h"

#include "image/qs300_factory.h"
#include "image/voice_edit.h"
#include "image/voice_layout.h"

#include <algorithm>
#include <span>

namespace midi {

namespace {
constexpr int kSourceVoiceCount = 2 * image::kBankVoiceCount;
}

QsRandomVoice::QsRandomVoice(QsVoiceEdit& edit, XgMessages& messages, MidiPort& port,
                             const image::VoiceBank& userBank, RandomSource& random,
                             ElementAidsMemory& memory)
    : edit_(edit), messages_(messages), port_(port), userBank_(userBank), random_(random),
      memory_(memory) {}

void QsRandomVoice::begin() {
    dumps_.takeEditVoice(edit_);
}

int QsRandomVoice::pickVoice() {
    int voice = random_.below(kSourceVoiceCount);
    // A generator that keeps repeating itself must not hang the program: after many
    // repeats the neighbour is taken instead.
    for (int tries = 0; voice == memory_.lastRandomVoice; ++tries)
        voice = tries < 1000 ? random_.below(kSourceVoiceCount) : (voice + 1) % kSourceVoiceCount;
    memory_.lastRandomVoice = voice;
    return voice;
}

bool QsRandomVoice::next() {
    const int slots = edit_.fourElements() ? 4 : 2;
    for (int slot = 0; slot < slots; ++slot) {
        const auto& source = image::presetOrUserVoice(userBank_, pickVoice());
        const int count =
            image::voice::elementCount(std::span<const image::Byte, image::kVoiceDataSize>(
                source.data(), image::kVoiceDataSize));
        const int element = count > 0 ? random_.below(count) : 0;
        const auto from = source.begin() + image::voice::elementStart(element);
        std::copy_n(from, image::kVoiceElementSize, image::elementOf(dumps_.whole, slot).begin());
    }
    dumps_.mirrorUpperElements();
    return dumps_.send(edit_, messages_, port_);
}

void QsRandomVoice::acceptProposal() {
    edit_.voice() = dumps_.whole;
}

bool QsRandomVoice::finish() {
    return edit_.SendEditVoice();
}

} // namespace midi
