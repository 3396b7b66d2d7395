#include "files/set_writer.h"

#include "files/change_counts.h"
#include "image/drum_kits.h"
#include "image/effect_types.h"
#include "image/part_defaults.h"
#include "image/voice_dump.h"
#include "midi/block_dumps.h"
#include "midi/xg_messages.h"

#include <string>

namespace files {

namespace {

using image::Byte;
namespace off = image::offset;
using midi::SynthType;

constexpr Byte kMetaPort = 0x21;
constexpr Byte kMetaText = 0x01;
constexpr Byte kMetaEndOfTrack = 0x2F;
// Nine bytes on the wire: what a single parameter change costs, to weigh it against a dump.
constexpr int kBytesPerChange = 9;
constexpr int kDumpASize = 51;
constexpr int kDumpBSize = 73;
// A drum key with more changed values than this goes as one note dump.
constexpr int kDrumChangesForDump = 3;

class TrackWriter {
  public:
    TrackWriter(TxMidiTrack& track, const image::SynthImage& image, const SetWriteOptions& options)
        : track_(track), image_(image), options_(options) {
        t_.setDevice(options.device);
    }

    void opening() {
        const Byte port[] = {0};
        track_.appendMeta(0, kMetaPort, port);
        std::string name = kTrackName;
        name.push_back('\0');
        track_.appendMeta(0, metaTrackName, asBytes(name));
        track_.appendSysEx(0, statusSysEx, std::span<const Byte>(t_.xgSystemOn).subspan(1));
        text(options_.type == SynthType::Db50 ? kMadeForDb50 : kMadeForQs300);
    }

    void system() {
        const auto& s = image_.system;
        const image::SystemBlock defaults;
        if (s.masterTune() != defaults.masterTune()) {
            for (int i = 0; i < 4; ++i)
                t_.masterTune[static_cast<std::size_t>(7 + i)] =
                    static_cast<Byte>((s.masterTune() >> (12 - 4 * i)) & 0x0F);
            sysex(t_.masterTune, kTicksAfterShortEvent);
        }
        if (s.masterVolume != defaults.masterVolume)
            systemParam(midi::kMasterVolumeAddress, s.masterVolume);
        if (s.transpose != defaults.transpose) systemParam(midi::kTransposeAddress, s.transpose);
    }

    void voices() {
        for (int p = 0; p < image::kPartCount; ++p) {
            if (!image_.hasUserVoice(p)) continue;
            auto dump = image_.partVoices[static_cast<std::size_t>(p)];
            dump[midi::kDeviceByte] = static_cast<Byte>(options_.device);
            // Read back, the dump lands on the part its number names.
            dump[image::kVoiceDumpNumberByte] = static_cast<Byte>(p);
            image::renewVoiceDumpChecksum(dump);
            sysex(dump, kTicksAfterVoiceDump);
        }
    }

    void parts() {
        bool anyChanged = false;
        for (int p = 0; p < image::kPartCount && !anyChanged; ++p)
            for (int o = 0; o < image::kPartRecordSize && !anyChanged; ++o)
                anyChanged = image_.part(p, o) != image::ExpectedPartValue(p, o);
        if (!anyChanged) return;
        for (int p = 0; p < image::kPartCount; ++p) {
            partBlockA(p);
            partBlockB(p);
        }
    }

    void effects() {
        if (effectDiffersFromReset(image_, image::EffectKind::Reverb))
            effect(image_.reverb.typeIndex, midi::kReverbBlockAddress, t_.reverbDumpA,
                   t_.reverbDumpB, image_.reverb.current);
        if (effectDiffersFromReset(image_, image::EffectKind::Chorus))
            effect(image_.chorus.typeIndex, midi::kChorusBlockAddress, t_.chorusDumpA,
                   t_.chorusDumpB, image_.chorus.current);
        if (effectDiffersFromReset(image_, image::EffectKind::Variation)) {
            if (image_.variation.typeIndex == image::kVariationThruIndex) {
                effectType(midi::kVariationBlockAddress, 0x40);
            } else {
                effect(image_.variation.typeIndex, midi::kVariationBlockAddress, t_.variationDumpA,
                       t_.variationDumpB, image_.variation.current);
            }
        }
    }

    void drums() {
        std::array<bool, 2> changed{};
        for (std::size_t s = 0; s < 2; ++s) {
            changed[s] = drumChangesFromKit(image_.drums[s]) > 0;
            if (!changed[s]) continue;
            const int position = image::kitListIndex(image_.drums[s].kit);
            text("MAP" + std::to_string(s + 1) + "=" + std::to_string(position));
        }
        for (std::size_t s = 0; s < 2; ++s)
            if (changed[s]) drumSetup(static_cast<int>(s) + 1, image_.drums[s]);
    }

    void end() { track_.appendMeta(tick_ + kTicksBeforeEnd, kMetaEndOfTrack, {}); }

  private:
    static std::span<const Byte> asBytes(const std::string& s) {
        return {reinterpret_cast<const Byte*>(s.data()), s.size()};
    }

    // Stored without the leading F0, as a Standard MIDI File keeps system exclusive.
    void sysex(std::span<const Byte> message, std::uint32_t advance) {
        track_.appendSysEx(tick_, statusSysEx, message.subspan(1));
        tick_ += advance;
    }

    void text(const std::string& content) {
        std::string withEnd = content;
        withEnd.push_back('\0');
        track_.appendMeta(tick_, kMetaText, asBytes(withEnd));
        tick_ += kTicksAfterShortEvent;
    }

    void systemParam(Byte address, Byte value) {
        t_.systemParam[6] = address;
        t_.systemParam[7] = value;
        sysex(t_.systemParam, kTicksAfterShortEvent);
    }

    void partParam(int part, int offset, Byte value) {
        if (offset == off::kDetune) {
            t_.partParam2[5] = static_cast<Byte>(part);
            t_.partParam2[7] = static_cast<Byte>(value >> 4);
            t_.partParam2[8] = static_cast<Byte>(value & 0x0F);
            sysex(t_.partParam2, kTicksAfterShortEvent);
            return;
        }
        t_.partParam[5] = static_cast<Byte>(part);
        t_.partParam[6] = midi::partAddress(offset);
        t_.partParam[7] = value;
        sysex(t_.partParam, kTicksAfterShortEvent);
    }

    int weightOfChanges(int part, int first, int last) const {
        int bytes = 0;
        for (int o = first; o <= last; ++o)
            if (image_.part(part, o) != image::expectedTableValue(image_, part, o))
                bytes += kBytesPerChange;
        return bytes;
    }

    void partBlockA(int part) {
        const bool bulk = weightOfChanges(part, 0, 40) > kDumpASize;
        const bool qsByParameters =
            options_.multiParameterChange && options_.type == SynthType::Qs300;
        if (bulk && !qsByParameters) {
            midi::fillPartDumpA(t_.partDumpA, image_, part, options_.type);
            sysex(t_.partDumpA, kTicksAfterBulkDump);
            return;
        }
        if (image::partGroupDiffers(image_, part)) {
            const Byte msb = image_.part(part, off::kBankMsb);
            Byte lsb = image_.part(part, off::kBankLsb);
            if (msb == image::kBankQsUserVoice && image_.hasUserVoice(part))
                lsb = options_.type == SynthType::Db50 ? 0 : 1;
            const Byte program = image_.hasUserVoice(part) ? static_cast<Byte>(part)
                                                           : image_.part(part, off::kProgram);
            partParam(part, off::kPartMode, image_.part(part, off::kPartMode));
            partParam(part, off::kBankMsb, msb);
            partParam(part, off::kBankLsb, lsb);
            partParam(part, off::kProgram, program);
        }
        for (int o = 0; o <= 40; ++o) {
            if (o == off::kBankMsb || o == off::kBankLsb || o == off::kProgram ||
                o == off::kPartMode)
                continue;
            const Byte value = image_.part(part, o);
            if (value != image::ExpectedPartValue(part, o)) partParam(part, o, value);
        }
    }

    void partBlockB(int part) {
        const bool bulk = weightOfChanges(part, 41, image::kPartRecordSize - 1) > kDumpBSize;
        if (bulk && !options_.multiParameterChange) {
            midi::fillPartDumpB(t_.partDumpB, image_, part);
            sysex(t_.partDumpB, kTicksAfterBulkDump);
            return;
        }
        for (int o = 41; o < image::kPartRecordSize; ++o) {
            const Byte value = image_.part(part, o);
            if (value != image::ExpectedPartValue(part, o)) partParam(part, o, value);
        }
    }

    void effectType(Byte blockAddress, Byte msb) {
        t_.effectType[6] = blockAddress;
        t_.effectType[7] = msb;
        t_.effectType[8] = 0;
        sysex(t_.effectType, kTicksAfterShortEvent);
    }

    template <std::size_t A, std::size_t B, std::size_t Size>
    void effect(int typeIndex, Byte blockAddress, midi::Message<A>& dumpA, midi::Message<B>& dumpB,
                const std::array<Byte, Size>& block) {
        if (typeIndex == 0) {
            effectType(blockAddress, 0);
            return;
        }
        midi::fillEffectDumps(dumpA, dumpB, block);
        sysex(dumpA, kTicksAfterBulkDump);
        sysex(dumpB, kTicksAfterBulkDump);
    }

    void drumSetup(int setup, const image::DrumSetup& drums) {
        const auto reference = image::kitReference(drums.kit);
        const auto used = std::min<std::size_t>(
            reference.size(), static_cast<std::size_t>(std::max(drums.slotCount, 0)));
        for (std::size_t slot = 0; slot < used; ++slot) {
            const int note = image::DrumNote(drums.kit, static_cast<int>(slot));
            if (note < 0) break;
            const auto& values = drums.table[slot];
            const auto& kit = reference[slot];
            int differing = 0;
            for (int j = 0; j < image::kDrumParamCount; ++j)
                if (values[static_cast<std::size_t>(j)] != kit[static_cast<std::size_t>(j)])
                    ++differing;
            if (differing == 0) continue;
            if (differing > kDrumChangesForDump) {
                midi::fillDrumNoteDump(t_.drumNoteDump, setup, note, values);
                sysex(t_.drumNoteDump, kTicksAfterBulkDump);
                continue;
            }
            for (int j = 0; j < image::kDrumParamCount; ++j) {
                const auto i = static_cast<std::size_t>(j);
                if (values[i] == kit[i]) continue;
                t_.drumParam[4] = static_cast<Byte>(setup == 2 ? 0x31 : 0x30);
                t_.drumParam[5] = static_cast<Byte>(note);
                t_.drumParam[6] = static_cast<Byte>(j);
                t_.drumParam[7] = values[i];
                sysex(t_.drumParam, kTicksAfterShortEvent);
            }
        }
    }

    TxMidiTrack& track_;
    const image::SynthImage& image_;
    const SetWriteOptions& options_;
    midi::XgTemplates t_;
    std::uint32_t tick_ = kFirstCounterTick;
};

template <typename State>
bool differsFromReset(const State& state, int defaultType, const auto& presetRows) {
    return state.typeIndex != defaultType ||
           state.current != presetRows[static_cast<std::size_t>(defaultType - 1)];
}

} // namespace

bool effectDiffersFromReset(const image::SynthImage& image, image::EffectKind kind) {
    switch (kind) {
    case image::EffectKind::Reverb:
        return differsFromReset(image.reverb, image::kDefaultReverbType, image::kReverbPresetRows);
    case image::EffectKind::Chorus:
        return differsFromReset(image.chorus, image::kDefaultChorusType, image::kChorusPresetRows);
    case image::EffectKind::Variation:
        return differsFromReset(image.variation, image::kDefaultVariationType,
                                image::kVariationPresetRows);
    }
    return false;
}

TxMidiData buildSetFile(const image::SynthImage& image, SetSections sections,
                        const SetWriteOptions& options) {
    TxMidiData file;
    TrackWriter writer(file.addTrack(), image, options);
    writer.opening();
    if (sections.partsAndSystem) {
        writer.system();
        writer.voices();
        writer.parts();
    }
    if (sections.effects) writer.effects();
    if (sections.drums) writer.drums();
    writer.end();
    return file;
}

void saveSetFile(const std::filesystem::path& path, const image::SynthImage& image,
                 SetSections sections, const SetWriteOptions& options) {
    auto file = buildSetFile(image, sections, options);
    file.setFileName(path);
    file.Save();
}

} // namespace files
