#include "midi/qs_scan_dumps.h"

#include "image/voice_dump.h"
#include "image/voice_edit.h"
#include "image/voice_pairs.h"

#include <algorithm>

namespace midi {

image::Byte& elementSwitchOf(image::VoiceDump& dump) {
    return dump[image::dumpIndex(image::voice::kElementSwitch)];
}

void ScanDumps::takeEditVoice(const QsVoiceEdit& edit) {
    whole = edit.voice();
    second = image::upperHalfDump(edit.voice(), edit.part() + 1);
}

void ScanDumps::mirrorUpperElements() {
    for (int e = 0; e < 2; ++e) {
        const auto from = image::elementOf(whole, e + 2);
        std::copy(from.begin(), from.end(), image::elementOf(second, e).begin());
    }
}

bool ScanDumps::send(const QsVoiceEdit& edit, XgMessages& messages, MidiPort& port) {
    const bool answered = messages.SendQSVoice(whole);
    if (edit.pairedOnTwoParts()) {
        second[2] = static_cast<image::Byte>(messages.deviceNumber() & 0x0F);
        image::renewVoiceDumpChecksum(second);
        port.SendLong(second);
    }
    return answered;
}

} // namespace midi
