#include "editor/voice_list_layout.h"

#include "editor/part_controls.h"
#include "editor/part_editor.h"
#include "editor/voice_list_layout_tables.h"

#include <algorithm>

namespace editor {
namespace {

constexpr int kCategoryTop = 110;
constexpr int kCategoryWidth = 89;
// Tall enough for all nineteen categories in the list face's 15-pixel rows, so that
// "QS300 User" shows without scrolling.
constexpr int kCategoryHeight = kVoiceCategoryCount * 15 + 4;
// The gap between the strip, the category list and the voice list.
constexpr int kGap = 2;
// Plain lists are as tall as their items.
constexpr int kPlainItemHeight = 13;
constexpr int kPlainFrame = 5;
constexpr int kPlainColumnFrame = 18;

bool takesOffset(int list) {
    // The two-column lists (and the drum list below them) were sized for 32 rows a column;
    // the offset corrects that where the font differs.
    return list == 12 || list == 15 || list == 17 || list == 18;
}

} // namespace

PopupList voiceListId(int list) {
    return static_cast<PopupList>(static_cast<int>(PopupList::FirstVoiceList) + list);
}

std::optional<int> voiceListNumber(PopupList id) {
    const int k = static_cast<int>(id) - static_cast<int>(PopupList::FirstVoiceList);
    if (k < 0 || k >= kVoiceCategoryCount) return std::nullopt;
    return k;
}

ListPlace categoryListPlace() {
    return {0, kCategoryTop, kCategoryWidth, kCategoryHeight, 1};
}

ListPlace voiceListPlace(int list, int itemCount, const VoiceListStyle& style) {
    const DesignedList& d =
        kDesignedVoiceLists[static_cast<std::size_t>(std::clamp(list, 0, kVoiceCategoryCount - 1))];
    ListPlace place{d.left, d.top, d.width, d.height, d.columns};
    if (style.graphic) {
        if (takesOffset(list)) place.height += std::max(0, style.offset);
    } else if (d.columns > 1) {
        place.height = (itemCount + 1) / d.columns * kPlainItemHeight + kPlainColumnFrame;
    } else {
        place.height = itemCount * kPlainItemHeight + kPlainFrame;
    }
    // A list never reaches below the surface; what does not fit scrolls.
    place.height = std::min(place.height, kSurfaceHeight - place.top);
    return place;
}

ListLefts voiceListLefts(int part, int voiceListWidth) {
    const auto& voice = kStripControls[strip::kVoice].rect;
    const int stripLeft = voice.left + kStripSpacing * part;
    const int stripRight = voice.right + kStripSpacing * part;
    ListLefts lefts;
    lefts.category = stripRight + kGap;
    lefts.voices = lefts.category + kCategoryWidth + kGap;
    if (lefts.voices + voiceListWidth > kSurfaceWidth) {
        lefts.category = stripLeft - kGap - kCategoryWidth;
        lefts.voices = lefts.category - kGap - voiceListWidth;
    }
    return lefts;
}

} // namespace editor
