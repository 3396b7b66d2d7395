#pragma once
// The real MIDI backend: RtMidi over the ALSA sequencer and JACK on Linux (the system's
// own API elsewhere). A missing sequencer or server is not an error; it just offers no
// devices.

#include "midi/backend.h"
#include "midi/rtmidi/jack_watch.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class RtMidiIn;
class RtMidiOut;

namespace midi {

class RtMidiBackend final : public Backend {
  public:
    explicit RtMidiBackend(std::string clientName = "XG-Orvo");
    ~RtMidiBackend() override;

    std::vector<std::string> inputNames() override;
    std::vector<std::string> outputNames() override;
    std::string virtualOutputName() const override { return "XG-Orvo Out"; }

    void openOutput(int id) override;
    void closeOutput() override;
    void openInput(int id, InputCallback callback) override;
    void closeInput() override;
    void send(Bytes message) override;

    // RtMidi reports some failures only through its error callback; every report lands
    // here and the operation that caused it fails with the text.
    void noteError(const std::string& text);

    struct Port; // one device of one API, as listed

  private:
    std::vector<Port> listPorts(bool inputs, bool alsaOnly = false);
    // Opens listed device `id` with a new client; `prepare` runs on the client before its
    // port opens. Fills `opened` with the device as found at the moment of opening.
    template <class Client, class Prepare>
    std::unique_ptr<Client> openListed(bool inputs, int id, Prepare prepare, Port& opened);
    std::string takeError();
    void checkOutputAlive();

    std::string clientName_;
    std::vector<Port> inputs_;
    std::vector<Port> outputs_;
    std::unique_ptr<RtMidiOut> out_;
    std::unique_ptr<RtMidiIn> in_;
    InputCallback inputCallback_;
    std::string outputTarget_; // JACK port we send to, or empty
    bool outputIsJack_ = false;
    bool sentSinceOpen_ = false;
    bool outputIsAlsaDevice_ = false;
    std::string outputAlsaName_;
    std::chrono::steady_clock::time_point lastAliveCheck_{};
    JackWatch jackWatch_;
    std::mutex errorMutex_;
    std::string pendingError_;
};

} // namespace midi
