#include "app/settings_choice.h"

#include <algorithm>

namespace app {
namespace {

constexpr int kColourMask = 0xFFFFFF;

int colourOf(int stored) {
    return stored & kColourMask;
}

} // namespace

SettingsChoice choiceFromSettings(const files::Settings& s) {
    SettingsChoice c = s;
    c.synthType = std::clamp(s.synthType, 0, 2);
    c.deviceNumber = std::clamp(s.deviceNumber, 0, 15);
    c.timeout = std::clamp(s.timeout, 0, 19);
    c.potiColor = std::clamp(s.potiColor, 1, 3);
    for (int* colour : {&c.xgColor, &c.qsColor, &c.drumColor, &c.secXgName, &c.secXgLine,
                        &c.secQsName, &c.secQsLine})
        *colour = colourOf(*colour);
    c.listType = s.listType == 1 ? 1 : 0;
    c.listColor = s.listColor == kListColourCyan ? kListColourCyan : kListColourBlue;
    c.listOffset = std::clamp(s.listOffset, 0, kMaxListOffset);
    return c;
}

int& sectionSetting(files::Settings& settings, SectionColour which) {
    switch (which) {
    case SectionColour::XgText:
        return settings.secXgLine;
    case SectionColour::XgLine:
        return settings.secXgName;
    case SectionColour::QsText:
        return settings.secQsLine;
    case SectionColour::QsLine:
        break;
    }
    return settings.secQsName;
}

bool applySettingsChoice(files::Settings& s, const SettingsChoice& in, SettingsTargets& targets) {
    // The controls cannot hold anything out of range, but a choice made in code can.
    const SettingsChoice bounded = choiceFromSettings(in);

    // 1. The synth type: a change resets everything, or, refused, keeps everything.
    if (bounded.synthType != std::clamp(s.synthType, 0, 2)) {
        if (!targets.confirmTypeChange()) return false;
        targets.resetForType(bounded.synthType);
    }
    s.synthType = bounded.synthType;

    // 2. Handshake and start/exit options, the device number into every template.
    s.timeout = bounded.timeout;
    s.deviceNumber = bounded.deviceNumber;
    s.multiParameterChange = bounded.multiParameterChange;
    s.timeoutCheck = bounded.timeoutCheck;
    s.qsLocalOff = bounded.qsLocalOff;
    s.qsLocalOn = bounded.qsLocalOn;
    s.autoloadQsBank = bounded.autoloadQsBank;
    targets.applyMessageSettings();

    // 3. The knob scheme.
    if (bounded.potiColor != s.potiColor) {
        s.potiColor = bounded.potiColor;
        targets.knobSchemeChanged(s.potiColor);
    }

    // 4.
    s.autoEg = bounded.autoEg;
    s.qsData = bounded.qsData;
    s.xgReset = bounded.xgReset;

    // 5. The name colours, all three together.
    if (bounded.xgColor != s.xgColor || bounded.qsColor != s.qsColor ||
        bounded.drumColor != s.drumColor) {
        s.xgColor = bounded.xgColor;
        s.qsColor = bounded.qsColor;
        s.drumColor = bounded.drumColor;
        targets.nameColoursChanged();
    }

    // 6. Each section colour that changed.
    SettingsChoice picked = bounded;
    for (int i = 0; i < kSectionColourCount; ++i) {
        const auto which = static_cast<SectionColour>(i);
        const int colour = sectionSetting(picked, which);
        int& stored = sectionSetting(s, which);
        if (colour == stored) continue;
        stored = colour;
        targets.sectionColourChanged(which);
    }

    // 7.
    s.xgDefault = bounded.xgDefault;

    // 8. List style, offset and colour.
    bool listsChanged = false;
    if (bounded.listType == 0) {
        if (s.listType != 0) listsChanged = true;
        s.listType = 0;
    } else {
        if (s.listType != 1 || s.listColor != bounded.listColor) listsChanged = true;
        s.listType = 1;
        s.listColor = bounded.listColor;
    }
    if (bounded.listOffset != s.listOffset) {
        s.listOffset = bounded.listOffset;
        listsChanged = true;
    }
    if (listsChanged) targets.voiceListsChanged();
    return true;
}

} // namespace app
