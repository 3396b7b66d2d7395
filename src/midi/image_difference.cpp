#include "midi/image_difference.h"

#include "image/drum_kits.h"
#include "image/voice_layout.h"
#include "midi/effect_addresses.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace midi {

namespace {

using image::Byte;
using image::SynthImage;
namespace off = image::offset;

// A parameter change costs nine bytes on the wire; more changes than fit into a part's
// bulk dump go as the dump.
constexpr int kBytesPerChange = 9;
constexpr int kPartDumpABytes = 51;
constexpr int kPartDumpBBytes = 73;
// An effect block with more changed bytes than this goes as its two dumps.
constexpr int kEffectChangesForDump = 6;
constexpr int kLastDumpAOffset = 40;

bool voiceDataDiffers(const image::VoiceDump& a, const image::VoiceDump& b) {
    // The device number and the checksum follow from the data.
    return std::memcmp(a.data() + image::kVoiceDumpDataStart, b.data() + image::kVoiceDumpDataStart,
                       image::kVoiceDataSize) != 0 ||
           a[image::kVoiceDumpNumberByte] != b[image::kVoiceDumpNumberByte];
}

bool voiceFlagsChanged(const SynthImage& held, const SynthImage& image, int p) {
    const auto i = static_cast<std::size_t>(p);
    return held.userVoiceKind[i] != image.userVoiceKind[i] ||
           held.pairFlagLow[i] != image.pairFlagLow[i] ||
           held.pairFlagHigh[i] != image.pairFlagHigh[i];
}

bool userVoiceChanged(const SynthImage& held, const SynthImage& image, int p) {
    const auto i = static_cast<std::size_t>(p);
    return voiceFlagsChanged(held, image, p) ||
           voiceDataDiffers(held.partVoices[i], image.partVoices[i]);
}

bool sameVoiceData(const image::VoiceDump& a, const image::VoiceDump& b, int from, int to) {
    return std::equal(a.begin() + image::kVoiceDumpDataStart + from,
                      a.begin() + image::kVoiceDumpDataStart + to,
                      b.begin() + image::kVoiceDumpDataStart + from);
}

// Whether the dumps already sent for the parts carry what changed in the edit voice: the
// part the voice is edited for got the same voice, or on a DB-50 pair only elements 3 and
// 4 changed and the second part got its dump with them.
bool editVoiceCovered(const SynthImage& held, const SynthImage& image, const XgMessages& messages,
                      const std::array<bool, image::kPartCount>& sent) {
    const int part = image.editVoice[image::kVoiceDumpNumberByte];
    if (part < 0 || part >= image::kPartCount) return false;
    const auto at = static_cast<std::size_t>(part);
    if (sent[at] && sameVoiceData(image.partVoices[at], image.editVoice, 0, image::kVoiceDataSize))
        return true;
    const bool pair = messages.options().type == SynthType::Db50 &&
                      image.userVoiceKind[at] == image::kTwoPartVoice &&
                      part + 1 < image::kPartCount;
    return pair && sent[at + 1] &&
           held.editVoice[image::kVoiceDumpNumberByte] ==
               image.editVoice[image::kVoiceDumpNumberByte] &&
           sameVoiceData(held.editVoice, image.editVoice, 0, image::voice::elementStart(2));
}

void sendVoices(const SynthImage& held, SynthImage& image, XgMessages& messages) {
    std::array<bool, image::kPartCount> sent{};
    for (int p = 0; p < image::kPartCount; ++p) {
        if (!image.hasUserVoice(p) || !userVoiceChanged(held, image, p)) continue;
        if (!messages.SendQSVoice(image.partVoices[static_cast<std::size_t>(p)])) return;
        sent[static_cast<std::size_t>(p)] = true;
    }
    if (voiceDataDiffers(held.editVoice, image.editVoice) &&
        !editVoiceCovered(held, image, messages, sent))
        messages.SendQSVoice(image.editVoice);
}

void sendSystem(const SynthImage& held, const SynthImage& image, XgMessages& messages) {
    if (held.system.masterTune() != image.system.masterTune())
        messages.SendMasterTune(image.system.masterTune());
    if (held.system.masterVolume != image.system.masterVolume)
        messages.SendSystemParam(kMasterVolumeAddress, image.system.masterVolume);
    if (held.system.transpose != image.system.transpose)
        messages.SendSystemParam(kTransposeAddress, image.system.transpose);
}

bool voiceGroupDiffers(const SynthImage& held, const SynthImage& image, int p) {
    for (int o : {off::kPartMode, off::kBankMsb, off::kBankLsb, off::kProgram})
        if (held.part(p, o) != image.part(p, o)) return true;
    return false;
}

void sendPart(const SynthImage& held, const SynthImage& image, XgMessages& messages, int p,
              bool voiceFlagsChanged) {
    int changesA = 0;
    int changesB = 0;
    for (int o = 0; o < image::kPartRecordSize; ++o)
        if (held.part(p, o) != image.part(p, o)) ++(o <= kLastDumpAOffset ? changesA : changesB);
    if (changesA + changesB == 0 && !voiceFlagsChanged) return;
    // The part's bulk dump knows how a user voice is selected on each module.
    if (voiceFlagsChanged || voiceGroupDiffers(held, image, p) ||
        changesA * kBytesPerChange > kPartDumpABytes ||
        changesB * kBytesPerChange > kPartDumpBBytes) {
        messages.SendPart(p);
        return;
    }
    const int base = p * image::kPartRecordSize;
    for (int o = 0; o < image::kPartRecordSize; ++o) {
        if (held.part(p, o) == image.part(p, o)) continue;
        if (o == off::kDetune || o == off::kDetuneFiller)
            messages.SendPartDetune(p, base + off::kDetune);
        else
            messages.SendPartParam(p, base + o, image.part(p, o));
        if (o == off::kDetune) ++o; // both bytes went in one message
    }
}

template <typename State>
void sendEffect(const State& held, const State& now, image::EffectKind kind, XgMessages& messages) {
    int changes = 0;
    for (int i = 0; i < State::kBlockSize; ++i)
        if (held.current[static_cast<std::size_t>(i)] != now.current[static_cast<std::size_t>(i)])
            ++changes;
    if (changes == 0 && held.typeIndex == now.typeIndex) return;
    const bool typeChanged = held.typeIndex != now.typeIndex || held.current[0] != now.current[0] ||
                             held.current[1] != now.current[1];
    if (typeChanged || changes > kEffectChangesForDump) {
        switch (kind) {
        case image::EffectKind::Reverb:
            messages.SendReverb();
            return;
        case image::EffectKind::Chorus:
            messages.SendChorus();
            return;
        case image::EffectKind::Variation:
            messages.SendVariation();
            return;
        }
    }
    for (int i = 2; i < State::kBlockSize; ++i) {
        const auto j = static_cast<std::size_t>(i);
        if (held.current[j] == now.current[j]) continue;
        messages.SendEffectParam(static_cast<Byte>(effectByteAddress(kind, i)), now.current[j]);
    }
}

void sendDrums(const SynthImage& held, const SynthImage& image, XgMessages& messages) {
    for (int s = 0; s < 2; ++s) {
        const auto& was = held.drums[static_cast<std::size_t>(s)];
        const auto& now = image.drums[static_cast<std::size_t>(s)];
        // A new kit resets the module's setup: everything that differs from it goes again.
        if (was.kit != now.kit || was.slotCount != now.slotCount || was.module != now.module) {
            messages.SendDrumSetup(s + 1);
            continue;
        }
        const int count = std::clamp(now.slotCount, 0, image::kDrumSlotCount);
        for (int slot = 0; slot < count; ++slot) {
            const auto k = static_cast<std::size_t>(slot);
            if (was.table[k] == now.table[k]) continue;
            const int note = image::DrumNote(now.kit, slot);
            if (note < 0) break;
            for (int param = 0; param < image::kDrumParamCount; ++param) {
                const auto j = static_cast<std::size_t>(param);
                if (was.table[k][j] != now.table[k][j])
                    messages.SendDrumParam(s + 1, note, param, now.table[k][j]);
            }
        }
    }
}

} // namespace

void sendImageDifference(const SynthImage& held, SynthImage& image, XgMessages& messages) {
    // Voices first: a part that asks for its user voice must find the new one there.
    sendVoices(held, image, messages);
    sendSystem(held, image, messages);
    for (int p = 0; p < image::kPartCount; ++p)
        sendPart(held, image, messages, p, voiceFlagsChanged(held, image, p));
    sendEffect(held.reverb, image.reverb, image::EffectKind::Reverb, messages);
    sendEffect(held.chorus, image.chorus, image::EffectKind::Chorus, messages);
    sendEffect(held.variation, image.variation, image::EffectKind::Variation, messages);
    sendDrums(held, image, messages);
}

} // namespace midi
