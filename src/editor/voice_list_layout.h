#pragma once
// Where the voice lists stand and how tall they are: the category list `Listroot` and the
// voice lists `ListB0`..`ListB18`, in the graphic style (fixed heights) or the plain one
// (as tall as the items).

#include "draw/hit_rect.h"
#include "editor/popup_lists.h"

#include <optional>

namespace editor {

inline constexpr int kVoiceCategoryCount = 19;

struct VoiceListStyle {
    bool graphic = true; // owner-drawn lists; false: "Normal listbox (faster)"
    int offset = 0;      // added to the heights of the long graphic lists
};

struct ListPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int columns = 1;
};

PopupList voiceListId(int list);
// The voice list number of a pop-up list id; nothing for other lists.
std::optional<int> voiceListNumber(PopupList id);

// The designed places of `Listroot` and of voice list k (left edges as designed).
ListPlace categoryListPlace();
ListPlace voiceListPlace(int list, int itemCount, const VoiceListStyle& style);

// Left edges for the lists opened from a part's voice button: beside the strip, on the
// side where the surface has room.
struct ListLefts {
    int category = 0;
    int voices = 0;
};
ListLefts voiceListLefts(int part, int voiceListWidth);

} // namespace editor
