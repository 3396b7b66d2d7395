#include "midi/voice_selection.h"

#include "image/part_modes.h"
#include "image/qs300_factory.h"
#include "image/voice_catalogue.h"
#include "image/voice_dump.h"
#include "image/voice_pairs.h"
#include "midi/part_voice_steps.h"
#include "midi/voice_mirror.h"

#include <algorithm>

namespace midi {
namespace {

namespace off = image::offset;
using image::Byte;

std::size_t at(int part) {
    return static_cast<std::size_t>(part);
}

} // namespace

VoiceSelection::VoiceSelection(image::SynthImage& image, XgMessages& messages)
    : image_(image), messages_(messages) {}

void VoiceSelection::addListener(VoiceChangeListener& listener) {
    listeners_.push_back(&listener);
}

void VoiceSelection::removeListener(VoiceChangeListener& listener) {
    std::erase(listeners_, &listener);
}

SelectionResult VoiceSelection::select(int list, int item) {
    SelectionResult result;
    const auto voice = image::catalogueVoice(list, item);
    if (!voice) return result;
    result.done = true;
    const int remembered = std::clamp(image_.currentPart, 0, image::kPartCount - 1);
    image_.currentPart = remembered;
    int mode = image::kNormalMode;

    if (!image::isQsList(list)) {
        selectXgVoice(list, item, mode, result);
    } else if (!selectQsVoice(list, item, result)) {
        // "QS300 Timeout" has been shown. Selecting the user voice now would make the part
        // play whatever the module holds there, and a module that did not answer would
        // only keep the user waiting for the next time-out.
        image_.currentPart = remembered;
        result.done = false;
        result.timedOut = true;
        return result;
    }

    // The part record of the part that now holds the voice.
    const int p = image_.currentPart;
    image_.part(p, off::kBankMsb) = static_cast<Byte>(voice->msb);
    image_.part(p, off::kBankLsb) = static_cast<Byte>(voice->lsb);
    image_.part(p, off::kProgram) = static_cast<Byte>(voice->program);
    image_.part(p, off::kPartMode) = static_cast<Byte>(mode);
    sendVoiceSelect(p, sentLsb(voice->msb, voice->lsb), voice->program);

    const auto texts = image::voiceListTexts(list, image_.bank);
    result.name = image::selectionName(list, texts[at(item)]);
    result.part = p;
    if (image::isQsList(list)) {
        // The module plays a user voice as the program with the part's own number.
        messages_.SendPartParam(p, p * image::kPartRecordSize + off::kProgram,
                                static_cast<Byte>(p));
        if (result.pair) {
            const int second = p + 1;
            for (int o : {off::kBankMsb, off::kBankLsb, off::kProgram, off::kPartMode})
                image_.part(second, o) = image_.part(p, o);
            sendVoiceSelect(second, 0, second);
            result.changed.push_back(second);
        }
    }
    if (std::find(result.changed.begin(), result.changed.end(), p) == result.changed.end())
        result.changed.insert(result.changed.begin(), p);

    image_.currentPart = remembered;
    for (VoiceChangeListener* listener : listeners_)
        for (int changed : result.changed) listener->partVoiceChanged(changed);
    return result;
}

bool VoiceSelection::selectQsVoice(int list, int item, SelectionResult& result) {
    const int p = image_.currentPart;
    const image::VoiceRecord& voice =
        list == image::kQsUserList ? image_.bank[at(item)] : image::factoryPresetBank()[at(item)];
    // A module that does not take the voice keeps its part as it was; so does the image.
    const image::VoiceDump keptEditVoice = image_.editVoice;
    image::putVoiceRecord(image_.editVoice, voice);
    const int elements = image::switchedOnElements(voice);

    if (elements > 2 && options_.type == SynthType::Db50) {
        const int first = p & ~1;
        const int second = first + 1;
        image_.editVoice[image::kVoiceDumpNumberByte] = static_cast<Byte>(first);
        image::VoiceDump upper = image::upperHalfDump(image_.editVoice, second);
        if (!messages_.SendQSVoice(image_.editVoice) || !messages_.SendQSVoice(upper)) {
            image_.editVoice = keptEditVoice;
            return false;
        }
        image_.currentPart = first;
        image_.partVoices[at(first)] = image_.editVoice;
        image_.partVoices[at(second)] = upper;
        image_.userVoiceKind[at(first)] = image::kTwoPartVoice;
        image_.userVoiceKind[at(second)] = image::kXgVoice;
        image_.pairFlagLow[at(first)] = 0;
        image_.pairFlagHigh[at(first)] = 0;
        image_.pairFlagLow[at(second)] = 1;
        image_.pairFlagHigh[at(second)] = 1;
        // Both halves answer the same channel, so one note plays all four elements.
        sendPartByte(second, off::kReceiveChannel, image_.part(first, off::kReceiveChannel));
        if (options_.qsData) {
            writeMirrored(first, image_.editVoice);
            writeMirrored(second, image_.editVoice);
        }
        result.pair = true;
        return true;
    }

    image_.editVoice[image::kVoiceDumpNumberByte] = static_cast<Byte>(p);
    if (!messages_.SendQSVoice(image_.editVoice)) {
        image_.editVoice = keptEditVoice;
        return false;
    }
    releasePair(p, true, result);
    if (options_.qsData) writeMirrored(p, image_.editVoice);
    image_.partVoices[at(p)] = image_.editVoice;
    image_.userVoiceKind[at(p)] = image::kSinglePartVoice;
    return true;
}

void VoiceSelection::selectXgVoice(int list, int item, int& mode, SelectionResult& result) {
    const int p = image_.currentPart;
    // The second part of a pair plays the voice too, though only the first has the kind.
    if (image_.hasUserVoice(p) && options_.xgDefault) SendXgDefaults(image_, messages_, p);
    image_.userVoiceKind[at(p)] = image::kXgVoice;
    releasePair(p, false, result);
    image_.pairFlagLow[at(p)] = 0;
    image_.pairFlagHigh[at(p)] = 0;
    if (list == image::kDrumList) {
        mode = item == image::kDrumSetup1Item   ? image::kDrumSetup1Mode
               : item == image::kDrumSetup2Item ? image::kDrumSetup2Mode
                                                : image::kDrumMode;
    }
}

void VoiceSelection::releasePair(int part, bool defaults, SelectionResult& result) {
    // A QS300 plays four elements on one part: it never pairs parts.
    if (options_.type == SynthType::Qs300) return;
    const int other = ReleasePair(image_, messages_, part, defaults && options_.xgDefault);
    if (other >= 0) result.changed.push_back(other);
}

void VoiceSelection::sendVoiceSelect(int part, int lsbToSend, int program) {
    SendVoiceSelect(image_, messages_, part, lsbToSend, program);
}

void VoiceSelection::sendPartByte(int part, int offset, int value) {
    SetPartByte(image_, messages_, part, offset, value);
}

void VoiceSelection::writeMirrored(int part, const image::VoiceDump& dump) {
    for (const MirroredParameter& m : kMirroredParameters)
        sendPartByte(part, m.partOffset,
                     dump[at(image::kVoiceDumpDataStart + m.voiceOffset)] & 0x7F);
}

int VoiceSelection::sentLsb(int msb, int lsb) const {
    if (msb != image::kBankQsUserVoice) return lsb;
    return options_.type == SynthType::Qs300 ? 1 : 0;
}

SelectionResult VoiceSelection::assignVoice(const image::VoiceRecord& voice) {
    const int p = std::clamp(image_.currentPart, 0, image::kPartCount - 1);
    const int slot = image::switchedOnElements(voice) > 2 && p % 2 == 1 ? p - 1 : p;
    const image::VoiceRecord kept = image_.bank[at(slot)];
    image_.bank[at(slot)] = voice;
    SelectionResult result = select(image::kQsUserList, slot);
    image_.bank[at(slot)] = kept;
    return result;
}

SelectionResult VoiceSelection::storeVoice(int slot, const image::VoiceRecord& voice) {
    if (slot < 0 || slot >= image::kBankVoiceCount) return {};
    image_.bank[at(slot)] = voice;
    return select(image::kQsUserList, slot);
}

} // namespace midi
