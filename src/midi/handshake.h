#pragma once
// The wait for the module's answer around QS300 transfers. The module is asked with a
// parameter request; any system message that comes back on the input counts as "ready".
// While waiting, the pump keeps the user interface alive (and delivers the input).

#include "midi/clock.h"

#include <cstdint>
#include <functional>

namespace midi {

class Handshake {
  public:
    static constexpr Millis kTick{100};

    explicit Handshake(Clock& clock) : clock_(clock) {}

    void setPump(std::function<void()> pump) { pump_ = std::move(pump); }
    // Time-out in ticks of 100 ms: the wait ends when more than `ticks` ticks passed.
    void setTimeoutTicks(int ticks) { timeoutTicks_ = ticks; }

    // The input handler reports the status byte of every message it receives.
    void noteInputStatus(std::uint8_t status) { lastInputStatus_ = status; }
    std::uint8_t lastInputStatus() const { return lastInputStatus_; }

    // Clears the status and restarts the tick count; call right before sending.
    void restart();
    // Restarts only the tick count: the probe has just been handed to the device, and an
    // answer that came in meanwhile still counts.
    void startCounting() { start_ = clock_.now(); }
    // Keeps the window alive once, as while waiting.
    void runPump() {
        if (pump_) pump_();
    }
    // Waits for a system message (status F0 or above) since restart(). False on time-out.
    bool waitForAnswer();

  private:
    Clock& clock_;
    std::function<void()> pump_;
    int timeoutTicks_ = 10;
    std::uint8_t lastInputStatus_ = 0;
    Millis start_{0};
};

} // namespace midi
