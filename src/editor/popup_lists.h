#pragma once
// Identifiers of the part editor's pop-up lists, as passed to SurfaceHost::showPopupList
// and back to PartEditor::popupListClicked.

namespace editor {

inline constexpr int kControllerList = 4; // `ListBox4`: controller numbers 0..95
inline constexpr int kControllerListWidth = 104;
inline constexpr int kControllerListHeight = 410;
inline constexpr int kControllerListTop = 68;

} // namespace editor
