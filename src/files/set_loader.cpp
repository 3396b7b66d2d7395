#include "files/set_loader.h"

#include "image/effect_types.h"
#include "image/image_init.h"
#include "image/part_defaults.h"
#include "image/voice_dump.h"
#include "image/voice_pairs.h"

#include <algorithm>

namespace files {

namespace {

using image::Byte;
namespace off = image::offset;
using midi::SynthType;

constexpr std::size_t kSwitchByte = image::kVoiceDumpDataStart + image::kVoiceElementSwitchByte;
constexpr Byte kTwoElements = 3;

std::string partNumber(int part) {
    return std::to_string(part + 1);
}

bool playsUserVoice(const image::SynthImage& image, int part) {
    return image.part(part, off::kBankMsb) == image::kBankQsUserVoice;
}

// Which parts play a voice of their own: those asking for a user voice whose dump the file
// carried.
void assignUserVoices(image::SynthImage& image, const SetInterpreter& reader) {
    for (int p = 0; p < image::kPartCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        image.userVoiceKind[i] = reader.voicesRead()[i] && playsUserVoice(image, p)
                                     ? image::kSinglePartVoice
                                     : image::kXgVoice;
    }
}

void normaliseUserBanks(image::SynthImage& image, SynthType type) {
    if (type == SynthType::OtherXg) return;
    for (int p = 0; p < image::kPartCount; ++p)
        if (playsUserVoice(image, p))
            image.part(p, off::kBankLsb) = type == SynthType::Db50 ? 0 : 1;
}

// A QS300 plays four elements in one part: the second part a DB-50 set spent on the upper
// half goes back to its defaults. A DB-50 plays two per part: a four-element voice on the
// first part of a pair takes the next part too, one on the second part loses its upper two.
void convertFourElementVoices(LoadedSet& loaded, SynthType type) {
    auto& image = *loaded.image;
    for (int p = 0; p < image::kPartCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (image.userVoiceKind[i] == image::kXgVoice || !hasFourElements(image.partVoices[i]))
            continue;
        const bool firstOfPair = p % 2 == 0;
        if (type == SynthType::Qs300 && loaded.madeFor == MadeFor::Db50) {
            if (firstOfPair && playsUserVoice(image, p + 1)) {
                image::writePartDefaults(image, p + 1, true);
                image.userVoiceKind[i + 1] = image::kXgVoice;
            }
        } else if (type == SynthType::Db50) {
            if (!firstOfPair) {
                if (loaded.madeFor == MadeFor::Qs300) {
                    image.partVoices[i][kSwitchByte] = kTwoElements;
                    loaded.notices.push_back("QS Voice In Part " + partNumber(p) +
                                             " Is Set To 2 Elements !");
                }
                continue;
            }
            if (loaded.madeFor == MadeFor::Qs300)
                loaded.notices.push_back("Part " + partNumber(p + 1) +
                                         " Plays The Upper 2 Elements Of Part " + partNumber(p) +
                                         " !");
            image.userVoiceKind[i] = image::kTwoPartVoice;
            image.userVoiceKind[i + 1] = image::kXgVoice;
        }
    }
}

using PartFlags = std::array<bool, image::kPartCount>;

// A set made on a DB-50 carries the upper half of each pair as a part of its own, with
// whatever the user changed on it: the parts that play a voice of their own from the file.
PartFlags carriedUpperHalves(const image::SynthImage& image, MadeFor madeFor) {
    PartFlags carried{};
    for (std::size_t i = 1; i < carried.size() && madeFor == MadeFor::Db50; i += 2)
        carried[i] = image.userVoiceKind[i] == image::kSinglePartVoice;
    return carried;
}

// The second part of a pair plays elements 3 and 4 of the first part's voice as its own
// elements 1 and 2, on the same channel, as the next user voice. An upper half the file
// carried keeps its own record and dump.
void splitPairs(image::SynthImage& image, const PartFlags& carried) {
    for (int p = 0; p + 1 < image::kPartCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (image.userVoiceKind[i] != image::kTwoPartVoice) continue;
        image.pairFlagLow[i + 1] = 1;
        image.pairFlagHigh[i + 1] = 1;
        image.userVoiceKind[i + 1] = image::kXgVoice;
        if (carried[i + 1]) continue;
        // The next user voice: the first part's number plus one.
        const int upperNumber = (image.partVoices[i][image::kVoiceDumpNumberByte] + 1) & 0x7F;
        image.partVoices[i + 1] = image::upperHalfDump(image.partVoices[i], upperNumber);
        for (int o = 0; o < image::kPartRecordSize; ++o) image.part(p + 1, o) = image.part(p, o);
        image.part(p + 1, off::kProgram) =
            static_cast<Byte>((image.part(p, off::kProgram) + 1) & 0x7F);
    }
}

// The loaded type selects the type; its start-up row, overridden by every byte the file
// carried, becomes the current block. A file that sets parameters without naming the type
// keeps the type the block had.
template <typename State> void rebuildEffect(State& state, image::EffectKind kind) {
    const auto& loaded = state.loaded;
    const int msb = loaded[0] != image::kNotInFile ? loaded[0] : state.current[0];
    const int lsb = loaded[1] != image::kNotInFile ? loaded[1] : state.current[1];
    const int type = image::FindEffectType(kind, msb, lsb);
    state.typeIndex = type;
    if (type == 0 || type > State::kRowCount) {
        state.current[0] = static_cast<Byte>(msb);
        state.current[1] = static_cast<Byte>(lsb);
        return;
    }
    auto row = state.startRows[static_cast<std::size_t>(type - 1)];
    for (std::size_t b = 0; b < row.size(); ++b)
        if (loaded[b] != image::kNotInFile) row[b] = loaded[b];
    state.rows[static_cast<std::size_t>(type - 1)] = row;
    state.current = row;
}

void rebuildEffects(image::SynthImage& image, const LoadCounters& counters) {
    if (counters.effects[0] > 0) rebuildEffect(image.reverb, image::EffectKind::Reverb);
    if (counters.effects[1] > 0) rebuildEffect(image.chorus, image::EffectKind::Chorus);
    if (counters.effects[2] > 0) rebuildEffect(image.variation, image::EffectKind::Variation);
}

// A set starts from a reset image; the other kinds change only their own sections.
LoadedSet prepare(bool fromReset, const image::SynthImage& current) {
    LoadedSet loaded;
    loaded.image = std::make_unique<image::SynthImage>(current);
    if (fromReset) image::resetImageData(*loaded.image);
    return loaded;
}

void afterReading(LoadedSet& loaded, SetInterpreter& reader, SetKind kind, SynthType type) {
    reader.finish();
    loaded.counters = reader.counters();
    loaded.madeFor = reader.madeFor();
    auto& image = *loaded.image;
    for (std::size_t s = 0; s < 2; ++s)
        loaded.drumsChanged[s] =
            kind != SetKind::Fx && (kind == SetKind::Drums || loaded.counters.drums[s] > 0);
    if (kind == SetKind::Set) {
        normaliseUserBanks(image, type);
        assignUserVoices(image, reader);
    }
    const auto carried = carriedUpperHalves(image, loaded.madeFor);
    if (kind == SetKind::Set) convertFourElementVoices(loaded, type);
    rebuildEffects(image, loaded.counters);
    if (kind == SetKind::Set && type == SynthType::Db50) splitPairs(image, carried);
}

} // namespace

bool hasFourElements(const image::VoiceDump& dump) {
    return dump[kSwitchByte] > kTwoElements;
}

LoadedSet readSetFile(TxMidiData& container, SetKind kind, const image::SynthImage& current,
                      midi::SynthType type, const AppliedListener& listener) {
    auto loaded = prepare(kind == SetKind::Set, current);
    SetInterpreter reader(*loaded.image, kind);
    reader.setAppliedListener(listener);
    // Only a file read to its end is applied, so the copy never holds half a file.
    container.SetActive(true);
    reader.applyAll(container);
    afterReading(loaded, reader, kind, type);
    return loaded;
}

LoadedSet readSetBytes(std::span<const std::uint8_t> bytes, SetKind kind,
                       const image::SynthImage& current, midi::SynthType type,
                       const AppliedListener& listener) {
    auto loaded = prepare(kind == SetKind::Set, current);
    SetInterpreter reader(*loaded.image, kind);
    reader.setAppliedListener(listener);
    TxMidiData container;
    container.readBytes(bytes);
    reader.applyAll(container);
    afterReading(loaded, reader, kind, type);
    return loaded;
}

SysExReading::SysExReading(SetKind kind, const image::SynthImage& current, midi::SynthType type,
                           bool fromReset, const AppliedListener& listener)
    : kind_(kind), type_(type) {
    loaded_ = prepare(fromReset, current);
    reader_ = std::make_unique<SetInterpreter>(*loaded_.image, kind);
    reader_->setAppliedListener(listener);
    // Raw messages do not say for which module they were made: the one in use is assumed.
    reader_->assumeMadeFor(type == SynthType::Db50 ? MadeFor::Db50 : MadeFor::Qs300);
}

void SysExReading::apply(std::span<const std::uint8_t> message) {
    if (message.size() > 1) reader_->apply(statusSysEx, message.subspan(1));
}

LoadedSet SysExReading::finish() {
    afterReading(loaded_, *reader_, kind_, type_);
    return std::move(loaded_);
}

LoadedSet readSysExMessages(std::span<const std::span<const std::uint8_t>> messages, SetKind kind,
                            const image::SynthImage& current, midi::SynthType type,
                            const AppliedListener& listener) {
    SysExReading reading(kind, current, type, true, listener);
    for (const auto message : messages) reading.apply(message);
    return reading.finish();
}

void rememberLoadedState(image::SynthImage& image) {
    image.loadedParts = image.parts;
    image::takeEffectSnapshot(image);
}

} // namespace files
