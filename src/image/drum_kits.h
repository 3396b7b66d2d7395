#pragma once
// The drum kits: kit list, kit reference tables, the SFX note maps and kit lookup.

#include "image/synth_image.h"

#include <span>

namespace image {

inline constexpr int kKitCount = 11;
// Kit numbers in list order: XG kits by program, the SFX kits as program + 100.
inline constexpr std::array<int, kKitCount> kKitNumbers{0, 1, 8, 16, 24, 25, 32, 40, 48, 100, 101};
inline constexpr int kSfx1Kit = 100;
inline constexpr int kSfx2Kit = 101;
inline constexpr int kSfx1SlotCount = 15;
inline constexpr int kSfx2SlotCount = 27;
inline constexpr Byte kNoteMapEnd = 144; // end mark after the last mapped note

// Notes of the SFX kit slots, each followed by the end mark.
extern const std::array<Byte, kSfx1SlotCount + 1> kSfx1NoteMap;
extern const std::array<Byte, kSfx2SlotCount + 1> kSfx2NoteMap;

// Position of a kit number in kKitNumbers, -1 for an unknown kit.
int kitListIndex(int kit);

// The reference values of a kit, one 16-byte slot per key (79, 15 or 27 slots); empty
// for an unknown kit.
std::span<const DrumSlot> kitReference(int kit);

// Fills a drum table with a kit's reference values; slots the kit does not have are zero.
// An unknown kit leaves the table all zero.
void loadKitReference(DrumTable& table, int kit);

struct KitChoice {
    int kit = kNoKit;
    int slotCount = 0;
};

// Kit and slot count of drum setup `setupIndex` (0 = setup 1, 1 = setup 2) from the part
// table: the last part in part mode 2 (setup 1) or 3 (setup 2) decides. Bank MSB 127 gives
// kit = program with 79 slots; otherwise kit = program + 100 with 15 slots (program 0),
// 27 (program 1) or 0 (no such SFX kit). No such part, or a bad setup index, gives kNoKit
// and 0 slots.
KitChoice FindKit(const SynthImage& image, int setupIndex);

// Note number of a kit slot: slot + 13, or the SFX map entry. -1 for a slot outside the kit.
int DrumNote(int kit, int slot);

// Slot of a note in a kit (the inverse of DrumNote), -1 when the kit has no such key.
int drumSlotForNote(int kit, int note);

// Both drum setups back to the Standard Kit (table, module and working tables), with kit
// and slot count found from the part table.
void resetDrumSetups(SynthImage& image);

} // namespace image
