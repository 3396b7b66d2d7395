#include "midi/qs_element_scan.h"

#include "image/qs300_factory.h"
#include "image/voice_dump.h"
#include "image/voice_layout.h"

#include <algorithm>

namespace midi {

namespace {
constexpr int kLastIndex = image::kBankVoiceCount - 1;

// The number (1..4) of the highest switched-on element, 0 when none is on.
int highestElement(const image::VoiceDump& dump) {
    const int bits = dump[image::dumpIndex(image::voice::kElementSwitch)] & 0x0F;
    int highest = 0;
    for (int e = 0; e < 4; ++e)
        if (bits & (1 << e)) highest = e + 1;
    return highest;
}

void putElement(image::VoiceDump& dump, int element, const image::ElementBlock& block) {
    std::copy(block.begin(), block.end(), image::elementOf(dump, element).begin());
}
} // namespace

QsElementScan::QsElementScan(QsVoiceEdit& edit, XgMessages& messages, MidiPort& port,
                             const image::VoiceBank& userBank, ElementAidsMemory& memory)
    : edit_(edit), messages_(messages), port_(port), userBank_(userBank), memory_(memory) {}

void QsElementScan::begin() {
    dumps_.takeEditVoice(edit_);
    destination_ = edit_.currentElement();
    shown_ = false;
}

void QsElementScan::start() {
    selectionStep();
    shown_ = true;
}

void QsElementScan::select(int index) {
    const int entry = std::clamp(index, 0, kLastIndex);
    (memory_.userListShown ? memory_.userIndex : memory_.presetIndex) = entry;
    selectionStep();
}

void QsElementScan::showList(bool user) {
    if (user == memory_.userListShown) return;
    memory_.userListShown = user;
    selectionStep();
}

void QsElementScan::forward() {
    if (source_ < last_) {
        ++source_;
        audition();
        return;
    }
    select(index() + 1);
}

void QsElementScan::back() {
    if (source_ <= 1) {
        select(index() - 1);
        return;
    }
    --source_;
    audition();
}

void QsElementScan::setDestination(int element) {
    if (!edit_.elementAvailable(element)) return;
    destination_ = element;
    if (shown_) audition();
}

void QsElementScan::setSolo(bool solo) {
    memory_.solo = solo;
    if (shown_) audition();
}

void QsElementScan::selectionStep() {
    source_ = 1;
    const int voice = index() + (memory_.userListShown ? image::kBankVoiceCount : 0);
    image::putVoiceRecord(dumps_.whole, image::presetOrUserVoice(userBank_, voice));
    last_ = highestElement(dumps_.whole);
    dumps_.mirrorUpperElements();
    selected_ = dumps_;
    audition();
}

void QsElementScan::audition() {
    const auto from = image::elementOf(selected_.whole, source_ - 1);
    std::copy(from.begin(), from.end(), held_.begin());
    if (memory_.solo)
        playSolo();
    else
        playInPlace();
    answered_ = dumps_.send(edit_, messages_, port_);
    dumps_ = selected_;
}

void QsElementScan::playSolo() {
    const int element = source_ - 1;
    if (element < 2) {
        elementSwitchOf(dumps_.whole) = static_cast<image::Byte>(1 << element);
        // Alone means the pair's second part stays silent too.
        elementSwitchOf(dumps_.second) = 0;
    } else if (edit_.pairedOnTwoParts()) {
        // The second part plays elements 3 and 4 as its 1 and 2.
        elementSwitchOf(dumps_.whole) = 0;
        elementSwitchOf(dumps_.second) = static_cast<image::Byte>(1 << (element - 2));
    } else if (!edit_.fourElements()) {
        // Only two elements play: the element is heard as the first.
        putElement(dumps_.whole, 0, held_);
        elementSwitchOf(dumps_.whole) = 1;
    } else {
        elementSwitchOf(dumps_.whole) = static_cast<image::Byte>(1 << element);
    }
}

void QsElementScan::playInPlace() {
    dumps_.takeEditVoice(edit_);
    if (destination_ >= 2 && edit_.pairedOnTwoParts()) {
        putElement(dumps_.second, destination_ - 2, held_);
        elementSwitchOf(dumps_.second) |= static_cast<image::Byte>(1 << (destination_ - 2));
        return;
    }
    putElement(dumps_.whole, destination_, held_);
    elementSwitchOf(dumps_.whole) |= static_cast<image::Byte>(1 << destination_);
}

void QsElementScan::copyHeldElement() {
    if (!edit_.elementAvailable(destination_)) return;
    auto& voice = edit_.voice();
    elementSwitchOf(voice) |= static_cast<image::Byte>(1 << destination_);
    putElement(voice, destination_, held_);
    edit_.selectElement(destination_);
}

bool QsElementScan::finish() {
    return edit_.SendEditVoice();
}

} // namespace midi
