#include "image/voice_catalogue.h"

#include "image/qs300_factory.h"
#include "image/voice_catalogue_tables.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>

namespace image {
namespace {

constexpr int kXgListCount = 17;
constexpr std::size_t kNameLength = 30;
// "001  - 2 - ": the number and element count before a QS300 voice name.
constexpr std::size_t kQsPrefixLength = 10;
constexpr int kUserBankLsb = 1;

// Where each XG list starts in the generated rows, and how long it is.
struct ListSpan {
    int first = 0;
    int size = 0;
};

std::array<ListSpan, kXgListCount> makeSpans() {
    std::array<ListSpan, kXgListCount> spans{};
    for (int i = kXgListRowCount - 1; i >= 0; --i) {
        auto& span = spans[kXgListRows[static_cast<std::size_t>(i)].list];
        span.first = i;
        ++span.size;
    }
    return spans;
}

const std::array<ListSpan, kXgListCount>& spans() {
    static const auto table = makeSpans();
    return table;
}

const XgListRow* xgRow(int list, int item) {
    if (list < 0 || list >= kXgListCount) return nullptr;
    const ListSpan span = spans()[static_cast<std::size_t>(list)];
    if (item < 0 || item >= span.size) return nullptr;
    return &kXgListRows[static_cast<std::size_t>(span.first + item)];
}

} // namespace

const std::vector<std::string>& voiceCategoryNames() {
    static const std::vector<std::string> names{
        "Piano",      "Chromatic  ", "Organ",         "Guitar",    "Bass",
        "Strings",    "Ensemble",    "Brass",         "Reed",      "Pipe",
        "Synth Lead", "Synth Pad",   "Synth Effects", "Ethnic",    "Percussive",
        "SFX",        "Drums",       "QS300 Preset",  "QS300 User"};
    return names;
}

bool isQsList(int list) {
    return list == kQsPresetList || list == kQsUserList;
}

int voiceListSize(int list) {
    if (isQsList(list)) return kBankVoiceCount;
    if (list < 0 || list >= kXgListCount) return 0;
    return spans()[static_cast<std::size_t>(list)].size;
}

std::optional<CatalogueVoice> catalogueVoice(int list, int item) {
    if (isQsList(list)) {
        if (item < 0 || item >= kBankVoiceCount) return std::nullopt;
        return CatalogueVoice{kBankQsUserVoice, list == kQsUserList ? kUserBankLsb : 0, item};
    }
    const XgListRow* row = xgRow(list, item);
    if (!row) return std::nullopt;
    return CatalogueVoice{row->msb, row->lsb, row->program};
}

std::optional<ListItem> findListItem(int msb, int lsb, int program, int partMode) {
    if (msb == kBankQsUserVoice) {
        if (program < 0 || program >= kBankVoiceCount) return std::nullopt;
        return ListItem{lsb == kUserBankLsb ? kQsUserList : kQsPresetList, program};
    }
    if (partMode == 2) return ListItem{kDrumList, kDrumSetup1Item};
    if (partMode == 3) return ListItem{kDrumList, kDrumSetup2Item};
    for (const XgListRow& row : kXgListRows)
        if (row.msb == msb && row.lsb == lsb && row.program == program)
            return ListItem{row.list, row.item};
    return std::nullopt;
}

int switchedOnElements(const VoiceRecord& voice) {
    return std::popcount(static_cast<unsigned>(voice[kVoiceElementSwitchByte] & 0x0F));
}

std::string voiceRecordName(const VoiceRecord& voice) {
    std::string name;
    for (int i = 0; i < kVoiceNameSize; ++i) {
        const auto c = static_cast<char>(voice[static_cast<std::size_t>(i)]);
        name += (c >= 32 && c < 127) ? c : ' ';
    }
    return name;
}

std::string qsListItemText(int index, const VoiceRecord& voice) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%03d  - %d - ", (index % 1000 + 1000) % 1000 + 1,
                  switchedOnElements(voice));
    return prefix + voiceRecordName(voice);
}

std::vector<std::string> voiceListTexts(int list, const VoiceBank& userBank) {
    std::vector<std::string> texts;
    const int size = voiceListSize(list);
    texts.reserve(static_cast<std::size_t>(size));
    if (isQsList(list)) {
        const VoiceBank& bank = list == kQsUserList ? userBank : factoryPresetBank();
        for (int i = 0; i < size; ++i)
            texts.push_back(qsListItemText(i, bank[static_cast<std::size_t>(i)]));
        return texts;
    }
    for (int i = 0; i < size; ++i) texts.emplace_back(xgRow(list, i)->text);
    return texts;
}

std::string selectionName(int list, const std::string& itemText) {
    std::string name = itemText.substr(0, kNameLength);
    if (name.starts_with(' ')) name.erase(0, 1);
    if (name.starts_with('-')) name.erase(0, 1);
    if (name.starts_with(' ')) name.erase(0, 1);
    if (isQsList(list)) {
        name.erase(0, std::min(name.size(), kQsPrefixLength));
        // The list puts one blank between the element count's " - " and the name.
        if (name.starts_with(' ')) name.erase(0, 1);
        // Voice names are padded to ten characters with blanks.
        while (name.ends_with(' ')) name.pop_back();
    }
    return name;
}

} // namespace image
