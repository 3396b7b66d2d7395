#include "image/drum_kits.h"

#include "image/drum_kits_tables.h"

#include <algorithm>

namespace image {

namespace {

std::span<const Byte> noteMap(int kit) {
    if (kit == kSfx1Kit) return std::span(kSfx1NoteMap).first(kSfx1SlotCount);
    if (kit == kSfx2Kit) return std::span(kSfx2NoteMap).first(kSfx2SlotCount);
    return {};
}

int slotCountOf(int kit) {
    return static_cast<int>(kitReference(kit).size());
}

} // namespace

int kitListIndex(int kit) {
    const auto it = std::find(kKitNumbers.begin(), kKitNumbers.end(), kit);
    return it == kKitNumbers.end() ? -1 : static_cast<int>(it - kKitNumbers.begin());
}

std::span<const DrumSlot> kitReference(int kit) {
    switch (kit) {
    case 0:
        return kKit0Reference;
    case 1:
        return kKit1Reference;
    case 8:
        return kKit8Reference;
    case 16:
        return kKit16Reference;
    case 24:
        return kKit24Reference;
    case 25:
        return kKit25Reference;
    case 32:
        return kKit32Reference;
    case 40:
        return kKit40Reference;
    case 48:
        return kKit48Reference;
    case kSfx1Kit:
        return kKit100Reference;
    case kSfx2Kit:
        return kKit101Reference;
    default:
        return {};
    }
}

void loadKitReference(DrumTable& table, int kit) {
    table = DrumTable{};
    const auto reference = kitReference(kit);
    std::copy(reference.begin(), reference.end(), table.begin());
}

KitChoice FindKit(const SynthImage& image, int setupIndex) {
    if (setupIndex != 0 && setupIndex != 1) return {};
    const int mode = 2 + setupIndex;
    KitChoice choice;
    for (int p = 0; p < kPartCount; ++p) {
        if (image.part(p, offset::kPartMode) != mode) continue;
        const int program = image.part(p, offset::kProgram);
        if (image.part(p, offset::kBankMsb) == kBankDrumKit) {
            choice = {program, kDrumSlotCount};
        } else {
            // Only two SFX kits exist (15 and 27 keys); any other program has no keys.
            choice = {program + 100, slotCountOf(program + 100)};
        }
    }
    return choice;
}

int DrumNote(int kit, int slot) {
    const auto map = noteMap(kit);
    if (!map.empty()) {
        if (slot < 0 || slot >= static_cast<int>(map.size())) return -1;
        return map[static_cast<std::size_t>(slot)];
    }
    if (slot < 0 || slot >= kDrumSlotCount) return -1;
    return slot + kFirstDrumNote;
}

int drumSlotForNote(int kit, int note) {
    const auto map = noteMap(kit);
    if (!map.empty()) {
        const auto it = std::find(map.begin(), map.end(), note);
        return it == map.end() ? -1 : static_cast<int>(it - map.begin());
    }
    const int slot = note - kFirstDrumNote;
    return slot >= 0 && slot < kDrumSlotCount ? slot : -1;
}

void resetDrumSetups(SynthImage& image) {
    for (int s = 0; s < 2; ++s) {
        auto& setup = image.drums[static_cast<std::size_t>(s)];
        loadKitReference(setup.table, 0);
        setup.module = setup.table;
        setup.working = setup.table;
        const auto choice = FindKit(image, s);
        setup.kit = choice.kit;
        setup.slotCount = choice.slotCount;
    }
}

} // namespace image
