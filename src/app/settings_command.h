#pragma once
// "Settings ..." as a command: the dialog shown with the settings, a confirmed choice
// applied to the session and the windows; and the start actions the dialog's creation
// runs once at start-up.

#include "app/settings_choice.h"
#include "editor/voice_naming.h"
#include "files/settings.h"

#include <functional>

class QWidget;

namespace app {

class Prompts;
class Session;
class TFSets;
class TFXg;

// What applying the settings does to the running program.
class SessionSettingsTargets final : public SettingsTargets {
  public:
    SessionSettingsTargets(Session& session, TFXg& editor, Prompts& prompts, QWidget* parent)
        : session_(session), editor_(editor), prompts_(prompts), parent_(parent) {}

    bool confirmTypeChange() override;
    void resetForType(int synthType) override;
    void applyMessageSettings() override;
    void knobSchemeChanged(int potiColor) override;
    void nameColoursChanged() override;
    void sectionColourChanged(SectionColour which) override;
    void voiceListsChanged() override;

  private:
    Session& session_;
    TFXg& editor_;
    Prompts& prompts_;
    QWidget* parent_;
};

// The voice name colours of the settings (Windows colour values) as the surface draws them.
editor::VoiceNameColours nameColoursOf(const files::Settings& settings);

// `Settings1Click`: shows the dialog modally; "OK" applies, "Cancel" changes nothing.
void runSettingsDialog(TFSets& dialog, Session& session, TFXg& editor, Prompts& prompts);

// Loads "Autoload.QVB" into the voice bank and rebuilds the QS300 voice list.
using AutoloadBank = std::function<void(Session&)>;

// `FormCreate` of the dialog: the voice bank autoloaded (synth types 0 and 1, when the
// file is there), QS300 local off, XG System On, each when its setting is on.
void runStartActions(Session& session, const AutoloadBank& autoload);

} // namespace app
