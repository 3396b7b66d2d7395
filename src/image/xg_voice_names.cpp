#include "image/xg_voice_names.h"

#include "image/drum_kits.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace image {
namespace {

// Kit names in the order of kKitNumbers.
constexpr std::array<const char*, kKitCount> kKitNames{
    "Standard Kit", "Standard2 Kit", "Room Kit",    "Rock Kit", "Electro Kit", "Analog Kit",
    "Jazz Kit",     "Brush Kit",     "Classic Kit", "SFX 1",    "SFX 2"};

const char* findVoice(int msb, int lsb, int program) {
    const auto key = std::make_tuple(msb, lsb, program);
    const auto less = [](const XgVoiceNameRow& row, const std::tuple<int, int, int>& k) {
        return std::make_tuple(int{row.msb}, int{row.lsb}, int{row.program}) < k;
    };
    const auto it = std::lower_bound(kXgVoiceNames.begin(), kXgVoiceNames.end(), key, less);
    if (it == kXgVoiceNames.end() || it->msb != msb || it->lsb != lsb || it->program != program)
        return nullptr;
    return it->name;
}

std::string numbered(const char* prefix, int program) {
    char text[32];
    std::snprintf(text, sizeof text, "%s %03d", prefix, program + 1);
    return text;
}

} // namespace

std::string xgDrumKitName(int msb, int program) {
    int kit = -1;
    if (msb == kBankDrumKit) kit = program;
    if (msb == kBankSfxKit) kit = program + kSfx1Kit;
    const int index = kit < 0 ? -1 : kitListIndex(kit);
    return index < 0 ? std::string() : kKitNames[static_cast<std::size_t>(index)];
}

std::string xgVoiceName(int msb, int lsb, int program) {
    msb = std::clamp(msb, 0, 127);
    lsb = std::clamp(lsb, 0, 127);
    program = std::clamp(program, 0, 127);
    if (msb == kBankDrumKit || msb == kBankSfxKit) {
        const std::string kit = xgDrumKitName(msb, program);
        return kit.empty() ? numbered("Drum Kit", program) : kit;
    }
    if (msb == kBankQsUserVoice) return "QS300 User";
    if (const char* name = findVoice(msb, lsb, program)) return name;
    if (const char* name = findVoice(0, 0, program)) return name;
    return numbered("Program", program);
}

} // namespace image
