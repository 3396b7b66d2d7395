#pragma once
// The pop-up lists of the painted screens, one identifier each, as passed to
// SurfaceHost::showPopupList and back to the screen that opened it.

namespace editor {

enum class PopupList {
    ReverbTypes = 1,       // `ListBox1`
    ChorusTypes = 2,       // `ListBox2`
    VariationTypes = 3,    // `ListBox3`
    ControllerNumbers = 4, // `ListBox4`: controller numbers 0..95 of "AC1 =" and "AC2 ="
    // The voice lists and the drum editor's kit and key lists take their places here when
    // those screens arrive.
    AmpEgTemplates = 20,    // `ListBoxT1`
    PitchEgTemplates = 21,  // `ListBoxT2`
    FilterEgTemplates = 22, // `ListBoxT3`
    WaveCategories = 23,    // `ListWr`
    Waves = 24,             // `ListW0` .. `ListW9`, one shown at a time
};

inline constexpr int kControllerListWidth = 104;
inline constexpr int kControllerListHeight = 410;
inline constexpr int kControllerListTop = 68;

} // namespace editor
