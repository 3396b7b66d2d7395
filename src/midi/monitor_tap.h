#pragma once
// Sits between the port and the MIDI system and copies every message that passes, in
// either direction, into the monitor's log.

#include "midi/forwarding_backend.h"
#include "midi/monitor_log.h"

namespace midi {

class MonitorTap final : public ForwardingBackend {
  public:
    MonitorTap(Backend& inner, MonitorLog& log) : ForwardingBackend(inner), log_(log) {}

    void openInput(int id, InputCallback callback) override {
        ForwardingBackend::openInput(id, [this, callback = std::move(callback)](Bytes message) {
            log_.record(Direction::In, message);
            if (callback) callback(message);
        });
    }
    void send(Bytes message) override {
        ForwardingBackend::send(message);
        log_.record(Direction::Out, message);
    }

  private:
    MonitorLog& log_;
};

} // namespace midi
