#pragma once
// The element scan: walks through the elements of the 128 preset voices or of the voice
// bank, plays each on the module (alone, or in the edited voice in place of the destination
// element) and copies the one the user likes into the edited voice.

#include "image/synth_image.h"
#include "image/voice_edit.h"
#include "midi/qs_scan_dumps.h"

namespace midi {

class QsElementScan {
  public:
    QsElementScan(QsVoiceEdit& edit, XgMessages& messages, MidiPort& port,
                  const image::VoiceBank& userBank, ElementAidsMemory& memory);

    // Opening: the scan dumps from the edit voice, the current element the destination.
    // Then `start` (when the dialog shows) selects the remembered voice of the list shown.
    void begin();
    void start();

    bool userList() const { return memory_.userListShown; }
    // The selected list entry 0..127, the source element 1..4 and the destination 0..3.
    int index() const { return memory_.userListShown ? memory_.userIndex : memory_.presetIndex; }
    int sourceElement() const { return source_; }
    int lastElement() const { return last_; }
    int destination() const { return destination_; }
    bool solo() const { return memory_.solo; }

    // A click in the list.
    void select(int index);
    // "Preset" / "User": the other list with its remembered entry.
    void showList(bool user);
    // ">" and "<": the next or previous element, over voice boundaries.
    void forward();
    void back();
    void setDestination(int element);
    void setSolo(bool solo);
    // "Copy": the held element into the destination of the edit voice, switched on. The
    // destination becomes the editor's current element; nothing is sent.
    void copyHeldElement();
    // "Close": the module plays the edit voice again.
    bool finish();

    // The result of the last audition: false when the module did not answer.
    bool lastAnswered() const { return answered_; }

  private:
    void selectionStep();
    void audition();
    void playSolo();
    void playInPlace();

    QsVoiceEdit& edit_;
    XgMessages& messages_;
    MidiPort& port_;
    const image::VoiceBank& userBank_;
    ElementAidsMemory& memory_;
    ScanDumps dumps_;    // the selected voice
    ScanDumps selected_; // its unchanged copy, so each audition starts from it
    image::ElementBlock held_{};
    int source_ = 1;
    int last_ = 1;
    int destination_ = 0;
    bool shown_ = false; // clicks play only once the dialog shows
    bool answered_ = true;
};

} // namespace midi
