#pragma once
// The voice catalogue behind the voice lists: 19 lists (16 XG categories, the drum kits,
// the QS300 presets and the QS300 user bank), 749 items, each tied to a bank MSB, bank LSB
// and program. Searched both ways: a list item gives the voice to select, a part's voice
// gives the item to show selected.

#include "image/synth_image.h"

#include <optional>
#include <string>
#include <vector>

namespace image {

inline constexpr int kVoiceListCount = 19;
inline constexpr int kDrumList = 16;
inline constexpr int kQsPresetList = 17;
inline constexpr int kQsUserList = 18;
inline constexpr int kDrumSetup1Item = 11;
inline constexpr int kDrumSetup2Item = 12;
inline constexpr int kCatalogueSize = 749;

struct CatalogueVoice {
    int msb = 0;
    int lsb = 0;
    int program = 0; // as sent, 0..127
};

struct ListItem {
    int list = -1;
    int item = -1;
};

// The category names of `Listroot`, in list order.
const std::vector<std::string>& voiceCategoryNames();

// Items of a list (0 for a list number out of range).
int voiceListSize(int list);
bool isQsList(int list);

// The voice of a list item; nothing for an item or list out of range.
std::optional<CatalogueVoice> catalogueVoice(int list, int item);

// The list item of a voice: drum setups (part mode 2 and 3) give the two setup items, bank
// 63 with LSB 1 the user bank and with LSB 0 the presets. Nothing for a voice no list holds.
std::optional<ListItem> findListItem(int msb, int lsb, int program, int partMode);

// Elements switched on in a voice: the set bits among bits 0..3 of the element switch.
int switchedOnElements(const VoiceRecord& voice);
// The 10-character name at the start of a voice; bytes outside printable ASCII as blanks.
std::string voiceRecordName(const VoiceRecord& voice);

// A QS300 list item: number 1..128 as three digits, " ", " - ", elements, " - ", name.
std::string qsListItemText(int index, const VoiceRecord& voice);

// The texts of a list as shown: the XG lists from the catalogue, the QS300 lists from the
// factory presets and the image's user bank.
std::vector<std::string> voiceListTexts(int list, const VoiceBank& userBank);

// The name a part shows for a list item: the text cut to 30 characters, then a leading
// blank, a leading "-" and a leading blank again removed; QS300 items lose their number
// and element count.
std::string selectionName(int list, const std::string& itemText);

} // namespace image
