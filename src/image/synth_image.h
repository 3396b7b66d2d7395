#pragma once
// The in-memory image of the tone generator: everything the editor can set in the module.
// Editors change the image and send the change at once; files load and save it whole.

#include <array>
#include <cstddef>
#include <cstdint>

namespace image {

using Byte = std::uint8_t;

// ---- Part table ---------------------------------------------------------------------------
inline constexpr int kPartCount = 16;
inline constexpr int kPartRecordSize = 104;
inline constexpr int kPartTableSize = kPartCount * kPartRecordSize; // 1664
inline constexpr int kDrumPartIndex = 9;                            // the tenth part

// Record offsets the rest of the program refers to by name.
namespace offset {
inline constexpr int kElementReserve = 0;
inline constexpr int kBankMsb = 1;
inline constexpr int kBankLsb = 2;
inline constexpr int kProgram = 3;
inline constexpr int kReceiveChannel = 4;
inline constexpr int kPartMode = 7;
inline constexpr int kDetune = 9;
inline constexpr int kDetuneFiller = 10;
inline constexpr int kVolume = 11;
inline constexpr int kPan = 14;
inline constexpr int kNoteLimitLow = 15;
inline constexpr int kNoteLimitHigh = 16;
inline constexpr int kVelocityLimitLow = 102;
inline constexpr int kVelocityLimitHigh = 103;
} // namespace offset

// Marker in an expected value: "always differs", so the byte is always sent.
inline constexpr Byte kAlwaysDiffers = 254;
// Marker in a loaded effect block: the file does not set this byte.
inline constexpr Byte kNotInFile = 255;

inline constexpr Byte kBankQsUserVoice = 63;
inline constexpr Byte kBankDrumKit = 127;
inline constexpr Byte kBankSfxKit = 126;

using PartRecord = std::array<Byte, kPartRecordSize>;
using PartTable = std::array<Byte, kPartTableSize>;

// ---- System block -------------------------------------------------------------------------
struct SystemBlock {
    Byte masterTuneHigh = 4; // 0x0400 is no detune
    Byte masterTuneLow = 0;
    Byte masterVolume = 127;
    Byte transpose = 64;

    int masterTune() const { return masterTuneHigh << 8 | masterTuneLow; }
    void setMasterTune(int value) {
        masterTuneHigh = static_cast<Byte>((value >> 8) & 0xFF);
        masterTuneLow = static_cast<Byte>(value & 0xFF);
    }
};

// ---- Effect blocks ------------------------------------------------------------------------
enum class EffectKind { Reverb, Chorus, Variation };

inline constexpr int kReverbBlockSize = 20;
inline constexpr int kChorusBlockSize = 21;
inline constexpr int kVariationBlockSize = 39;
inline constexpr int kReverbTypeCount = 12;    // index 0 = no effect
inline constexpr int kChorusTypeCount = 13;    // index 0 = no effect
inline constexpr int kVariationTypeCount = 44; // index 0 = no effect, 43 = thru
inline constexpr int kVariationThruIndex = 43;
// Parameters 11..16 sit in the last six bytes of every block; the bulk dumps split there.
inline constexpr int kEffectTailSize = 6;

// One effect block with its per-type parameter rows. Rows are indexed by type index - 1
// (index 0 "No Effect" and the variation "Thru" have no row).
template <int BlockSize, int RowCount> struct EffectState {
    static constexpr int kBlockSize = BlockSize;
    static constexpr int kRowCount = RowCount;
    using Block = std::array<Byte, BlockSize>;

    int typeIndex = 0;
    Block current{};                         // bytes in address order, type MSB/LSB first
    std::array<Block, RowCount> rows{};      // one row per type, edited by the effect editor
    std::array<Block, RowCount> startRows{}; // copy taken at start-up
    Block loaded{};                          // what a file carried, kNotInFile where absent
};

using ReverbState = EffectState<kReverbBlockSize, kReverbTypeCount - 1>;
using ChorusState = EffectState<kChorusBlockSize, kChorusTypeCount - 1>;
using VariationState = EffectState<kVariationBlockSize, kVariationTypeCount - 2>;

inline constexpr int kEffectSnapshotSize =
    kVariationBlockSize + kReverbBlockSize + kChorusBlockSize; // 80

// ---- Drum setups --------------------------------------------------------------------------
inline constexpr int kDrumSlotCount = 79; // notes 13..91 for the XG kits
inline constexpr int kDrumParamCount = 16;
inline constexpr int kFirstDrumNote = 13;
inline constexpr int kNoKit = 255;

using DrumSlot = std::array<Byte, kDrumParamCount>;
using DrumTable = std::array<DrumSlot, kDrumSlotCount>;

struct DrumSetup {
    DrumTable table{};   // what the editor shows and the module should hold
    DrumTable module{};  // what the module holds right after the kit was selected
    DrumTable working{}; // kit reference values, then the values read from a file
    int kit = 0;         // kit number, or kNoKit when no part uses this setup
    int slotCount = kDrumSlotCount;
};

// ---- QS300 voices -------------------------------------------------------------------------
inline constexpr int kVoiceDataSize = 381;   // 61-byte common block + 4 x 80-byte elements
inline constexpr int kVoiceRecordSize = 382; // data + checksum, as kept in bank files
inline constexpr int kVoiceDumpSize = 392;   // the complete bulk dump message
inline constexpr int kVoiceDumpDataStart = 9;
inline constexpr int kVoiceDumpNumberByte = 7;
inline constexpr int kVoiceCommonSize = 61;
inline constexpr int kVoiceElementSize = 80;
inline constexpr int kVoiceNameSize = 10;
inline constexpr int kVoiceElementSwitchByte = 11; // bit 0..3 = elements 1..4
inline constexpr int kBankVoiceCount = 128;
inline constexpr int kBankSize = kBankVoiceCount * kVoiceRecordSize; // 48896

using VoiceRecord = std::array<Byte, kVoiceRecordSize>;
using VoiceDump = std::array<Byte, kVoiceDumpSize>;
using VoiceBank = std::array<VoiceRecord, kBankVoiceCount>;

// User-voice kind of a part.
enum UserVoiceKind : Byte { kXgVoice = 0, kSinglePartVoice = 1, kTwoPartVoice = 2 };

// ---- The whole image ----------------------------------------------------------------------
struct SynthImage {
    PartTable parts{};
    PartTable loadedParts{}; // copy taken after each set load
    int currentPart = 0;

    SystemBlock system;

    ReverbState reverb;
    ChorusState chorus;
    VariationState variation;
    std::array<Byte, kEffectSnapshotSize> effectSnapshot{}; // variation, reverb, chorus

    std::array<DrumSetup, 2> drums;

    VoiceBank bank{};
    VoiceDump editVoice{};
    std::array<VoiceDump, kPartCount> partVoices{};
    std::array<Byte, kPartCount> userVoiceKind{};
    std::array<Byte, kPartCount> pairFlagLow{};  // part plays the upper half of a pair
    std::array<Byte, kPartCount> pairFlagHigh{}; // second flag of the same pair
    std::array<Byte, kPartCount> restoreProgram{};
    std::array<Byte, kPartCount> restoreBankLsbFlag{};

    Byte& part(int p, int o) { return parts[static_cast<std::size_t>(p * kPartRecordSize + o)]; }
    Byte part(int p, int o) const {
        return parts[static_cast<std::size_t>(p * kPartRecordSize + o)];
    }
    bool hasUserVoice(int p) const {
        const auto i = static_cast<std::size_t>(p);
        return userVoiceKind[i] != kXgVoice || pairFlagLow[i] != 0 || pairFlagHigh[i] != 0;
    }
};

} // namespace image
