#pragma once
// Time for pauses, pacing and the handshake, behind an interface so tests never sleep.

#include <chrono>

namespace midi {

using Millis = std::chrono::milliseconds;

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Millis now() const = 0;
    virtual void sleepFor(Millis duration) = 0;
};

class SteadyClock final : public Clock {
  public:
    Millis now() const override;
    void sleepFor(Millis duration) override;
};

// A clock that only moves when told to; sleeping moves it at once.
class ManualClock final : public Clock {
  public:
    Millis now() const override { return now_; }
    void sleepFor(Millis duration) override { now_ += duration; }
    void advance(Millis duration) { now_ += duration; }

  private:
    Millis now_{0};
};

} // namespace midi
