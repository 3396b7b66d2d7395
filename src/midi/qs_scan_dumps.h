#pragma once
// The two dumps the random voices and the element scan build what the module plays in:
// a whole voice like the edit voice, and on a DB-50 pair the dump of the pair's second part
// (its elements 1 and 2 stand for elements 3 and 4). The edit voice stays untouched until
// the user keeps a result.

#include "image/synth_image.h"
#include "midi/midi_port.h"
#include "midi/qs_voice_edit.h"
#include "midi/xg_messages.h"

namespace midi {

// What stays the same while the program runs: the last voice the random proposals took
// and where the element scan was.
struct ElementAidsMemory {
    int lastRandomVoice = 0;    // 0..255: presets, then the voice bank
    bool userListShown = false; // the scan list shows the voice bank
    int presetIndex = 0;        // 0..127, the last voice scanned in each list
    int userIndex = 0;
    bool solo = true; // the scan plays the element alone
};

struct ScanDumps {
    image::VoiceDump whole{};
    image::VoiceDump second{};

    // Both made from the edit voice: a copy of it and the second part's dump.
    void takeEditVoice(const QsVoiceEdit& edit);
    // Elements 3 and 4 of the whole dump become elements 1 and 2 of the second dump.
    void mirrorUpperElements();
    // The whole dump (with the handshake where needed), then on a DB-50 pair the second
    // one. Returns false when the module did not answer.
    bool send(const QsVoiceEdit& edit, XgMessages& messages, MidiPort& port);
};

// The element switch byte of a dump.
image::Byte& elementSwitchOf(image::VoiceDump& dump);

} // namespace midi
