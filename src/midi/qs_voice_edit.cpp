#include "midi/qs_voice_edit.h"

#include "image/qs300_voice_builder.h"
#include "image/voice_dump.h"
#include "image/voice_pairs.h"

#include <algorithm>

namespace midi {

using image::Byte;

QsVoiceEdit::QsVoiceEdit(image::SynthImage& image, XgMessages& messages, MidiPort& port)
    : image_(image), messages_(messages), port_(port) {}

std::optional<int> QsVoiceEdit::Open(int currentPart) {
    int part = std::clamp(currentPart, 0, image::kPartCount - 1);
    const auto at = [](int p) { return static_cast<std::size_t>(p); };
    if (type() == SynthType::Db50 && part % 2 == 1 &&
        (image_.pairFlagLow[at(part)] != 0 || image_.pairFlagHigh[at(part)] != 0))
        --part;
    const Byte kind = image_.userVoiceKind[at(part)];
    if (kind == image::kXgVoice) return std::nullopt;

    partAtOpen_ = currentPart;
    part_ = part;
    // The dump is made afresh around the part's voice data: a stored header that went wrong
    // never reaches the module, and no data byte leaves the 7 bits a system-exclusive
    // message may carry.
    auto record = image::voiceRecordFromDump(image_.partVoices[at(part)]);
    for (auto& b : record) b &= 0x7F;
    image_.editVoice = image::makeVoiceDump(record, part, messages_.deviceNumber());
    switch (type()) {
    case SynthType::Db50:
        fourElements_ = kind == image::kTwoPartVoice && part + 1 < image::kPartCount;
        break;
    case SynthType::Qs300:
        fourElements_ = true;
        break;
    case SynthType::OtherXg:
        fourElements_ = false;
        break;
    }
    element_ = 0;
    open_ = true;
    return part_;
}

bool QsVoiceEdit::elementAvailable(int element) const {
    return element >= 0 && element < (fourElements_ ? 4 : 2);
}

bool QsVoiceEdit::selectElement(int element) {
    if (!elementAvailable(element)) return false;
    element_ = element;
    return true;
}

Byte QsVoiceEdit::elementByteOf(int element, int offset) const {
    return voice()[image::elementIndex(element, offset)];
}

Byte QsVoiceEdit::commonByte(int offset) const {
    return voice()[image::dumpIndex(offset)];
}

void QsVoiceEdit::setElementByteOf(int element, int offset, Byte value) {
    namespace e = image::voice::element;
    value &= 0x7F;
    if (offset == e::kAmpEgDecay1Level || offset == e::kAmpEgDecay2Level)
        image::setAmpDecayLevel(voice(), element, offset, value);
    else if (offset == e::kNoteLow || offset == e::kNoteHigh)
        image::setNoteLimit(voice(), element, offset, value);
    else
        voice()[image::elementIndex(element, offset)] = value;
}

void QsVoiceEdit::setCommonByte(int offset, Byte value) {
    voice()[image::dumpIndex(offset)] = static_cast<Byte>(value & 0x7F);
}

void QsVoiceEdit::mirror(int commonOffset) {
    const auto partOffset = image::mirroredPartOffset(commonOffset);
    if (!partOffset) return;
    const Byte value = commonByte(commonOffset);
    const int last = pairedOnTwoParts() ? part_ + 1 : part_;
    for (int p = part_; p <= last; ++p) {
        image_.part(p, *partOffset) = value;
        messages_.SendPartParam(p, p * image::kPartRecordSize + *partOffset, value);
    }
}

bool QsVoiceEdit::sendGuarded(image::VoiceDump& dump) {
    sending_ = true;
    bool answered = false;
    try {
        answered = messages_.SendQSVoice(dump);
    } catch (...) {
        sending_ = false;
        throw;
    }
    sending_ = false;
    return answered;
}

void QsVoiceEdit::sendSecondDump() {
    image::VoiceDump& second = image_.partVoices[static_cast<std::size_t>(part_ + 1)];
    second = image::upperHalfDump(voice(), part_ + 1);
    second[2] = static_cast<Byte>(messages_.deviceNumber() & 0x0F);
    image::renewVoiceDumpChecksum(second);
    port_.SendLong(second);
}

bool QsVoiceEdit::SendEditVoice() {
    const bool answered = sendGuarded(voice());
    if (pairedOnTwoParts()) sendSecondDump();
    return answered;
}

void QsVoiceEdit::initializeElement() {
    const auto initial = image::defaultElement();
    std::copy(initial.begin(), initial.end(), image::elementOf(voice(), element_).begin());
    sendElementChange(element_);
}

bool QsVoiceEdit::copyElement(int source, int destination) {
    if (source == destination || !elementAvailable(source) || !elementAvailable(destination))
        return false;
    const auto from = image::elementOf(voice(), source);
    std::copy(from.begin(), from.end(), image::elementOf(voice(), destination).begin());
    element_ = destination;
    sendElementChange(destination);
    return true;
}

void QsVoiceEdit::sendElementChange(int element) {
    switch (type()) {
    case SynthType::Db50:
        if (element < 2 || !pairedOnTwoParts())
            sendGuarded(voice());
        else
            sendSecondDump();
        break;
    case SynthType::Qs300:
        sendGuarded(voice());
        break;
    case SynthType::OtherXg:
        break;
    }
}

void QsVoiceEdit::close() {
    if (!open_) return;
    open_ = false;
    if (image::compactElements(voice())) SendEditVoice();
    image::renewVoiceDumpChecksum(voice());
    image_.partVoices[static_cast<std::size_t>(part_)] = voice();
    if (pairedOnTwoParts())
        image_.partVoices[static_cast<std::size_t>(part_ + 1)] =
            image::upperHalfDump(voice(), part_ + 1);
}

image::VoiceRecord QsVoiceEdit::compactedVoice() {
    if (image::compactElements(voice())) {
        SendEditVoice();
        element_ = 0;
    }
    image::renewVoiceDumpChecksum(voice());
    return image::voiceRecordFromDump(voice());
}

int copyDestinationFor(int currentElement, bool fourElements) {
    if (fourElements) return currentElement < 3 ? currentElement + 1 : 2;
    return currentElement == 0 ? 1 : 0;
}

} // namespace midi
