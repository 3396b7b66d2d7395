#pragma once
// The voice lists of the editor window: the selection core, the lists that show the
// catalogue beside the strips, and their look from the settings (graphic or plain lists,
// list colour). Pressing a strip's voice button comes here.

#include "editor/voice_lists.h"
#include "files/settings.h"
#include "midi/voice_selection.h"

#include <memory>

class QListWidget;

namespace app {

class Session;
class TFXg;

// The selection options as the settings hold them.
midi::SelectionOptions selectionOptionsOf(const files::Settings& settings);

class VoiceChooser final : public editor::VoiceListHook {
  public:
    VoiceChooser(Session& session, TFXg& window);
    ~VoiceChooser() override;

    midi::VoiceSelection& selection() { return selection_; }
    editor::VoiceLists& lists() { return lists_; }

    // Every selection outside the lists (a voice file, a store) goes through here, so that
    // the options are the current ones and the strips are redrawn.
    midi::SelectionResult select(int list, int item);
    midi::SelectionResult assignVoice(const image::VoiceRecord& voice);
    midi::SelectionResult storeVoice(int slot, const image::VoiceRecord& voice);
    // After a bank load or a store.
    void refillQsLists() { lists_.refillQsLists(); }

    // ---- editor::VoiceListHook ----
    void openVoiceLists(int part) override;
    void hideVoiceLists() override { lists_.hideVoiceLists(); }
    bool voiceListClicked(editor::PopupList list, int item) override;

  private:
    void takeSettings();
    void styleShownLists();
    void styleList(QListWidget& list, int columns);

    Session& session_;
    TFXg& window_;
    midi::VoiceSelection selection_;
    editor::VoiceLists lists_;
};

} // namespace app
