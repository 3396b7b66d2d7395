#pragma once
// The voice being edited in the QS300 voice editor and how it reaches the module. The
// module takes no single QS300 voice parameters: every finished change goes out as the
// whole 392-byte dump. Bytes that are also XG part parameters are sent as those while they
// are dragged, so the change is heard at once.
//
// On a DB-50 board a four-element voice plays on two parts: the part edited holds elements
// 1 and 2, the next part a second dump with elements 3 and 4. The second dump goes into the
// next part's entry whenever it is sent, so the image always says what the module holds
// there and an undo can bring it back. A QS300 always has four elements, other XG modules
// two.

#include "image/synth_image.h"
#include "image/voice_edit.h"
#include "midi/midi_port.h"
#include "midi/synth_options.h"
#include "midi/xg_messages.h"

#include <optional>

namespace midi {

class QsVoiceEdit {
  public:
    QsVoiceEdit(image::SynthImage& image, XgMessages& messages, MidiPort& port);

    // Takes the voice of the part for editing. On a DB-50 the second part of a pair edits
    // the pair's first part. Returns the part edited, or nothing for a part without a user
    // voice of its own (then nothing changes).
    std::optional<int> Open(int currentPart);
    bool isOpen() const { return open_; }
    // The part edited and the part that was current when the editor opened.
    int part() const { return part_; }
    int partAtOpen() const { return partAtOpen_; }
    SynthType type() const { return messages_.options().type; }
    bool fourElements() const { return fourElements_; }
    bool pairedOnTwoParts() const { return fourElements_ && type() == SynthType::Db50; }

    int currentElement() const { return element_; }
    bool elementAvailable(int element) const;
    // Elements 3 and 4 can be chosen only with four elements.
    bool selectElement(int element);

    image::VoiceDump& voice() { return image_.editVoice; }
    const image::VoiceDump& voice() const { return image_.editVoice; }

    image::Byte elementByte(int offset) const { return elementByteOf(element_, offset); }
    image::Byte elementByteOf(int element, int offset) const;
    image::Byte commonByte(int offset) const;
    // Stores a byte of the current element, keeping the amp EG decay levels and the note
    // limits in order.
    void setElementByte(int offset, image::Byte value) {
        setElementByteOf(element_, offset, value);
    }
    void setElementByteOf(int element, int offset, image::Byte value);
    void setCommonByte(int offset, image::Byte value);
    // When the common byte has an XG part parameter, the value goes into the part record and
    // to the module as that parameter (to both parts of a DB-50 pair).
    void mirror(int commonOffset);

    // The whole voice to the module (inside the handshake where needed), then on a DB-50
    // pair the second dump. Returns false when the module did not answer.
    bool SendEditVoice();
    // A send waits for the module's answer; the editor takes no presses meanwhile.
    bool sending() const { return sending_; }

    // Puts the initial element in place of the current one and sends what changed ("Other
    // XG" modules get nothing; the next send carries it).
    void initializeElement();
    // Copies all 80 bytes of element `source` over element `destination` (the element
    // switch stays), makes the destination current and sends what changed as above. The
    // same element, or one not available, changes and sends nothing (returns false).
    bool copyElement(int source, int destination);

    // Closing: elements moved to the front (sent again if any moved), then the voice kept
    // in the part's entry (and the second dump in the next part's on a DB-50 pair).
    void close();
    // The voice to save or store while the editor stays open: elements moved to the front
    // (sent again if any moved, then element 1 is the current one) with a fresh checksum.
    image::VoiceRecord compactedVoice();
    // Ends the edit without keeping it (the image is being reset).
    void abandon() { open_ = false; }

  private:
    bool sendGuarded(image::VoiceDump& dump);
    void sendSecondDump();
    // Sends the dump that holds `element` after it changed ("Other XG" gets nothing).
    void sendElementChange(int element);

    image::SynthImage& image_;
    XgMessages& messages_;
    MidiPort& port_;
    bool open_ = false;
    bool fourElements_ = false;
    bool sending_ = false;
    int element_ = 0;
    int part_ = 0;
    int partAtOpen_ = 0;
};

// The destination offered first when copying the current element: the next element (the
// fourth offers the third) with four elements, else the other of the two.
int copyDestinationFor(int currentElement, bool fourElements);

} // namespace midi
