#include "app/voice_chooser.h"

#include "app/editor_window.h"
#include "app/session.h"
#include "app/voice_list_look.h"
#include "image/voice_catalogue.h"

#include <QListWidget>

#include <algorithm>

namespace app {

midi::SelectionOptions selectionOptionsOf(const files::Settings& s) {
    return {static_cast<midi::SynthType>(std::clamp(s.synthType, 0, 2)), s.qsData, s.xgDefault};
}

VoiceChooser::VoiceChooser(Session& session, TFXg& window)
    : session_(session), window_(window), selection_(session.image(), session.messages()),
      lists_(session.image(), selection_, window.editor(), window) {
    window.editor().setVoiceListHook(this);
}

VoiceChooser::~VoiceChooser() {
    window_.editor().setVoiceListHook(nullptr);
}

void VoiceChooser::takeSettings() {
    const files::Settings& s = session_.settings();
    lists_.setStyle({s.listType == 0, s.listOffset});
    selection_.setOptions(selectionOptionsOf(s));
}

void VoiceChooser::openVoiceLists(int part) {
    takeSettings();
    lists_.openVoiceLists(part);
    styleShownLists();
}

bool VoiceChooser::voiceListClicked(editor::PopupList list, int item) {
    takeSettings();
    const bool taken = lists_.voiceListClicked(list, item);
    if (taken) styleShownLists();
    return taken;
}

midi::SelectionResult VoiceChooser::select(int list, int item) {
    takeSettings();
    return lists_.ListB0Click(list, item);
}

midi::SelectionResult VoiceChooser::assignVoice(const image::VoiceRecord& voice) {
    takeSettings();
    lists_.hideVoiceLists();
    auto result = selection_.assignVoice(voice);
    lists_.redrawParts(result.changed);
    return result;
}

midi::SelectionResult VoiceChooser::storeVoice(int slot, const image::VoiceRecord& voice) {
    takeSettings();
    lists_.hideVoiceLists();
    auto result = selection_.storeVoice(slot, voice);
    lists_.refillQsLists();
    lists_.redrawParts(result.changed);
    return result;
}

void VoiceChooser::styleShownLists() {
    if (!lists_.open()) return;
    if (QListWidget* root = window_.popupList(editor::PopupList::VoiceCategories))
        styleList(*root, 1);
    const int shown = lists_.shownList();
    if (shown < 0) return;
    if (QListWidget* voices = window_.popupList(editor::voiceListId(shown)))
        styleList(*voices, editor::voiceListPlace(shown, 0, lists_.style()).columns);
}

void VoiceChooser::styleList(QListWidget& list, int columns) {
    const files::Settings& s = session_.settings();
    applyVoiceListLook(list, s.listType == 0, s.listColor, columns);
}

} // namespace app
