#include "midi/errors.h"
#include "midi/rtmidi/virtual_device.h"

#include <RtMidi.h>

#include <mutex>
#include <utility>

namespace midi {

namespace {

// RtMidi reports some failures only through its error callback.
struct ErrorNote {
    std::mutex mutex;
    std::string text;

    static void callback(RtMidiError::Type type, const std::string& text, void* self) {
        if (type == RtMidiError::DEBUG_WARNING || type == RtMidiError::WARNING) return;
        auto* note = static_cast<ErrorNote*>(self);
        std::lock_guard lock(note->mutex);
        if (note->text.empty()) note->text = text;
    }
    std::string take() {
        std::lock_guard lock(mutex);
        return std::exchange(text, std::string());
    }
};

// Two sequencer clients of the same name, one port each: the sequencer lists them as
// "name:MIDI In" and "name:MIDI Out".
class AlsaVirtualDevice final : public VirtualDevice {
  public:
    AlsaVirtualDevice(const std::string& name, InputCallback onInput)
        : name_(name), onInput_(std::move(onInput)) {
        try {
            in_ = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, name);
            out_ = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, name);
        } catch (const RtMidiError&) {
            throw BackendError("The ALSA sequencer is not available");
        }
        // Without ALSA support RtMidi would quietly pick another system.
        if (in_->getCurrentApi() != RtMidi::LINUX_ALSA ||
            out_->getCurrentApi() != RtMidi::LINUX_ALSA)
            throw BackendError("The ALSA sequencer is not available");
        in_->setErrorCallback(&ErrorNote::callback, &errors_);
        out_->setErrorCallback(&ErrorNote::callback, &errors_);
        // System messages count: requests and dumps are all system-exclusive.
        in_->ignoreTypes(false, false, false);
        in_->setCallback(
            [](double, std::vector<unsigned char>* message, void* self) {
                auto* device = static_cast<AlsaVirtualDevice*>(self);
                if (message != nullptr && !message->empty() && device->onInput_)
                    device->onInput_(Bytes(message->data(), message->size()));
            },
            this);
        in_->openVirtualPort(kInputPortName);
        out_->openVirtualPort(kOutputPortName);
        if (auto error = errors_.take(); !error.empty()) throw BackendError(error);
    }

    ~AlsaVirtualDevice() override {
        try {
            in_->cancelCallback();
            in_->closePort();
            out_->closePort();
        } catch (const RtMidiError&) {
        }
    }

    void send(Bytes message) override {
        std::lock_guard lock(sendMutex_);
        out_->sendMessage(message.data(), message.size());
        if (auto error = errors_.take(); !error.empty()) throw BackendError(error);
    }

    // The sequencer lives in the kernel: it does not go away while the program runs.
    bool gone() const override { return false; }
    std::string inputPortName() const override { return name_ + ":" + kInputPortName; }
    std::string outputPortName() const override { return name_ + ":" + kOutputPortName; }

  private:
    std::string name_;
    InputCallback onInput_;
    ErrorNote errors_;
    std::unique_ptr<RtMidiIn> in_;
    std::unique_ptr<RtMidiOut> out_;
    std::mutex sendMutex_;
};

} // namespace

std::unique_ptr<VirtualDevice> openAlsaVirtualDevice(const std::string& name,
                                                     InputCallback onInput) {
    return std::make_unique<AlsaVirtualDevice>(name, std::move(onInput));
}

} // namespace midi
