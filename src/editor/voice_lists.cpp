#include "editor/voice_lists.h"

#include "image/voice_catalogue.h"

namespace editor {

namespace off = image::offset;

VoiceLists::VoiceLists(image::SynthImage& image, midi::VoiceSelection& selection,
                       PartEditor& editor, SurfaceHost& host)
    : image_(image), selection_(selection), editor_(editor), host_(host) {}

const std::vector<std::string>& VoiceLists::texts(int list) {
    auto& texts = texts_[static_cast<std::size_t>(list)];
    if (texts.empty()) texts = image::voiceListTexts(list, image_.bank);
    return texts;
}

void VoiceLists::refillQsLists() {
    texts_[image::kQsPresetList].clear();
    texts_[image::kQsUserList].clear();
    if (open_ && image::isQsList(shownList_)) showVoiceList(shownList_, -1);
}

void VoiceLists::openVoiceLists(int part) {
    part_ = part;
    open_ = true;
    const auto shown =
        image::findListItem(image_.part(part, off::kBankMsb), image_.part(part, off::kBankLsb),
                            image_.part(part, off::kProgram), image_.part(part, off::kPartMode));
    const int list = shown ? shown->list : 0;
    const ListPlace place = categoryListPlace();
    const int voicesWidth = voiceListPlace(list, 0, style_).width;
    host_.showPopupList(PopupList::VoiceCategories, voiceListLefts(part, voicesWidth).category,
                        place.top, place.width, place.height, image::voiceCategoryNames(), list);
    showVoiceList(list, shown ? shown->item : -1);
}

void VoiceLists::showVoiceList(int list, int selected) {
    if (shownList_ >= 0 && shownList_ != list) host_.hidePopupList(voiceListId(shownList_));
    shownList_ = list;
    const auto& items = texts(list);
    const ListPlace place = voiceListPlace(list, static_cast<int>(items.size()), style_);
    host_.showPopupList(voiceListId(list), voiceListLefts(part_, place.width).voices, place.top,
                        place.width, place.height, items, selected);
}

void VoiceLists::hideVoiceLists() {
    if (!open_) return;
    open_ = false;
    host_.hidePopupList(PopupList::VoiceCategories);
    if (shownList_ >= 0) host_.hidePopupList(voiceListId(shownList_));
    shownList_ = -1;
}

bool VoiceLists::voiceListClicked(PopupList list, int item) {
    if (list == PopupList::VoiceCategories) {
        if (open_ && item >= 0 && item < kVoiceCategoryCount) ListrootClick(item);
        return true;
    }
    const auto k = voiceListNumber(list);
    if (!k) return false;
    ListB0Click(*k, item);
    return true;
}

void VoiceLists::ListrootClick(int list) {
    showVoiceList(list, -1);
}

midi::SelectionResult VoiceLists::ListB0Click(int list, int item) {
    hideVoiceLists();
    const auto result = selection_.select(list, item);
    if (result.done) redrawParts(result.changed);
    return result;
}

void VoiceLists::redrawParts(const std::vector<int>& parts) {
    for (int p : parts) editor_.redrawPartVoice(p);
}

} // namespace editor
