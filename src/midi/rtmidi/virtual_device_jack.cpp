#include "midi/errors.h"
#include "midi/rtmidi/jack_watch.h"
#include "midi/rtmidi/virtual_device.h"

#if defined(XGORVO_HAVE_JACK)
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>
#endif

namespace midi {

#if defined(XGORVO_HAVE_JACK)

namespace {

// Room for several complete read-backs of a module queued at once.
constexpr std::size_t kOutgoingBytes = 256 * 1024;
// A voice dump is the longest message a module sends us; more is kept if it comes.
constexpr std::size_t kSysExReserve = 4096;
constexpr std::uint8_t kSysExStart = 0xF0;
constexpr std::uint8_t kSysExEnd = 0xF7;
constexpr std::uint8_t kFirstRealTime = 0xF8;

class JackVirtualDevice final : public VirtualDevice {
  public:
    JackVirtualDevice(const std::string& name, InputCallback onInput)
        : onInput_(std::move(onInput)) {
        silenceJackMessages();
        jack_status_t status{};
        client_ = jack_client_open(
            name.c_str(), static_cast<jack_options_t>(JackNoStartServer | JackUseExactName),
            &status);
        if (client_ == nullptr) {
            if ((status & JackNameNotUnique) != 0)
                throw BackendError("Another JACK client is already called \"" + name + "\"");
            throw BackendError("No JACK server is running");
        }
        outgoing_ = jack_ringbuffer_create(kOutgoingBytes);
        sysEx_.reserve(kSysExReserve);
        in_ =
            jack_port_register(client_, kInputPortName, JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        out_ = jack_port_register(client_, kOutputPortName, JACK_DEFAULT_MIDI_TYPE,
                                  JackPortIsOutput, 0);
        if (in_ == nullptr || out_ == nullptr || outgoing_ == nullptr) {
            release();
            throw BackendError("The JACK server refused the ports of \"" + name + "\"");
        }
        jack_set_process_callback(client_, &JackVirtualDevice::process, this);
        jack_on_shutdown(client_, &JackVirtualDevice::onShutdown, this);
        if (jack_activate(client_) != 0) {
            release();
            throw BackendError("The JACK server did not start \"" + name + "\"");
        }
    }

    ~JackVirtualDevice() override { release(); }
    JackVirtualDevice(const JackVirtualDevice&) = delete;
    JackVirtualDevice& operator=(const JackVirtualDevice&) = delete;

    void send(Bytes message) override {
        if (gone_) throw BackendError("the JACK server has stopped");
        if (message.empty()) return;
        std::lock_guard lock(sendMutex_);
        const auto size = static_cast<std::uint32_t>(message.size());
        if (jack_ringbuffer_write_space(outgoing_) < sizeof size + message.size())
            throw BackendError("the JACK output cannot take more messages");
        jack_ringbuffer_write(outgoing_, reinterpret_cast<const char*>(&size), sizeof size);
        jack_ringbuffer_write(outgoing_, reinterpret_cast<const char*>(message.data()),
                              message.size());
    }

    bool gone() const override { return gone_; }
    std::string inputPortName() const override { return jack_port_name(in_); }
    std::string outputPortName() const override { return jack_port_name(out_); }

  private:
    void release() {
        if (client_ != nullptr && !gone_) {
            jack_deactivate(client_);
            jack_client_close(client_);
        }
        client_ = nullptr;
        if (outgoing_ != nullptr) jack_ringbuffer_free(outgoing_);
        outgoing_ = nullptr;
    }

    static int process(jack_nframes_t frames, void* self) {
        auto* device = static_cast<JackVirtualDevice*>(self);
        device->readInput(frames);
        device->writeOutput(frames);
        return 0;
    }

    static void onShutdown(void* self) { static_cast<JackVirtualDevice*>(self)->gone_ = true; }

    void readInput(jack_nframes_t frames) {
        void* buffer = jack_port_get_buffer(in_, frames);
        const auto count = jack_midi_get_event_count(buffer);
        for (std::uint32_t i = 0; i < count; ++i) {
            jack_midi_event_t event{};
            if (jack_midi_event_get(&event, buffer, i) != 0 || event.size == 0) continue;
            take(Bytes(event.buffer, event.size));
        }
    }

    // A system-exclusive message may come in pieces; real-time bytes may sit in between.
    void take(Bytes piece) {
        if (piece.size() == 1 && piece[0] >= kFirstRealTime) {
            deliver(piece);
            return;
        }
        if (sysEx_.empty() && (piece[0] != kSysExStart || piece.back() == kSysExEnd)) {
            deliver(piece);
            return;
        }
        // A new status byte other than a continuation ends an unfinished message unsent.
        if (!sysEx_.empty() && piece[0] >= 0x80 && piece[0] != kSysExEnd) sysEx_.clear();
        sysEx_.insert(sysEx_.end(), piece.begin(), piece.end());
        if (sysEx_.back() == kSysExEnd) {
            deliver(sysEx_);
            sysEx_.clear();
        }
    }

    void deliver(Bytes message) {
        if (onInput_) onInput_(message);
    }

    void writeOutput(jack_nframes_t frames) {
        void* buffer = jack_port_get_buffer(out_, frames);
        jack_midi_clear_buffer(buffer);
        std::uint32_t size = 0;
        bool first = true;
        // What does not fit into this cycle's buffer goes in the next one.
        while (jack_ringbuffer_read_space(outgoing_) >= sizeof size) {
            jack_ringbuffer_peek(outgoing_, reinterpret_cast<char*>(&size), sizeof size);
            if (jack_ringbuffer_read_space(outgoing_) < sizeof size + size) break;
            jack_midi_data_t* room = jack_midi_event_reserve(buffer, 0, size);
            if (room == nullptr) {
                // Larger than an empty buffer holds: dropped, or it would hold up the rest.
                if (first) jack_ringbuffer_read_advance(outgoing_, sizeof size + size);
                break;
            }
            jack_ringbuffer_read_advance(outgoing_, sizeof size);
            jack_ringbuffer_read(outgoing_, reinterpret_cast<char*>(room), size);
            first = false;
        }
    }

    InputCallback onInput_;
    jack_client_t* client_ = nullptr;
    jack_port_t* in_ = nullptr;
    jack_port_t* out_ = nullptr;
    jack_ringbuffer_t* outgoing_ = nullptr;
    std::mutex sendMutex_;
    std::vector<std::uint8_t> sysEx_; // only touched on the JACK thread
    std::atomic<bool> gone_{false};
};

} // namespace

std::unique_ptr<VirtualDevice> openJackVirtualDevice(const std::string& name,
                                                     InputCallback onInput) {
    return std::make_unique<JackVirtualDevice>(name, std::move(onInput));
}

#else

std::unique_ptr<VirtualDevice> openJackVirtualDevice(const std::string&, InputCallback) {
    throw BackendError("This build has no JACK support");
}

#endif

std::unique_ptr<VirtualDevice> VirtualDevice::open(const std::string& name, MidiSystem system,
                                                   InputCallback onInput) {
    if (system == MidiSystem::Alsa) return openAlsaVirtualDevice(name, std::move(onInput));
    return openJackVirtualDevice(name, std::move(onInput));
}

} // namespace midi
