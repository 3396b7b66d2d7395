#pragma once
// The pop-up lists of the painted screens, one identifier each, as passed to
// SurfaceHost::showPopupList and back to the screen that opened it.

namespace editor {

enum class PopupList {
    ReverbTypes = 1,       // `ListBox1`
    ChorusTypes = 2,       // `ListBox2`
    VariationTypes = 3,    // `ListBox3`
    ControllerNumbers = 4, // `ListBox4`: controller numbers 0..95 of "AC1 =" and "AC2 ="
    VoiceCategories = 10,  // `Listroot`: the 19 voice categories
    FirstVoiceList = 20,   // `ListB0`; list k of the voice lists is FirstVoiceList + k
    // The voice lists, the drum editor's kit and key lists and the QS300 editor's
    // template and wave lists take their places here when those screens arrive.
};

inline constexpr int kControllerListWidth = 104;
inline constexpr int kControllerListHeight = 410;
inline constexpr int kControllerListTop = 68;

} // namespace editor
