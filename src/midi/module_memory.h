#pragma once
// What an XG module holds, addressed as the module addresses it: the system block, the
// three effect blocks, sixteen multi parts, two drum setups and the QS300 user voices.
// Writes behave like a module's: an effect type brings its default parameters, a part
// that selects another drum kit sets its drum setup back to that kit, XG System On
// resets everything but the user voices.
//
// The contents are kept in a synth image so that they compare directly with the
// editor's; the drum setups are also kept note by note, because a module holds every
// key whatever kit the editor shows.

#include "image/synth_image.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace midi {

struct XgAddress {
    std::uint8_t high = 0;
    std::uint8_t mid = 0;
    std::uint8_t low = 0;
};

// Address highs of the blocks a module answers for.
inline constexpr std::uint8_t kSystemHigh = 0x00;
inline constexpr std::uint8_t kEffectHigh = 0x02;
inline constexpr std::uint8_t kEffectMid = 0x01;
inline constexpr std::uint8_t kPartHigh = 0x08;
inline constexpr std::uint8_t kDrumSetup1High = 0x30;
inline constexpr std::uint8_t kDrumSetup2High = 0x31;

// The keys of an XG drum setup.
inline constexpr int kLastDrumNote = image::kFirstDrumNote + image::kDrumSlotCount - 1; // 91

// The system block as a module dumps it: tune nibbles, volume, attenuator, transpose.
inline constexpr int kSystemBlockSize = 7;
inline constexpr std::uint8_t kAttenuatorAddress = 0x05;

class ModuleMemory {
  public:
    // The state right after XG System On, with the factory voice in every user voice.
    ModuleMemory();

    // XG System On, All Parameter Reset, GM System On: everything but the user voices.
    void reset();
    // The drum setup (0 or 1) back to its kit's values.
    void resetDrumSetup(int setupIndex);

    // Writes the bytes of one message from `at` on, byte by byte as the module takes them;
    // bytes whose address no parameter has are dropped. Returns the bytes taken.
    int write(XgAddress at, std::span<const std::uint8_t> data);
    // The value of the parameter at `at`, as many bytes as the parameter has (master tune
    // four, detune and effect types two, the first ten variation parameters two). Empty
    // when no parameter has this address.
    std::vector<std::uint8_t> parameter(XgAddress at) const;

    std::array<std::uint8_t, kSystemBlockSize> systemBlock() const;
    // One key of a drum setup (0 or 1), note 13..91.
    const image::DrumSlot& drumNote(int setupIndex, int note) const;

    // User voice 0..15: the complete dump as last received (device and voice number as
    // they came, checksum as sent).
    void storeVoice(int number, const image::VoiceDump& dump);
    const image::VoiceDump& voice(int number) const;

    const image::SynthImage& image() const { return *image_; }

  private:
    using DrumNotes = std::array<image::DrumSlot, image::kDrumSlotCount>;

    bool writePart(int part, int address, std::uint8_t value);
    void writeEffect(int address, std::uint8_t value, bool lastOfMessage);
    void selectEffectType(image::EffectKind kind);
    bool writeDrum(int setupIndex, int note, int param, std::uint8_t value);
    void settleDrumKits();
    void loadKit(int setupIndex, int kit);
    std::span<std::uint8_t> effectBlock(image::EffectKind kind);
    std::span<const std::uint8_t> effectBlock(image::EffectKind kind) const;

    std::unique_ptr<image::SynthImage> image_;
    std::uint8_t attenuator_ = 0;
    std::array<DrumNotes, 2> drumNotes_{};
};

} // namespace midi
