#include "drums/drum_key_names.h"

#include "drums/drum_key_names_tables.h"

namespace drums {

std::string kitListName(int listIndex) {
    if (listIndex < 0 || listIndex >= kKitListSize) return {};
    return kKitListNames[static_cast<std::size_t>(listIndex)];
}

std::vector<std::string> kitListNames() {
    return {kKitListNames.begin(), kKitListNames.end()};
}

bool isSfxKit(int listIndex) {
    return listIndex == kSfx1ListIndex || listIndex == kSfx2ListIndex;
}

std::vector<std::string> kitKeyNames(int listIndex) {
    if (listIndex == kSfx1ListIndex) return {kSfx1KeyNames.begin(), kSfx1KeyNames.end()};
    if (listIndex == kSfx2ListIndex) return {kSfx2KeyNames.begin(), kSfx2KeyNames.end()};
    std::vector<std::string> names(kStandardKeyNames.begin(), kStandardKeyNames.end());
    if (listIndex > 0 && listIndex < kKitListSize)
        for (const KeyNameReplacement& entry :
             kReplacedKeyNames[static_cast<std::size_t>(listIndex)])
            names[static_cast<std::size_t>(entry.position)] = entry.name;
    return names;
}

} // namespace drums
