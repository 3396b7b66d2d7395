#pragma once
// Every message the program sends to the module, built from the image. Edits go out as
// parameter changes; whole parts, effect blocks and drum setups as bulk dumps or as the
// differences from what the module holds.

#include "image/synth_image.h"
#include "midi/clock.h"
#include "midi/handshake.h"
#include "midi/midi_port.h"
#include "midi/synth_options.h"
#include "midi/xg_templates.h"

#include <functional>
#include <string>

namespace midi {

inline constexpr const char* kQs300Timeout = "QS300 Timeout";

// XG address of a part record offset: addresses 29..2F do not exist, so offsets above
// 40 sit 7 below their address.
inline constexpr Byte partAddress(int offset) {
    return static_cast<Byte>(offset <= 40 ? offset : offset + 7);
}

// Effect block base addresses (within 02 01).
inline constexpr Byte kReverbBlockAddress = 0x00;
inline constexpr Byte kChorusBlockAddress = 0x20;
inline constexpr Byte kVariationBlockAddress = 0x40;

// System block addresses (within 00 00).
inline constexpr Byte kMasterVolumeAddress = 0x04;
inline constexpr Byte kTransposeAddress = 0x06;

class XgMessages {
  public:
    XgMessages(MidiPort& port, image::SynthImage& image, Clock& clock);

    // Writes the device number into the templates and into every stored voice dump.
    void setDeviceNumber(int n);
    int deviceNumber() const { return device_; }
    void setOptions(const SynthOptions& options);
    const SynthOptions& options() const { return options_; }

    // Advanced by one for each message of a long transfer (the progress bar).
    void setProgressHandler(std::function<void()> handler) { progress_ = std::move(handler); }
    // Shows a problem the user can act on ("QS300 Timeout").
    void setAlertHandler(std::function<void(const std::string&)> handler) {
        alert_ = std::move(handler);
    }
    Handshake& handshake() { return handshake_; }

    // ---- single parameters ----
    // `position` is the index in the whole part table (part * 104 + offset).
    void SendPartParam(int part, int position, Byte value);
    void SendPartDetune(int part, int position);
    void SendEffectParam(Byte address, Byte value);
    void SendEffectType(Byte blockAddress, Byte msb, Byte lsb);
    void SendDrumParam(int setup, int note, int param, Byte value);
    void SendMasterTune(int value);
    void SendSystemParam(Byte address, Byte value);
    void SendSystem();
    void SendXGSystemOn();
    void SendQSLocal(bool on);
    // The parameter request that asks the module whether it is ready.
    void SendProbe();

    // ---- whole blocks ----
    // Returns false when the handshake timed out (the user has been told).
    bool SendPart(int part);
    void SendPartTable();
    void SendPartDefaults(int part, bool send, bool full);
    void SendReverb();
    void SendChorus();
    void SendVariation();
    void SendDrumSetup(int setup);
    // Sends a complete 392-byte voice dump with a fresh checksum, inside the handshake
    // when the module needs one. Returns false on time-out.
    bool SendQSVoice(image::VoiceDump& dump);

    // Start-up and close actions.
    void sendStartMessages();
    void sendCloseMessages();

    // The value the part table should hold for a part that shows the defaults, with the
    // bank/program triple marked as "always differs" when any of the three differs.
    Byte expectedForTable(int part, int offset) const;

  private:
    void sendPartOffset(int part, int offset, Byte value); // detune as two bytes
    void sendPartBulk(int part);
    void sendPartByParameters(int part);
    void sendPartTableQs300();
    template <std::size_t A, std::size_t B, std::size_t Size>
    void sendEffectBlock(Message<A>& dumpA, Message<B>& dumpB, const std::array<Byte, Size>& block);
    bool handshakeNeededForVoice() const;
    bool insideHandshake(const std::function<void()>& send);
    bool waitForModule();
    void pause();
    void stepProgress();
    void alert(const std::string& text);

    MidiPort& port_;
    image::SynthImage& image_;
    Handshake handshake_;
    XgTemplates t_;
    SynthOptions options_;
    int device_ = 0;
    std::function<void()> progress_;
    std::function<void(const std::string&)> alert_;
};

} // namespace midi
