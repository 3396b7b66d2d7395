#pragma once
// Putting a voice on a part, as a click in a voice list does (`ListB0Click`): the part
// record gets bank select, program and part mode, and the module hears every step in a
// fixed order. QS300 voices also go out as voice dumps; on a DB-50 board a voice of three
// or four elements takes two neighbouring parts (a pair), the second playing elements 3
// and 4. The QS300 voice editor, the voice files and the store dialog select through here
// as well, so that every road to a part's voice sends the same messages.

#include "image/synth_image.h"
#include "midi/synth_options.h"
#include "midi/xg_messages.h"

#include <string>
#include <vector>

namespace midi {

struct SelectionOptions {
    SynthType type = SynthType::Db50;
    bool qsData = true;    // "Get QS300 Part Data": a QS300 voice's controls go into the part
    bool xgDefault = true; // "Reset XG Default": leaving a QS300 voice restores the XG values
};

// Told after a selection about every part whose voice changed (the chosen part, the second
// part of a pair, a part released from a pair), with the current part restored. The drum
// setup editor closes when a part it edits is no longer a drum setup part; the editor
// redraws the parts' voice buttons.
class VoiceChangeListener {
  public:
    virtual ~VoiceChangeListener() = default;
    virtual void partVoiceChanged(int part) = 0;
};

struct SelectionResult {
    bool done = false;        // false for a list or item that does not exist
    bool timedOut = false;    // the module did not take the QS300 voice: nothing changed
    int part = -1;            // the part that holds the voice (the pair's first part)
    bool pair = false;        // the voice takes this part and the next
    std::string name;         // the name the part shows
    std::vector<int> changed; // every part whose voice changed, in order
};

class VoiceSelection {
  public:
    VoiceSelection(image::SynthImage& image, XgMessages& messages);

    void setOptions(const SelectionOptions& options) { options_ = options; }
    const SelectionOptions& options() const { return options_; }
    // Listeners are told in the order they were added; each stays until removed.
    void addListener(VoiceChangeListener& listener);
    void removeListener(VoiceChangeListener& listener);

    // Item `item` of voice list `list` (0..18) for the current part. Nothing happens for
    // an item that does not exist. A QS300 voice the module does not take (a handshake
    // time-out) ends the selection: nothing more is sent and the part keeps its voice.
    SelectionResult select(int list, int item);

    // A QS300 voice from outside the bank (a voice file) for the current part: it passes
    // through the user bank slot the part would use (the slot before an odd part for a
    // voice of more than two elements), is selected from there, and the bank slot gets its
    // old voice back.
    SelectionResult assignVoice(const image::VoiceRecord& voice);

    // Puts a voice into user bank slot 0..127 and selects that slot for the current part.
    SelectionResult storeVoice(int slot, const image::VoiceRecord& voice);

  private:
    // False when the module did not take the voice; the image is then as it was.
    bool selectQsVoice(int list, int item, SelectionResult& result);
    void selectXgVoice(int list, int item, int& mode, SelectionResult& result);
    void releasePair(int part, bool defaults, SelectionResult& result);
    void sendVoiceSelect(int part, int lsbToSend, int program);
    void sendPartByte(int part, int offset, int value);
    void writeMirrored(int part, const image::VoiceDump& dump);
    int sentLsb(int msb, int lsb) const;

    image::SynthImage& image_;
    XgMessages& messages_;
    SelectionOptions options_;
    std::vector<VoiceChangeListener*> listeners_;
};

} // namespace midi
