#pragma once
// The kit list and the key names each kit shows in the key list: the standard kit's names
// for notes 13..84, with the own names ("* ...") of kits that differ, and the two SFX kits'
// own lists.

#include <string>
#include <vector>

namespace drums {

// Kit list positions, as in image::kKitNumbers.
inline constexpr int kKitListSize = 11;
inline constexpr int kSfx1ListIndex = 9;
inline constexpr int kSfx2ListIndex = 10;
// The standard list names notes 13..84.
inline constexpr int kStandardKeyCount = 72;

// Item text of a kit list entry; empty outside the list.
std::string kitListName(int listIndex);
std::vector<std::string> kitListNames();

// The key list of a kit (list position 0..10); the standard list for anything else.
std::vector<std::string> kitKeyNames(int listIndex);

bool isSfxKit(int listIndex);

} // namespace drums
