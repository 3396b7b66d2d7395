#pragma once
// The voice chooser beside a strip: the category list `Listroot` and the voice list of
// the chosen category (`ListB0`..`ListB18`). A click on a voice puts it on the current
// part through the voice selection and redraws the parts whose voice changed.

#include "editor/part_editor.h"
#include "editor/surface_host.h"
#include "editor/voice_list_hook.h"
#include "editor/voice_list_layout.h"
#include "image/synth_image.h"
#include "midi/voice_selection.h"

#include <array>
#include <string>
#include <vector>

namespace editor {

class VoiceLists final : public VoiceListHook {
  public:
    VoiceLists(image::SynthImage& image, midi::VoiceSelection& selection, PartEditor& editor,
               SurfaceHost& host);

    void setStyle(const VoiceListStyle& style) { style_ = style; }
    const VoiceListStyle& style() const { return style_; }

    // ---- VoiceListHook ----
    void openVoiceLists(int part) override;
    void hideVoiceLists() override;
    bool voiceListClicked(PopupList list, int item) override;

    // `ListrootClick`: shows voice list `list` and hides the one shown before.
    void ListrootClick(int list);
    // `ListB0Click`: item `item` of voice list `list` for the current part.
    midi::SelectionResult ListB0Click(int list, int item);

    // The QS300 lists are made when first shown; a bank load or a store makes them anew.
    void refillQsLists();
    // The parts whose voice changed outside a click here (a voice file, a store).
    void redrawParts(const std::vector<int>& parts);

    bool open() const { return open_; }
    int shownList() const { return shownList_; }
    // Item texts of a list as shown.
    const std::vector<std::string>& texts(int list);

  private:
    void showVoiceList(int list, int selected);

    image::SynthImage& image_;
    midi::VoiceSelection& selection_;
    PartEditor& editor_;
    SurfaceHost& host_;
    VoiceListStyle style_;
    std::array<std::vector<std::string>, kVoiceCategoryCount> texts_;
    bool open_ = false;
    int shownList_ = -1;
    int part_ = 0;
};

} // namespace editor
