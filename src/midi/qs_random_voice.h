#pragma once
// Random voices: the edited voice's common block with elements picked at random from the
// 256 built-in voices (the presets, then the voice bank). Each proposal is played on the
// module; the edit voice changes only when the user keeps one.

#include "image/synth_image.h"
#include "midi/qs_scan_dumps.h"
#include "midi/random_source.h"

namespace midi {

class QsRandomVoice {
  public:
    QsRandomVoice(QsVoiceEdit& edit, XgMessages& messages, MidiPort& port,
                  const image::VoiceBank& userBank, RandomSource& random,
                  ElementAidsMemory& memory);

    // A fresh start from the edit voice (before the first proposal).
    void begin();
    // "Next": fills element slots 1..4 (1..2 without four elements) with elements of voices
    // picked at random, never the same voice twice in a row, and plays the proposal. The
    // element switch stays that of the edit voice. Returns false when the module did not
    // answer; the proposal is kept all the same.
    bool next();
    // "OK": the proposal becomes the edit voice (not sent; `finish` sends it).
    void acceptProposal();
    // On leaving, accepted or not: the module plays the edit voice again.
    bool finish();

    const ScanDumps& proposal() const { return dumps_; }

  private:
    int pickVoice();

    QsVoiceEdit& edit_;
    XgMessages& messages_;
    MidiPort& port_;
    const image::VoiceBank& userBank_;
    RandomSource& random_;
    ElementAidsMemory& memory_;
    ScanDumps dumps_;
};

} // namespace midi
