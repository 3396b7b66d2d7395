#pragma once
// Notices when the JACK server goes away or a connected port disappears. RtMidi keeps
// writing into its buffer then and reports nothing, so we keep a small client of our own.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

struct _jack_client;

namespace midi {

class JackWatch {
  public:
    JackWatch() = default;
    ~JackWatch();
    JackWatch(const JackWatch&) = delete;
    JackWatch& operator=(const JackWatch&) = delete;

    // Starts watching; false when no JACK server runs.
    bool start();
    void stop();
    bool serverGone() const { return gone_.load(); }
    // Whether a port of this full name ("client:port") still exists.
    bool portExists(const std::string& name) const;
    // Waits until the server has run `cycles` more process cycles, at most `limit`. A
    // message handed to RtMidi leaves in the next cycle only; closing its port sooner
    // loses it.
    void waitForCycles(int cycles, std::chrono::milliseconds limit) const;

  private:
    static void onShutdown(void* self);
    static int onCycle(std::uint32_t frames, void* self);

    _jack_client* client_ = nullptr;
    std::atomic<bool> gone_{false};
    std::atomic<std::uint64_t> cycles_{0};
};

// Keeps libjack from printing to the terminal when no server runs; that is not an error
// for us, there are just no JACK devices then.
void silenceJackMessages();

} // namespace midi
