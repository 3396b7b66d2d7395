#include "midi/rtmidi/rtmidi_backend.h"

#include "midi/device_names.h"
#include "midi/errors.h"

#include <RtMidi.h>

#include <algorithm>
#include <iostream>
#include <optional>
#include <streambuf>
#include <utility>

#if defined(XGORVO_HAVE_ALSA)
#include <alsa/asoundlib.h>
#endif

namespace midi {

struct RtMidiBackend::Port {
    RtMidi::Api api = RtMidi::UNSPECIFIED;
    unsigned index = 0;
    std::string rawName;   // as the API names it
    std::string shownName; // what the user sees and the configuration keeps
};

namespace {

constexpr auto kAliveCheckInterval = std::chrono::milliseconds(250);

// The APIs we offer, in list order. On Linux both the ALSA sequencer and JACK.
std::vector<RtMidi::Api> offeredApis() {
    std::vector<RtMidi::Api> compiled;
    RtMidi::getCompiledApi(compiled);
    std::vector<RtMidi::Api> apis;
    for (auto api :
         {RtMidi::LINUX_ALSA, RtMidi::UNIX_JACK, RtMidi::MACOSX_CORE, RtMidi::WINDOWS_MM}) {
        if (std::find(compiled.begin(), compiled.end(), api) != compiled.end()) apis.push_back(api);
    }
    return apis;
}

void errorCallback(RtMidiError::Type type, const std::string& text, void* user) {
    // Debug warnings are chatter; everything else means the operation failed.
    if (type == RtMidiError::DEBUG_WARNING) return;
    static_cast<RtMidiBackend*>(user)->noteError(text);
}

// Swallows what RtMidi prints while a client is created: its error callback can only be
// installed afterwards, and a missing sequencer or server is not worth a word.
class QuietStderr {
  public:
    QuietStderr() : saved_(std::cerr.rdbuf(&sink_)) {}
    ~QuietStderr() { std::cerr.rdbuf(saved_); }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

  private:
    struct Sink : std::streambuf {
        int overflow(int c) override { return c; }
    } sink_;
    std::streambuf* saved_;
};

#if defined(XGORVO_HAVE_ALSA)
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}
#endif

template <class T>
std::unique_ptr<T> makeClient(RtMidi::Api api, const std::string& name, RtMidiBackend* backend) {
    try {
        QuietStderr quiet;
        auto client = std::make_unique<T>(api, name);
        client->setErrorCallback(&errorCallback, backend);
        return client;
    } catch (const RtMidiError&) {
        return nullptr; // no sequencer or server for this API
    }
}

std::string shownName(RtMidi::Api api, const std::string& raw) {
    if (api == RtMidi::UNIX_JACK) return "JACK: " + raw;
    return withoutClientPortNumbers(raw);
}

template <class Ports> std::vector<std::string> shownNames(const Ports& ports) {
    std::vector<std::string> names;
    names.reserve(ports.size());
    for (const auto& p : ports) names.push_back(p.shownName);
    return names;
}

// Port numbers shift when devices come and go: the chosen device is found again in a
// fresh list by its name and its position among the devices of that name.
template <class Ports>
const typename Ports::value_type* findAgain(const Ports& listed, int id, const Ports& now) {
    const int at =
        findSameDevice(shownNames(listed), static_cast<std::size_t>(id), shownNames(now));
    return at < 0 ? nullptr : &now[static_cast<std::size_t>(at)];
}

// RtMidi opens a device by its number in the system's present list. Another program's
// port that comes or goes between our listing and the opening shifts those numbers, so an
// opening counts only when the number still names the chosen device afterwards; otherwise
// the device is looked up again and opened anew.
// While a session manager closes many clients at once, each attempt may meet a new shift.
constexpr int kOpenAttempts = 12;
// A server that runs no cycle for this long is stuck; closing does not wait for it longer.
constexpr std::chrono::milliseconds kFlushLimit{250};

template <class Client>
std::optional<unsigned> portNumberOf(Client& client, const std::string& rawName) {
    const unsigned count = client.getPortCount();
    for (unsigned i = 0; i < count; ++i)
        if (client.getPortName(i) == rawName) return i;
    return std::nullopt;
}

} // namespace

RtMidiBackend::RtMidiBackend(std::string clientName) : clientName_(std::move(clientName)) {
    silenceJackMessages();
#if defined(XGORVO_HAVE_ALSA)
    snd_lib_error_set_handler(&quietAlsa);
#endif
}

RtMidiBackend::~RtMidiBackend() {
    closeInput();
    closeOutput();
}

void RtMidiBackend::noteError(const std::string& text) {
    std::lock_guard lock(errorMutex_);
    if (pendingError_.empty()) pendingError_ = text;
}

std::string RtMidiBackend::takeError() {
    std::lock_guard lock(errorMutex_);
    return std::exchange(pendingError_, std::string());
}

std::vector<RtMidiBackend::Port> RtMidiBackend::listPorts(bool inputs, bool alsaOnly) {
    std::vector<Port> ports;
    for (auto api : offeredApis()) {
        if (alsaOnly && api != RtMidi::LINUX_ALSA) continue;
        auto collect = [&](auto& client) {
            const unsigned count = client.getPortCount();
            for (unsigned i = 0; i < count; ++i) {
                auto raw = client.getPortName(i);
                // Our own ports are not devices to choose.
                if (raw.empty() || raw.rfind(clientName_, 0) == 0) continue;
                ports.push_back(Port{api, i, raw, shownName(api, raw)});
            }
        };
        if (inputs) {
            if (auto client = makeClient<RtMidiIn>(api, clientName_ + " list", this))
                collect(*client);
        } else if (auto client = makeClient<RtMidiOut>(api, clientName_ + " list", this)) {
            collect(*client);
        }
    }
    takeError(); // a missing server is not an error here
    return ports;
}

std::vector<std::string> RtMidiBackend::inputNames() {
    inputs_ = listPorts(true);
    return shownNames(inputs_);
}

std::vector<std::string> RtMidiBackend::outputNames() {
    outputs_ = listPorts(false);
    return shownNames(outputs_);
}

void RtMidiBackend::openOutput(int id) {
    closeOutput();
    takeError();
    if (id == -1) {
        // The program's own port: on the ALSA sequencer when there is one, else JACK.
        for (auto api : offeredApis()) {
            out_ = makeClient<RtMidiOut>(api, clientName_, this);
            if (!out_) continue;
            out_->openVirtualPort(virtualOutputName());
            // RtMidi does not count a virtual port as "open"; no error is what tells.
            if (takeError().empty()) {
                outputIsJack_ = api == RtMidi::UNIX_JACK;
                if (outputIsJack_) jackWatch_.start();
                return;
            }
            out_.reset();
        }
        throw BackendError("No MIDI system is available for the virtual port");
    }
    if (id < 0 || id >= static_cast<int>(outputs_.size())) throw BackendError("No such device");
    Port opened;
    out_ = openListed<RtMidiOut>(
        false, id, [](RtMidiOut&) {}, opened);
    outputIsJack_ = opened.api == RtMidi::UNIX_JACK;
    outputIsAlsaDevice_ = opened.api == RtMidi::LINUX_ALSA;
    outputTarget_ = opened.rawName;
    outputAlsaName_ = opened.shownName;
    if (outputIsJack_) jackWatch_.start();
}

void RtMidiBackend::closeOutput() {
    // What was just sent still sits in RtMidi's buffer until the next cycles carry it out.
    if (out_ && outputIsJack_ && sentSinceOpen_) jackWatch_.waitForCycles(2, kFlushLimit);
    sentSinceOpen_ = false;
    if (out_) {
        try {
            out_->closePort();
        } catch (const RtMidiError&) {
        }
    }
    out_.reset();
    jackWatch_.stop();
    outputTarget_.clear();
    outputIsJack_ = false;
    outputIsAlsaDevice_ = false;
    takeError();
}

void RtMidiBackend::openInput(int id, InputCallback callback) {
    closeInput();
    if (id < 0 || id >= static_cast<int>(inputs_.size())) throw BackendError("No such device");
    inputCallback_ = std::move(callback);
    const auto prepare = [this](RtMidiIn& client) {
        // System messages count too: the handshake waits for any of them.
        client.ignoreTypes(false, false, false);
        client.setCallback(
            [](double, std::vector<unsigned char>* message, void* self) {
                auto* backend = static_cast<RtMidiBackend*>(self);
                if (message != nullptr && !message->empty() && backend->inputCallback_)
                    backend->inputCallback_(Bytes(message->data(), message->size()));
            },
            this);
    };
    Port opened;
    try {
        in_ = openListed<RtMidiIn>(true, id, prepare, opened);
    } catch (...) {
        inputCallback_ = nullptr;
        throw;
    }
}

void RtMidiBackend::closeInput() {
    if (in_) {
        try {
            in_->cancelCallback();
            in_->closePort();
        } catch (const RtMidiError&) {
        }
    }
    in_.reset();
    inputCallback_ = nullptr;
}

void RtMidiBackend::checkOutputAlive() {
    if (outputIsJack_) {
        if (jackWatch_.serverGone()) throw BackendError("the JACK server has stopped");
        if (!outputTarget_.empty() && !jackWatch_.portExists(outputTarget_))
            throw BackendError("the JACK port is gone");
        return;
    }
    if (!outputIsAlsaDevice_) return;
    // A sequencer port that vanished keeps taking events without complaint; look for it
    // now and then.
    const auto now = std::chrono::steady_clock::now();
    if (now - lastAliveCheck_ < kAliveCheckInterval) return;
    lastAliveCheck_ = now;
    const auto ports = listPorts(false, true);
    const bool present = std::any_of(ports.begin(), ports.end(),
                                     [&](const Port& p) { return p.shownName == outputAlsaName_; });
    if (!present) throw BackendError("the device is no longer connected");
}

void RtMidiBackend::send(Bytes message) {
    if (!out_) throw BackendError("Output not open");
    checkOutputAlive();
    takeError();
    out_->sendMessage(message.data(), message.size());
    sentSinceOpen_ = true;
    if (auto error = takeError(); !error.empty()) throw BackendError(error);
}

template <class Client, class Prepare>
std::unique_ptr<Client> RtMidiBackend::openListed(bool inputs, int id, Prepare prepare,
                                                  Port& opened) {
    const std::vector<Port>& listed = inputs ? inputs_ : outputs_;
    const Port chosen = listed[static_cast<std::size_t>(id)];
    std::string error;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        const auto now = listPorts(inputs);
        const Port* it = findAgain(listed, id, now);
        if (!it) throw BackendError("The device \"" + chosen.shownName + "\" is gone");
        auto client = makeClient<Client>(it->api, clientName_, this);
        if (!client)
            throw BackendError("The MIDI system of \"" + chosen.shownName + "\" is not running");
        prepare(*client);
        // The number the device has this moment, looked up by the client that opens it.
        const auto index = portNumberOf(*client, it->rawName);
        takeError();
        if (!index) continue;
        client->openPort(*index, inputs ? "in" : "out");
        error = takeError();
        if (error.empty() && client->isPortOpen() && client->getPortName(*index) == it->rawName) {
            takeError();
            opened = *it;
            opened.index = *index;
            return client;
        }
    }
    throw BackendError(error.empty() ? "Cannot open \"" + chosen.shownName + "\"" : error);
}

} // namespace midi
