#pragma once
// MIDI input on its way from the driver thread to the output: the backend calls on its
// own thread, the relay copies the message and hands it to the GUI thread, where the
// handshake learns the status byte and MIDI thru passes channel messages on to the
// current part's receive channel.

#include "midi/backend.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
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

    // Sees every message after MIDI thru has passed it on (the drum editor's key choice).
    void setInputObserver(std::function<void(const std::vector<std::uint8_t>&)> observer) {
        observer_ = std::move(observer);
    }

    // Sees every system-exclusive message too (the module's answers to dump requests).
    void setSysExListener(std::function<void(const std::vector<std::uint8_t>&)> listener) {
        sysExListener_ = std::move(listener);
    }

    // Told, once a flood of input is over, how many thru messages it cost; an empty text
    // when the notice may go again.
    void setDropReporter(std::function<void(const std::string&)> reporter) {
        reporter_ = std::move(reporter);
    }
    // Thru messages dropped so far: at the input when the window fell behind, and at the
    // output when the cable could not carry them.
    std::uint64_t droppedCount() const;
    // The drop timer's turn: reports the flood once it has calmed down.
    void checkDrops();

  private:
    void noteDrop();

    Session& session_;
    // Messages posted to the GUI thread and not handled yet; above a limit the driver's
    // thread drops what thru could drop anyway, so memory stays flat at any input rate.
    std::atomic<int> posted_{0};
    std::atomic<std::uint64_t> inputDropped_{0};
    std::function<void(const std::string&)> reporter_;
    std::function<void(const std::vector<std::uint8_t>&)> observer_;
    std::function<void(const std::vector<std::uint8_t>&)> sysExListener_;
    QTimer dropTimer_;
    std::uint64_t seenDrops_ = 0;
    std::uint64_t reportedDrops_ = 0;
    bool noticeShown_ = false;
};

} // namespace app
