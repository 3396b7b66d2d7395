// The lists that pop up over the voice editor (envelope templates, wave categories and
// waves) and the voice name field. Clicks apply at once and leave the list open; a double
// click or the right button closes it.

#include "image/qs300_templates.h"
#include "image/voice_edit.h"
#include "image/voice_layout.h"
#include "qs300/voice_editor.h"

#include <cctype>

namespace qs300 {

namespace e = image::voice::element;

namespace {

constexpr int kListWidth = 110;
constexpr int kListItemHeight = 13;
constexpr int kCategoryListX = 106;
constexpr int kWaveListX = kCategoryListX + kListWidth + 2;
constexpr int kWaveListWidth = 90;
constexpr int kWaveListHeight = 200;

struct TemplatePlace {
    editor::PopupList list;
    int x;
    int y;
    const char* userName;
};

TemplatePlace placeOf(SwitchKind kind) {
    switch (kind) {
    case SwitchKind::FilterTemplates:
        return {kFilterTemplateList, 475, 15, "User Filter EG"};
    case SwitchKind::PitchTemplates:
        return {kPitchTemplateList, 152, 232, "User Pitch EG"};
    default:
        break;
    }
    return {kAmpTemplateList, 152, 15, "User Amp EG"};
}

// Where a kind of envelope lies in the element: its bytes in template order.
std::vector<int> egOffsets(editor::PopupList list) {
    if (list == kAmpTemplateList)
        return {e::kAmpEgRates,     e::kAmpEgRates + 1,   e::kAmpEgRates + 2,
                e::kAmpEgRates + 3, e::kAmpEgDecay1Level, e::kAmpEgDecay2Level};
    const int rates = list == kFilterTemplateList ? e::kFilterEgRates : e::kPitchEgRates;
    const int levels = list == kFilterTemplateList ? e::kFilterEgLevels : e::kPitchEgLevels;
    std::vector<int> offsets;
    for (int i = 0; i < 4; ++i) offsets.push_back(rates + i);
    for (int i = 0; i < 5; ++i) offsets.push_back(levels + i);
    return offsets;
}

} // namespace

void VoiceEditor::openTemplates(SwitchKind kind) {
    const TemplatePlace place = placeOf(kind);
    const auto offsets = egOffsets(place.list);
    // The element's own envelope is the list's first entry, so it can be had back.
    for (std::size_t i = 0; i < offsets.size(); ++i) userEg_[i] = edit_.elementByte(offsets[i]);
    std::vector<std::string> items{place.userName};
    if (place.list == kAmpTemplateList)
        for (const auto& t : image::kAmpEgTemplates) items.emplace_back(t.name);
    else if (place.list == kFilterTemplateList)
        for (const auto& t : image::kFilterEgTemplates) items.emplace_back(t.name);
    else
        for (const auto& t : image::kPitchEgTemplates) items.emplace_back(t.name);
    openTemplate_ = place.list;
    host_.showPopupList(place.list, place.x, place.y, kListWidth,
                        static_cast<int>(items.size()) * kListItemHeight + 4, items, 0);
}

void VoiceEditor::applyTemplate(editor::PopupList list, int item) {
    const auto offsets = egOffsets(list);
    const auto valueAt = [&](std::size_t i) -> image::Byte {
        if (item == 0) return userEg_[i];
        const auto t = static_cast<std::size_t>(item - 1);
        if (list == kAmpTemplateList) return image::kAmpEgTemplates[t].values[i];
        if (list == kFilterTemplateList) return image::kFilterEgTemplates[t].values[i];
        return image::kPitchEgTemplates[t].values[i];
    };
    const std::size_t count = list == kAmpTemplateList      ? image::kAmpEgTemplates.size()
                              : list == kFilterTemplateList ? image::kFilterEgTemplates.size()
                                                            : image::kPitchEgTemplates.size();
    if (item < 0 || static_cast<std::size_t>(item) > count) return;
    // Templates are written as they are, decay levels included.
    for (std::size_t i = 0; i < offsets.size(); ++i)
        edit_.voice()[image::elementIndex(edit_.currentElement(), offsets[i])] = valueAt(i);
    paintEnvelopes();
    paintStrip();
    repaintAll();
    send();
}

void VoiceEditor::openWaves(int element) {
    if (element != edit_.currentElement()) selectElement(element);
    const int wave = edit_.elementByte(e::kWaveHigh) * 128 + edit_.elementByte(e::kWaveLow);
    const image::WavePlace place = image::findWave(wave);
    std::vector<std::string> categories(image::kWaveCategoryNames.begin(),
                                        image::kWaveCategoryNames.end());
    const int top = 16 * (34 + element) - 250;
    host_.showPopupList(kWaveCategoryList, kCategoryListX, top, kListWidth,
                        static_cast<int>(categories.size()) * kListItemHeight + 4, categories,
                        place.category);
    showWaveList(place.category, place.item);
    paintElementRows();
    repaintAll();
}

void VoiceEditor::showWaveList(int category, int selected) {
    waveCategory_ = category;
    std::vector<std::string> items;
    for (const image::WaveItem& w : image::waveList(category)) items.emplace_back(w.name);
    const int top = 16 * (34 + edit_.currentElement()) - 250;
    host_.showPopupList(kWaveList, kWaveListX, top, kWaveListWidth, kWaveListHeight, items,
                        selected);
}

void VoiceEditor::applyWave(int item) {
    const auto list = image::waveList(waveCategory_);
    if (item < 0 || static_cast<std::size_t>(item) >= list.size()) return;
    const int wave = list[static_cast<std::size_t>(item)].wave;
    edit_.setElementByte(e::kWaveHigh, static_cast<image::Byte>(wave / 128));
    edit_.setElementByte(e::kWaveLow, static_cast<image::Byte>(wave % 128));
    paintElementRows();
    repaintAll();
    send();
}

void VoiceEditor::popupListClicked(editor::PopupList list, int item, bool doubleClick) {
    if (doubleClick) {
        hidePopupLists();
        return;
    }
    if (list == kAmpTemplateList || list == kPitchTemplateList || list == kFilterTemplateList)
        applyTemplate(list, item);
    else if (list == kWaveCategoryList)
        showWaveList(item, -1);
    else if (list == kWaveList)
        applyWave(item);
}

void VoiceEditor::popupListRightPressed(editor::PopupList, int) {
    hidePopupLists();
}

void VoiceEditor::hidePopupLists() {
    if (openTemplate_) host_.hidePopupList(*openTemplate_);
    openTemplate_.reset();
    if (waveCategory_ >= 0) {
        host_.hidePopupList(kWaveCategoryList);
        host_.hidePopupList(kWaveList);
        waveCategory_ = -1;
    }
    if (nameFieldShown_) {
        nameFieldShown_ = false;
        if (hooks_) hooks_->hideNameField();
    }
}

char VoiceEditor::nameFieldKey(char typed, int caret, int length) {
    // Names are written in capitals where the user types on at the end.
    if (caret >= length && typed >= 'a' && typed <= 'z')
        return static_cast<char>(std::toupper(static_cast<unsigned char>(typed)));
    return typed;
}

void VoiceEditor::nameFieldDone(const std::string& text) {
    nameFieldShown_ = false;
    // An emptied field keeps the old name.
    if (text.empty()) return;
    image::setVoiceName(edit_.voice(), text.substr(0, image::kVoiceNameSize));
    paintName();
    repaint(kNameField);
}

} // namespace qs300
