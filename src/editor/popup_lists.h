#pragma once
// The pop-up lists of the painted screens, one identifier each, as passed to
// SurfaceHost::showPopupList and back to the screen that opened it.

namespace editor {

enum class PopupList {
    ReverbTypes = 1,        // `ListBox1`
    ChorusTypes = 2,        // `ListBox2`
    VariationTypes = 3,     // `ListBox3`
    ControllerNumbers = 4,  // `ListBox4`: controller numbers 0..95 of "AC1 =" and "AC2 ="
    DrumKeys = 5,           // `ListBoxP1`: the key names of the active drum setup's kit
    DrumKits1 = 6,          // `ListBoxP2`: the kit of drum setup 1
    DrumKits2 = 7,          // `ListBoxP3`: the kit of drum setup 2
    VoiceCategories = 10,   // `Listroot`: the 19 voice categories
    FirstVoiceList = 20,    // `ListB0`; list k of the voice lists is FirstVoiceList + k
    AmpEgTemplates = 50,    // `ListBoxT1`
    PitchEgTemplates = 51,  // `ListBoxT2`
    FilterEgTemplates = 52, // `ListBoxT3`
    WaveCategories = 53,    // `ListWr`
    Waves = 54,             // `ListW0` .. `ListW9`, one shown at a time
};

// The drum editor's lists stay on its panel while it is open; closing the surface's
// pop-up lists leaves them alone.
inline constexpr bool isPanelList(PopupList list) {
    return list == PopupList::DrumKeys || list == PopupList::DrumKits1 ||
           list == PopupList::DrumKits2;
}

inline constexpr int kControllerListWidth = 104;
inline constexpr int kControllerListHeight = 410;
inline constexpr int kControllerListTop = 68;

} // namespace editor
