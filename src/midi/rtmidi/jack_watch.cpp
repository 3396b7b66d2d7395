#include "midi/rtmidi/jack_watch.h"

#if defined(XGORVO_HAVE_JACK)
#include <jack/jack.h>
#endif

#include <thread>

namespace midi {

#if defined(XGORVO_HAVE_JACK)

namespace {
void quiet(const char*) {}
} // namespace

void silenceJackMessages() {
    jack_set_error_function(quiet);
    jack_set_info_function(quiet);
}

JackWatch::~JackWatch() {
    stop();
}

bool JackWatch::start() {
    stop();
    gone_ = false;
    client_ = jack_client_open("XG-Orvo watch", JackNoStartServer, nullptr);
    if (client_ == nullptr) return false;
    jack_on_shutdown(client_, &JackWatch::onShutdown, this);
    jack_set_process_callback(client_, &JackWatch::onCycle, this);
    if (jack_activate(client_) != 0) {
        jack_client_close(client_);
        client_ = nullptr;
        return false;
    }
    return true;
}

void JackWatch::stop() {
    if (client_ == nullptr) return;
    if (!gone_) jack_client_close(client_);
    client_ = nullptr;
}

bool JackWatch::portExists(const std::string& name) const {
    if (client_ == nullptr || gone_) return false;
    return jack_port_by_name(client_, name.c_str()) != nullptr;
}

void JackWatch::waitForCycles(int cycles, std::chrono::milliseconds limit) const {
    if (client_ == nullptr || gone_) return;
    const auto target = cycles_.load() + static_cast<std::uint64_t>(cycles);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (cycles_.load() < target && !gone_ && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void JackWatch::onShutdown(void* self) {
    static_cast<JackWatch*>(self)->gone_ = true;
}

int JackWatch::onCycle(std::uint32_t, void* self) {
    static_cast<JackWatch*>(self)->cycles_.fetch_add(1, std::memory_order_relaxed);
    return 0;
}

#else

// Without JACK there is nothing to watch: no JACK port can be chosen.
void silenceJackMessages() {}
JackWatch::~JackWatch() = default;
bool JackWatch::start() {
    return false;
}
void JackWatch::stop() {}
bool JackWatch::portExists(const std::string&) const {
    return false;
}
void JackWatch::waitForCycles(int, std::chrono::milliseconds) const {}
void JackWatch::onShutdown(void*) {}
int JackWatch::onCycle(std::uint32_t, void*) {
    return 0;
}

#endif

} // namespace midi
