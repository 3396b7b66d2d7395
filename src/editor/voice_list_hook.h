#pragma once
// Pressing a strip's voice button opens the voice lists; whoever builds them listens here.

#include "editor/popup_lists.h"

namespace editor {

class VoiceListHook {
  public:
    virtual ~VoiceListHook() = default;
    // The voice button of `part` (now the current part) was pressed.
    virtual void openVoiceLists(int part) = 0;
    // Any other press on the surface hides the lists.
    virtual void hideVoiceLists() {}
    // A click in one of the pop-up lists; true when it was one of the voice lists.
    virtual bool voiceListClicked(PopupList /*list*/, int /*item*/) { return false; }
};

} // namespace editor
