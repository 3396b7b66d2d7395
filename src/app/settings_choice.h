#pragma once
// What the "Settings" dialog's controls hold, made from the settings when it opens, and
// the rules by which a confirmed choice is applied: in a fixed order, each step telling
// the windows what to redraw. Kept apart from the widgets so the order can be tested.

#include "files/settings.h"

namespace app {

// The two background colours a plain voice list may have (Windows colour values).
inline constexpr int kListColourBlue = 4889278;
inline constexpr int kListColourCyan = 6407914;
// A column of the QS300 voice list shows 32 voices; the offset shifts a column at most
// that far.
inline constexpr int kMaxListOffset = 31;

enum class SectionColour { XgText = 0, XgLine = 1, QsText = 2, QsLine = 3 };

// The dialog works on a copy of the settings; on "OK" the copy is applied.
using SettingsChoice = files::Settings;

// The settings with every value the dialog shows brought into the range its control can
// show: a configuration file may hold anything. Colours keep their 24 bits.
SettingsChoice choiceFromSettings(const files::Settings& settings);
inline constexpr int kSectionColourCount = 4;

// The setting a section colour sample edits: "Text" of a section edits its `...Line` key
// and "Line" its `...Name` key.
int& sectionSetting(files::Settings& settings, SectionColour which);

// What applying a choice asks of the program, step by step.
class SettingsTargets {
  public:
    virtual ~SettingsTargets() = default;
    // "Change Synth Type And Reset All Data?"; false keeps everything as it was.
    virtual bool confirmTypeChange() = 0;
    // The QS300 voice editor closed, the image reset in full and the editor redrawn;
    // the editor's QS300 controls enabled for every type but "Other XG".
    virtual void resetForType(int synthType) = 0;
    // Device number and synth options into the message layer and its templates.
    virtual void applyMessageSettings() = 0;
    virtual void knobSchemeChanged(int potiColor) = 0;
    virtual void nameColoursChanged() = 0;
    virtual void sectionColourChanged(SectionColour which) = 0;
    // The voice lists rebuilt in the list style, offset and colour of the settings.
    virtual void voiceListsChanged() = 0;
};

// Applies a confirmed choice in the dialog's fixed order. Returns false when the user
// refused the synth type change: then nothing at all has changed.
bool applySettingsChoice(files::Settings& settings, const SettingsChoice& choice,
                         SettingsTargets& targets);

} // namespace app
