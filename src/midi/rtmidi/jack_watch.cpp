#include "midi/rtmidi/jack_watch.h"

#if defined(XGORVO_HAVE_JACK)
#include <jack/jack.h>
#endif

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

void JackWatch::onShutdown(void* self) {
    static_cast<JackWatch*>(self)->gone_ = true;
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
void JackWatch::onShutdown(void*) {}

#endif

} // namespace midi
