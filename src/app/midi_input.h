#pragma once
// MIDI input on its way from the driver thread to the output: the backend calls on its
// own thread, the relay copies the message and hands it to the GUI thread, where the
// handshake learns the status byte and MIDI thru passes channel messages on to the
// current part's receive channel.

#include "midi/backend.h"

#include <QObject>

#include <cstdint>
#include <optional>
#include <vector>

namespace app {

class Session;

// The packed message MIDI thru sends for an incoming message, or nothing: thru off,
// system messages (status F0 and above), program changes, running-status data and a part
// that receives on no channel (OFF) are not passed on.
std::optional<std::uint32_t> thruMessage(midi::Bytes message, bool thru, int receiveChannel);

class MidiInputRelay final : public QObject {
    Q_OBJECT
  public:
    // Becomes the port's input handler for as long as it lives.
    explicit MidiInputRelay(Session& session, QObject* parent = nullptr);
    ~MidiInputRelay() override;

    // One message on the GUI thread.
    void receive(const std::vector<std::uint8_t>& message);

  private:
    Session& session_;
};

} // namespace app
