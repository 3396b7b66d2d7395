#pragma once
// Applies the XG messages of a set, effect, drum or MIDI file to an image as the file is
// read: every recognised message writes its bytes, every other one is skipped. The sections
// a file kind carries decide which messages count.

#include "files/midi_data.h"
#include "files/set_sections.h"
#include "image/synth_image.h"

#include <array>
#include <functional>
#include <optional>

namespace files {

// For which module a set was made, from its "DB" / "QS" text; a file without says "QS".
enum class MadeFor { Db50, Qs300 };

// Bytes applied per section while a file was read.
struct LoadCounters {
    int parts = 0;                // part records, system block and voice dumps
    std::array<int, 3> effects{}; // reverb, chorus, variation
    std::array<int, 2> drums{};   // setup 1, setup 2

    int total() const { return parts + effects[0] + effects[1] + effects[2] + drums[0] + drums[1]; }
};

// One applied message, for a listing of what a file changes.
struct AppliedMessage {
    enum class Target { MasterTune, MasterVolume, Transpose, PartVoice, Part, Effect, Drum };
    Target target = Target::Part;
    int part = -1; // Part, PartVoice
    int index = 0; // part record offset, effect block byte, drum parameter
    int value = 0; // the value written (master tune: 16 bits)
    image::EffectKind effect = image::EffectKind::Reverb;
    int setup = 0; // Drum: 1 or 2
    int note = 0;  // Drum
};
using AppliedListener = std::function<void(const AppliedMessage&)>;

class SetInterpreter {
  public:
    // `image` receives the file; for "Load Set" it has been reset beforehand. The loaded
    // effect blocks are cleared to "not in file" here.
    SetInterpreter(image::SynthImage& image, SetKind kind);

    void setAppliedListener(AppliedListener listener) { applied_ = std::move(listener); }
    // For a stream without the text that names its module (raw system-exclusive data).
    void assumeMadeFor(MadeFor madeFor) { madeFor_ = madeFor; }

    // Offer every system-exclusive and meta event of the file, in order: the status (F0,
    // F7 or FF) and the data block as the container keeps it.
    void apply(std::uint8_t status, std::span<const std::uint8_t> block);
    // Every such event of a container that has been read, track by track.
    void applyAll(const TxMidiData& file);
    // After the whole file: drum values read go from the working tables into the setups.
    void finish();

    const LoadCounters& counters() const { return counters_; }
    MadeFor madeFor() const { return madeFor_; }
    // Kit numbers named by the "MAP1=" / "MAP2=" texts.
    const std::array<std::optional<int>, 2>& mappedKits() const { return mappedKits_; }
    // Parts whose voice dump came from the file.
    const std::array<bool, image::kPartCount>& voicesRead() const { return voicesRead_; }

  private:
    void applySysEx(std::span<const std::uint8_t> data);
    void applyText(std::span<const std::uint8_t> text);
    void applyShort(std::span<const std::uint8_t> d);   // 8 bytes
    void applyTwoByte(std::span<const std::uint8_t> d); // 9 bytes
    void applyBulk(std::span<const std::uint8_t> d);
    void applySystemBlock(std::span<const std::uint8_t> data);
    void setPartByte(int part, int address, int value);
    void setEffectByte(int address, int value);
    void setDrumByte(int setup, int note, int param, int value);
    bool settleDrumSetup(int setupIndex);
    void report(const AppliedMessage& message) {
        if (applied_) applied_(message);
    }

    image::SynthImage& image_;
    SetSections sections_;
    SetKind kind_;
    LoadCounters counters_;
    MadeFor madeFor_ = MadeFor::Qs300;
    std::array<std::optional<int>, 2> mappedKits_;
    std::array<bool, 2> drumSettled_{};
    std::array<bool, image::kPartCount> voicesRead_{};
    int voicesTaken_ = 0;
    AppliedListener applied_;
};

// Index in an effect block of an address within 02 01, or -1 when no block has it.
struct EffectByte {
    image::EffectKind kind = image::EffectKind::Reverb;
    int index = -1;
};
EffectByte effectByteOf(int address);

} // namespace files
