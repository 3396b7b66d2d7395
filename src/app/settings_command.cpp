#include "app/settings_command.h"

#include "app/editor_window.h"
#include "app/prompts.h"
#include "app/session.h"
#include "app/settings_dialog.h"
#include "draw/knob_schemes.h"
#include "midi/image_reset.h"

#include <filesystem>

namespace app {

bool SessionSettingsTargets::confirmTypeChange() {
    return prompts_.question(parent_, QStringLiteral("Change Synth Type And Reset All Data?"));
}

void SessionSettingsTargets::resetForType(int /*synthType*/) {
    editor_.panels().close(editor::Panel::VoiceEditor);
    midi::ResetAll(session_.image(), session_.port(), session_.messages());
    // The QS300 controls of the editor read the synth type from the settings when they
    // are drawn; the redraw below shows them for the new type.
    editor_.redrawScreens();
}

void SessionSettingsTargets::applyMessageSettings() {
    session_.applySettings();
}

void SessionSettingsTargets::knobSchemeChanged(int potiColor) {
    editor_.setKnobScheme(draw::knobSchemeOf(potiColor));
}

void SessionSettingsTargets::nameColoursChanged() {
    editor_.editor().setNameColours(nameColoursOf(session_.settings()));
    editor_.redrawScreens();
}

void SessionSettingsTargets::sectionColourChanged(SectionColour /*which*/) {
    editor_.redrawScreens();
}

void SessionSettingsTargets::voiceListsChanged() {
    // The voice lists read their style, offset and colour from the settings each time
    // they open, so there is nothing to rebuild ahead.
}

editor::VoiceNameColours nameColoursOf(const files::Settings& settings) {
    const auto colour = [](int colorRef) {
        return draw::fromColorRef(static_cast<std::uint32_t>(colorRef));
    };
    return {colour(settings.xgColor), colour(settings.qsColor), colour(settings.drumColor)};
}

void runSettingsDialog(TFSets& dialog, Session& session, TFXg& editor, Prompts& prompts) {
    dialog.showChoice(choiceFromSettings(session.settings()));
    prompts.runModal(dialog);
    if (dialog.result() != QDialog::Accepted) return;
    SessionSettingsTargets targets(session, editor, prompts, &dialog);
    applySettingsChoice(session.settings(), dialog.choice(), targets);
}

void runStartActions(Session& session, const AutoloadBank& autoload) {
    const files::Settings& settings = session.settings();
    std::error_code ignored;
    const bool bankForThisModule = settings.synthType == 0 || settings.synthType == 1;
    if (settings.autoloadQsBank && bankForThisModule && autoload &&
        std::filesystem::is_regular_file(session.paths().autoloadBank(), ignored))
        autoload(session);
    session.messages().sendStartMessages();
}

} // namespace app
