#pragma once
// Notices when the JACK server goes away or a connected port disappears. RtMidi keeps
// writing into its buffer then and reports nothing, so we keep a small client of our own.

#include <atomic>
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

  private:
    static void onShutdown(void* self);

    _jack_client* client_ = nullptr;
    std::atomic<bool> gone_{false};
};

// Keeps libjack from printing to the terminal when no server runs; that is not an error
// for us, there are just no JACK devices then.
void silenceJackMessages();

} // namespace midi
