#include "files/set_interpreter.h"

#include "image/drum_kits.h"
#include "midi/effect_parameter_names.h"

#include <algorithm>
#include <string_view>

namespace files {

namespace {

using image::Byte;
using Data = std::span<const std::uint8_t>;
using Target = AppliedMessage::Target;

constexpr Byte kYamaha = 0x43;
constexpr Byte kXgModel = 0x4C;
constexpr Byte kQsModel = 0x4B;
constexpr Byte kEndOfExclusive = 0xF7;
constexpr Byte kMetaText = 0x01;
constexpr Byte kPartBlock = 0x08;
constexpr Byte kEffectBlockHigh = 0x02;
constexpr Byte kEffectBlockMid = 0x01;
constexpr Byte kDrumSetup1 = 0x30;
constexpr Byte kDrumSetup2 = 0x31;
// The system block: master tune as four nibbles, master volume, attenuator, transpose.
constexpr int kSystemBlockSize = 7;
constexpr int kMasterVolumeIndex = 4;
constexpr int kTransposeIndex = 6;

// Sizes of the messages after F0, closing F7 included.
constexpr std::size_t kShortSize = 8;
constexpr std::size_t kTwoByteSize = 9;
constexpr std::size_t kMasterTuneSize = 11;
constexpr std::size_t kVoiceDumpSize = image::kVoiceDumpSize - 1;
constexpr std::size_t kBulkDataStart = 8; // after 43 0n 4C hi lo a1 a2 a3

bool isParameterChange(Data d) {
    return (d[1] & 0xF0) == 0x10 && d[2] == kXgModel;
}
bool isXgBulk(Data d) {
    return (d[1] & 0xF0) == 0x00 && d[2] == kXgModel;
}

int drumSetupOf(Byte high) {
    if (high == kDrumSetup1) return 0;
    if (high == kDrumSetup2) return 1;
    return -1;
}

int partOffsetOf(int address) {
    if (address >= 0 && address <= 0x28) return address;
    if (address >= 0x30 && address <= 0x6E) return address - 7;
    return -1;
}

std::span<Byte> loadedBlock(image::SynthImage& image, image::EffectKind kind) {
    switch (kind) {
    case image::EffectKind::Reverb:
        return image.reverb.loaded;
    case image::EffectKind::Chorus:
        return image.chorus.loaded;
    case image::EffectKind::Variation:
        return image.variation.loaded;
    }
    return {};
}

// A kit that no part uses still shows the Standard Kit.
int shownKit(int kit) {
    return kit == image::kNoKit ? 0 : kit;
}

} // namespace

EffectByte effectByteOf(int address) {
    const auto where = midi::effectAddressOf(address);
    return {where.kind, where.index};
}

SetInterpreter::SetInterpreter(image::SynthImage& image, SetKind kind)
    : image_(image), sections_(sectionsOf(kind)), kind_(kind) {
    image_.reverb.loaded.fill(image::kNotInFile);
    image_.chorus.loaded.fill(image::kNotInFile);
    image_.variation.loaded.fill(image::kNotInFile);
}

void SetInterpreter::apply(std::uint8_t status, std::span<const std::uint8_t> block) {
    if (status == statusSysEx) {
        applySysEx(block);
    } else if (status == statusMeta && !block.empty() && block[0] == kMetaText) {
        applyText(block.subspan(1));
    }
}

void SetInterpreter::applyAll(const TxMidiData& file) {
    for (std::size_t t = 0; t < file.trackCount(); ++t) {
        const auto& track = file.Track(t);
        for (std::size_t i = 0; i < track.count(); ++i) {
            const auto event = track.event(i);
            if (event.status == statusSysEx || event.status == statusMeta)
                apply(event.status, track.blockOf(event));
        }
    }
}

void SetInterpreter::applySysEx(Data d) {
    if (d.size() < kShortSize || d[0] != kYamaha || d.back() != kEndOfExclusive) return;
    // A data byte with its top bit set belongs to no message we know.
    if (std::any_of(d.begin(), d.end() - 1, [](Byte b) { return b >= 0x80; })) return;
    switch (d.size()) {
    case kShortSize:
        if (isParameterChange(d)) applyShort(d);
        return;
    case kTwoByteSize:
        if (isParameterChange(d)) applyTwoByte(d);
        return;
    case kMasterTuneSize:
        if (isParameterChange(d) && d[3] == 0 && d[4] == 0 && d[5] == 0 &&
            sections_.partsAndSystem) {
            const int tune =
                (d[6] & 0x0F) << 12 | (d[7] & 0x0F) << 8 | (d[8] & 0x0F) << 4 | (d[9] & 0x0F);
            image_.system.setMasterTune(tune);
            counters_.parts += 2;
            report({Target::MasterTune, -1, 0, tune});
        }
        return;
    case kVoiceDumpSize:
        if ((d[1] & 0xF0) == 0 && d[2] == kQsModel && d[3] == 0x02 && d[4] == 0x7D &&
            d[5] == 0x11 && d[7] == 0x00 && sections_.partsAndSystem &&
            voicesTaken_ < image::kPartCount && d[6] < image::kPartCount) {
            auto& dump = image_.partVoices[d[6]];
            dump[0] = 0xF0;
            std::copy(d.begin(), d.end(), dump.begin() + 1);
            voicesRead_[d[6]] = true;
            ++voicesTaken_;
            ++counters_.parts;
            report({Target::PartVoice, d[6], 0, d[6]});
        }
        return;
    default:
        if (isXgBulk(d)) applyBulk(d);
        return;
    }
}

void SetInterpreter::applyShort(Data d) {
    const int value = d[6];
    if (d[3] == 0x00 && d[4] == 0x00) {
        if (!sections_.partsAndSystem) return;
        if (d[5] == 0x04) {
            image_.system.masterVolume = static_cast<Byte>(value);
            report({Target::MasterVolume, -1, 0, value});
        } else if (d[5] == 0x06) {
            image_.system.transpose = static_cast<Byte>(value);
            report({Target::Transpose, -1, 0, value});
        } else {
            return;
        }
        ++counters_.parts;
    } else if (d[3] == kPartBlock) {
        setPartByte(d[4], d[5], value);
    } else if (d[3] == kEffectBlockHigh && d[4] == kEffectBlockMid) {
        setEffectByte(d[5], value);
    } else if (const int setup = drumSetupOf(d[3]); setup >= 0) {
        setDrumByte(setup, d[4], d[5], value);
    }
}

void SetInterpreter::applyTwoByte(Data d) {
    if (d[3] == kPartBlock) {
        setPartByte(d[4], d[5], (d[6] & 0x0F) << 4 | (d[7] & 0x0F));
    } else if (d[3] == kEffectBlockHigh && d[4] == kEffectBlockMid) {
        setEffectByte(d[5], d[6]);
        setEffectByte(d[5] + 1, d[7]);
    }
}

void SetInterpreter::applyBulk(Data d) {
    const Data data = d.subspan(kBulkDataStart, d.size() - kBulkDataStart - 2);
    const Byte high = d[5];
    const Byte mid = d[6];
    const Byte low = d[7];
    if (high == 0 && mid == 0 && low == 0) {
        applySystemBlock(data);
    } else if (high == kEffectBlockHigh && mid == kEffectBlockMid) {
        // Each dump fills the addresses from its start on, as many as it carries.
        const bool known = (d.size() == 16 && (low == 0x10 || low == 0x30 || low == 0x70)) ||
                           (d.size() == 24 && low == 0x00) || (d.size() == 25 && low == 0x20) ||
                           (d.size() == 43 && low == 0x40);
        if (!known) return;
        for (std::size_t i = 0; i < data.size(); ++i)
            setEffectByte(low + static_cast<int>(i), data[i]);
    } else if (const int setup = drumSetupOf(high); setup >= 0 && d.size() == 26 && low == 0) {
        for (std::size_t j = 0; j < data.size(); ++j)
            setDrumByte(setup, mid, static_cast<int>(j), data[j]);
    } else if (high == kPartBlock && mid < image::kPartCount && d.size() == 51 && low == 0x00) {
        for (std::size_t o = 0; o < data.size(); ++o) {
            int value = data[o];
            // The dump carries detune as two nibbles; the record keeps one byte.
            if (static_cast<int>(o) == image::offset::kDetune)
                value = (data[o] & 0x0F) << 4 | (data[o + 1] & 0x0F);
            if (static_cast<int>(o) == image::offset::kDetuneFiller) value = 0;
            setPartByte(mid, static_cast<int>(o), value);
        }
    } else if (high == kPartBlock && mid < image::kPartCount && d.size() == 73 && low == 0x30) {
        for (std::size_t o = 0; o < data.size(); ++o)
            setPartByte(mid, 0x30 + static_cast<int>(o), data[o]);
    }
}

void SetInterpreter::applySystemBlock(Data data) {
    // A module answers the whole block; a shorter dump says too little to trust.
    if (!sections_.partsAndSystem || data.size() < kSystemBlockSize) return;
    const int tune =
        (data[0] & 0x0F) << 12 | (data[1] & 0x0F) << 8 | (data[2] & 0x0F) << 4 | (data[3] & 0x0F);
    image_.system.setMasterTune(tune);
    image_.system.masterVolume = data[kMasterVolumeIndex];
    image_.system.transpose = data[kTransposeIndex];
    counters_.parts += 4;
    report({Target::MasterTune, -1, 0, tune});
    report({Target::MasterVolume, -1, 0, data[kMasterVolumeIndex]});
    report({Target::Transpose, -1, 0, data[kTransposeIndex]});
}

void SetInterpreter::setPartByte(int part, int address, int value) {
    const int offset = partOffsetOf(address);
    if (!sections_.partsAndSystem || part < 0 || part >= image::kPartCount || offset < 0) return;
    image_.part(part, offset) = static_cast<Byte>(value);
    ++counters_.parts;
    report({Target::Part, part, offset, value});
    // A module sets a drum setup back to its kit when a part selects another kit; the
    // values read for the old kit go with it.
    const bool selectsKit = offset == image::offset::kBankMsb ||
                            offset == image::offset::kProgram || offset == image::offset::kPartMode;
    for (int s = 0; s < 2 && selectsKit; ++s) {
        const auto i = static_cast<std::size_t>(s);
        if (drumSettled_[i] && image::FindKit(image_, s).kit != image_.drums[i].kit)
            drumSettled_[i] = false;
    }
}

void SetInterpreter::setEffectByte(int address, int value) {
    const auto where = effectByteOf(address);
    if (!sections_.effects || where.index < 0) return;
    auto block = loadedBlock(image_, where.kind);
    block[static_cast<std::size_t>(where.index)] = static_cast<Byte>(value);
    ++counters_.effects[static_cast<std::size_t>(where.kind)];
    AppliedMessage message{Target::Effect, -1, where.index, value};
    message.effect = where.kind;
    report(message);
}

bool SetInterpreter::settleDrumSetup(int setupIndex) {
    const auto s = static_cast<std::size_t>(setupIndex);
    auto& setup = image_.drums[s];
    if (!drumSettled_[s]) {
        drumSettled_[s] = true;
        if (kind_ == SetKind::Drums) {
            // A drum file names its kits; one that does not means the first kit.
            setup.kit = mappedKits_[s].value_or(image::kKitNumbers[0]);
            setup.slotCount = static_cast<int>(image::kitReference(setup.kit).size());
        } else {
            const auto choice = image::FindKit(image_, setupIndex);
            setup.kit = choice.kit;
            setup.slotCount = choice.slotCount;
        }
        image::loadKitReference(setup.working, shownKit(setup.kit));
    }
    return setup.kit != image::kNoKit && setup.slotCount > 0;
}

void SetInterpreter::setDrumByte(int setupIndex, int note, int param, int value) {
    if (!sections_.drums || param < 0 || param >= image::kDrumParamCount) return;
    if (!settleDrumSetup(setupIndex)) return;
    auto& setup = image_.drums[static_cast<std::size_t>(setupIndex)];
    const int slot = image::drumSlotForNote(setup.kit, note);
    if (slot < 0 || slot >= setup.slotCount) return;
    setup.working[static_cast<std::size_t>(slot)][static_cast<std::size_t>(param)] =
        static_cast<Byte>(value);
    ++counters_.drums[static_cast<std::size_t>(setupIndex)];
    AppliedMessage message{Target::Drum, -1, param, value};
    message.setup = setupIndex + 1;
    message.note = note;
    report(message);
}

void SetInterpreter::applyText(Data text) {
    std::string_view s(reinterpret_cast<const char*>(text.data()), text.size());
    if (const auto end = s.find('\0'); end != std::string_view::npos) s = s.substr(0, end);
    if (s == "DB") {
        madeFor_ = MadeFor::Db50;
    } else if (s == "QS") {
        madeFor_ = MadeFor::Qs300;
    } else if ((s.starts_with("MAP1=") || s.starts_with("MAP2=")) && s.size() >= 6 &&
               s.size() <= 7 &&
               std::all_of(s.begin() + 5, s.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int position = 0;
        for (char c : s.substr(5)) position = position * 10 + (c - '0');
        if (position >= image::kKitCount) return;
        mappedKits_[s[3] == '1' ? 0 : 1] = image::kKitNumbers[static_cast<std::size_t>(position)];
    }
}

void SetInterpreter::finish() {
    if (!sections_.drums) return;
    for (int s = 0; s < 2; ++s) {
        settleDrumSetup(s);
        auto& setup = image_.drums[static_cast<std::size_t>(s)];
        setup.table = setup.working;
        image::loadKitReference(setup.module, shownKit(setup.kit));
        // The working table holds the kit's values again, to compare against when saving.
        setup.working = setup.module;
    }
}

} // namespace files
