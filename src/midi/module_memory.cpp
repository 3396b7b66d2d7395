#include "midi/module_memory.h"

#include "image/drum_kits.h"
#include "image/effect_types.h"
#include "image/image_init.h"
#include "midi/effect_parameter_names.h"

#include <algorithm>
#include <utility>

namespace midi {

namespace {

using image::Byte;
namespace off = image::offset;

constexpr int kLastAddress = 0x7F;
constexpr int kMasterTuneNibbles = 4;
constexpr int kMasterVolumeAddress = 0x04;
constexpr int kTransposeAddress = 0x06;
constexpr int kDetuneLowAddress = 0x0A;
// The first ten variation parameters take two bytes each, from block byte 2 on.
constexpr int kFirstTwoByteVariationIndex = 2;
constexpr int kLastTwoByteVariationIndex = 21;

int partOffsetOf(int address) {
    if (address >= 0 && address <= 0x28) return address;
    if (address >= 0x30 && address <= 0x6E) return address - 7;
    return -1;
}

int drumSetupOf(std::uint8_t high) {
    if (high == kDrumSetup1High) return 0;
    if (high == kDrumSetup2High) return 1;
    return -1;
}

bool isDrumNote(int note) {
    return note >= image::kFirstDrumNote && note <= kLastDrumNote;
}

bool selectsKit(int offset) {
    return offset == off::kBankMsb || offset == off::kProgram || offset == off::kPartMode;
}

template <typename State, std::size_t Rows>
void loadPresetRow(State& state, const std::array<typename State::Block, Rows>& presets) {
    const int row = state.typeIndex - 1;
    if (row < 0 || row >= static_cast<int>(Rows)) return;
    const Byte msb = state.current[0];
    const Byte lsb = state.current[1];
    state.current = presets[static_cast<std::size_t>(row)];
    // Several codes may share a type's row; the block keeps the code it was sent.
    state.current[0] = msb;
    state.current[1] = lsb;
}

// The current block of an effect, writable or not as the image is.
template <class Image> auto blockOf(Image& img, image::EffectKind kind) {
    using Span = decltype(std::span(img.reverb.current.data(), 0));
    switch (kind) {
    case image::EffectKind::Reverb:
        return Span(img.reverb.current);
    case image::EffectKind::Chorus:
        return Span(img.chorus.current);
    case image::EffectKind::Variation:
        return Span(img.variation.current);
    }
    return Span();
}

} // namespace

ModuleMemory::ModuleMemory() : image_(std::make_unique<image::SynthImage>()) {
    image::initialiseImage(*image_);
    reset();
}

void ModuleMemory::reset() {
    image::resetImageData(*image_);
    attenuator_ = 0;
    // Both setups hold the Standard Kit, whether a part plays them or not.
    for (int s = 0; s < 2; ++s) {
        const int kit = image_->drums[static_cast<std::size_t>(s)].kit;
        loadKit(s, kit == image::kNoKit ? 0 : kit);
    }
}

void ModuleMemory::resetDrumSetup(int setupIndex) {
    if (setupIndex != 0 && setupIndex != 1) return;
    const int kit = image_->drums[static_cast<std::size_t>(setupIndex)].kit;
    loadKit(setupIndex, kit == image::kNoKit ? 0 : kit);
}

int ModuleMemory::write(XgAddress at, std::span<const std::uint8_t> data) {
    int taken = 0;
    const int count = std::min(static_cast<int>(data.size()), kLastAddress + 1 - at.low);
    if (at.high == kSystemHigh && at.mid == 0) {
        auto& system = image_->system;
        for (int i = 0; i < count; ++i) {
            const int address = at.low + i;
            const Byte value = data[static_cast<std::size_t>(i)];
            if (address < kMasterTuneNibbles) {
                const int shift = 12 - 4 * address;
                const int tune = system.masterTune() & ~(0x0F << shift);
                system.setMasterTune(tune | (value & 0x0F) << shift);
            } else if (address == kMasterVolumeAddress) {
                system.masterVolume = value;
            } else if (address == kAttenuatorAddress) {
                attenuator_ = value;
            } else if (address == kTransposeAddress) {
                system.transpose = value;
            } else {
                continue;
            }
            ++taken;
        }
    } else if (at.high == kEffectHigh && at.mid == kEffectMid) {
        for (int i = 0; i < count; ++i) {
            const int address = at.low + i;
            if (effectAddressOf(address).index < 0) continue;
            writeEffect(address, data[static_cast<std::size_t>(i)], i + 1 == count);
            ++taken;
        }
    } else if (at.high == kPartHigh && at.mid < image::kPartCount) {
        bool kitByte = false;
        for (int i = 0; i < count; ++i) {
            const int address = at.low + i;
            if (partOffsetOf(address) < 0) continue;
            kitByte |= writePart(at.mid, address, data[static_cast<std::size_t>(i)]);
            ++taken;
        }
        // Judged once per message: a dump that sets bank and program together selects one kit.
        if (kitByte) settleDrumKits();
    } else if (const int setup = drumSetupOf(at.high); setup >= 0 && isDrumNote(at.mid)) {
        for (int i = 0; i < count; ++i)
            if (writeDrum(setup, at.mid, at.low + i, data[static_cast<std::size_t>(i)])) ++taken;
    }
    return taken;
}

std::vector<std::uint8_t> ModuleMemory::parameter(XgAddress at) const {
    if (at.high == kSystemHigh && at.mid == 0) {
        const auto block = systemBlock();
        if (at.low == 0) return {block.begin(), block.begin() + kMasterTuneNibbles};
        if (at.low < kSystemBlockSize) return {block[at.low]};
        return {};
    }
    if (at.high == kEffectHigh && at.mid == kEffectMid) {
        const auto where = effectAddressOf(at.low);
        if (where.index < 0) return {};
        const auto block = effectBlock(where.kind);
        const auto i = static_cast<std::size_t>(where.index);
        const bool twoByte =
            where.index == 0 || (where.kind == image::EffectKind::Variation &&
                                 where.index >= kFirstTwoByteVariationIndex &&
                                 where.index <= kLastTwoByteVariationIndex &&
                                 (where.index - kFirstTwoByteVariationIndex) % 2 == 0);
        if (twoByte) return {block[i], block[i + 1]};
        return {block[i]};
    }
    if (at.high == kPartHigh && at.mid < image::kPartCount) {
        const int offset = partOffsetOf(at.low);
        if (offset < 0) return {};
        const Byte detune = image_->part(at.mid, off::kDetune);
        if (offset == off::kDetune)
            return {static_cast<Byte>(detune >> 4), static_cast<Byte>(detune & 0x0F)};
        if (offset == off::kDetuneFiller) return {static_cast<Byte>(detune & 0x0F)};
        return {image_->part(at.mid, offset)};
    }
    if (const int setup = drumSetupOf(at.high); setup >= 0 && isDrumNote(at.mid)) {
        if (at.low >= image::kDrumParamCount) return {};
        return {drumNote(setup, at.mid)[at.low]};
    }
    return {};
}

std::array<std::uint8_t, kSystemBlockSize> ModuleMemory::systemBlock() const {
    const auto& system = image_->system;
    const int tune = system.masterTune();
    return {static_cast<Byte>(tune >> 12 & 0x0F),
            static_cast<Byte>(tune >> 8 & 0x0F),
            static_cast<Byte>(tune >> 4 & 0x0F),
            static_cast<Byte>(tune & 0x0F),
            system.masterVolume,
            attenuator_,
            system.transpose};
}

const image::DrumSlot& ModuleMemory::drumNote(int setupIndex, int note) const {
    const auto s = static_cast<std::size_t>(std::clamp(setupIndex, 0, 1));
    const int clamped = std::clamp(note, image::kFirstDrumNote, kLastDrumNote);
    return drumNotes_[s][static_cast<std::size_t>(clamped - image::kFirstDrumNote)];
}

void ModuleMemory::storeVoice(int number, const image::VoiceDump& dump) {
    if (number < 0 || number >= image::kPartCount) return;
    image_->partVoices[static_cast<std::size_t>(number)] = dump;
}

const image::VoiceDump& ModuleMemory::voice(int number) const {
    return image_
        ->partVoices[static_cast<std::size_t>(std::clamp(number, 0, image::kPartCount - 1))];
}

// ---- parts --------------------------------------------------------------------------------

// Returns whether the byte may select another drum kit.
bool ModuleMemory::writePart(int part, int address, std::uint8_t value) {
    Byte& detune = image_->part(part, off::kDetune);
    // The module keeps detune as two nibbles; the record holds them in one byte.
    if (address == off::kDetune) {
        detune = static_cast<Byte>((value & 0x0F) << 4 | (detune & 0x0F));
        return false;
    }
    if (address == kDetuneLowAddress) {
        detune = static_cast<Byte>((detune & 0xF0) | (value & 0x0F));
        return false;
    }
    const int offset = partOffsetOf(address);
    image_->part(part, offset) = value;
    return selectsKit(offset);
}

// ---- effects ------------------------------------------------------------------------------

std::span<std::uint8_t> ModuleMemory::effectBlock(image::EffectKind kind) {
    return blockOf(*image_, kind);
}

std::span<const std::uint8_t> ModuleMemory::effectBlock(image::EffectKind kind) const {
    return blockOf(std::as_const(*image_), kind);
}

void ModuleMemory::writeEffect(int address, std::uint8_t value, bool lastOfMessage) {
    const auto where = effectAddressOf(address);
    effectBlock(where.kind)[static_cast<std::size_t>(where.index)] = value;
    // The type is complete with its LSB, or with an MSB that came alone.
    if (where.index == 1 || (where.index == 0 && lastOfMessage)) selectEffectType(where.kind);
}

// A module loads a type's default parameters whenever it receives the type, even the
// type it already plays; what follows in the same message then overwrites them.
void ModuleMemory::selectEffectType(image::EffectKind kind) {
    auto& img = *image_;
    const auto code = effectBlock(kind);
    const int index = image::FindEffectType(kind, code[0], code[1]);
    switch (kind) {
    case image::EffectKind::Reverb:
        img.reverb.typeIndex = index;
        loadPresetRow(img.reverb, image::kReverbPresetRows);
        break;
    case image::EffectKind::Chorus:
        img.chorus.typeIndex = index;
        loadPresetRow(img.chorus, image::kChorusPresetRows);
        break;
    case image::EffectKind::Variation:
        img.variation.typeIndex = index;
        loadPresetRow(img.variation, image::kVariationPresetRows);
        break;
    }
}

// ---- drums --------------------------------------------------------------------------------

bool ModuleMemory::writeDrum(int setupIndex, int note, int param, std::uint8_t value) {
    if (param < 0 || param >= image::kDrumParamCount) return false;
    const auto s = static_cast<std::size_t>(setupIndex);
    const auto j = static_cast<std::size_t>(param);
    drumNotes_[s][static_cast<std::size_t>(note - image::kFirstDrumNote)][j] = value;
    auto& setup = image_->drums[s];
    const int kit = setup.kit == image::kNoKit ? 0 : setup.kit;
    const int slot = image::drumSlotForNote(kit, note);
    if (slot >= 0 && slot < image::kDrumSlotCount)
        setup.table[static_cast<std::size_t>(slot)][j] = value;
    return true;
}

void ModuleMemory::settleDrumKits() {
    for (int s = 0; s < 2; ++s) {
        auto& setup = image_->drums[static_cast<std::size_t>(s)];
        const auto choice = image::FindKit(*image_, s);
        if (choice.kit == setup.kit) continue;
        setup.kit = choice.kit;
        setup.slotCount = choice.slotCount;
        // A setup no part plays any more keeps what it holds.
        if (choice.kit != image::kNoKit) loadKit(s, choice.kit);
    }
}

void ModuleMemory::loadKit(int setupIndex, int kit) {
    const auto s = static_cast<std::size_t>(setupIndex);
    auto& notes = drumNotes_[s];
    for (auto& slot : notes) slot.fill(0);
    const auto reference = image::kitReference(kit);
    for (std::size_t slot = 0; slot < reference.size(); ++slot) {
        const int note = image::DrumNote(kit, static_cast<int>(slot));
        if (isDrumNote(note))
            notes[static_cast<std::size_t>(note - image::kFirstDrumNote)] = reference[slot];
    }
    auto& setup = image_->drums[s];
    image::loadKitReference(setup.table, kit);
    setup.module = setup.table;
    setup.working = setup.table;
}

} // namespace midi
