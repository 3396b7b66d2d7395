#pragma once
// The program's single MIDI output and single MIDI input: the device lists the port
// dialog shows, opening and closing, and the three ways of sending.

#include "midi/backend.h"
#include "midi/clock.h"
#include "midi/output_queue.h"
#include "midi/port_name_store.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace midi {

inline constexpr const char* kNoneLine = "NONE";
// The largest message SendLong takes; the largest the program builds is 392 bytes.
inline constexpr std::size_t kLongMessageCapacity = 10000;

class MidiPort {
  public:
    // Told once, with a text for the user, when the open output stops taking messages.
    using OutputLostHandler = std::function<void(const std::string& text)>;

    // The program sends from a thread of its own (Threaded); tests and the command-line
    // tool block on the clock (Inline) or step the sender themselves (Stepped).
    MidiPort(Backend& backend, Clock& clock, SenderMode mode = SenderMode::Inline);

    // ---- device lists, as shown in the port dialog ----
    // Input lines: "NONE", then the input devices. Output lines: "NONE", the program's
    // own virtual port (device id -1), then the output devices.
    void FillDeviceLists();
    const std::vector<std::string>& inputLines() const { return inputLines_; }
    const std::vector<std::string>& outputLines() const { return outputLines_; }
    int selectedInputLine() const { return selectedInput_; }
    int selectedOutputLine() const { return selectedOutput_; }
    void selectLines(int inputLine, int outputLine);
    static int inputIdOfLine(int line) { return line - 1; }
    static int outputIdOfLine(int line) { return line - 2; }

    // Fills the lists, selects the stored names when both are present and opens them;
    // otherwise selects "NONE" in both and opens nothing. Returns whether the names
    // were found. Both devices are tried; the first open failure is raised afterwards.
    bool RestorePorts(const PortNames& stored);

    // ---- devices ----
    void OpenMidiIn(int id);
    void CloseMidiIn();
    void OpenMidiOut(int id);
    void CloseMidiOut();
    bool outputOpen() const { return outputOpen_; }
    bool inputOpen() const { return inputOpen_; }

    // Receives every message from the input device (on the driver's thread).
    void setInputHandler(InputCallback handler) { inputHandler_ = std::move(handler); }
    void setOutputLostHandler(OutputLostHandler handler) { lostHandler_ = std::move(handler); }

    // ---- sending ----
    // Every send only queues the message and returns; it leaves at the cable's pace, in
    // the order sent, the editor's before MIDI thru.
    // One complete system-exclusive message. Does nothing while no output is open.
    // A message longer than kLongMessageCapacity raises EmidioutputError.
    void SendLong(Bytes message);
    // Checked channel message; a data byte as status raises EmidioutputError. Data bytes
    // are cut to 7 bits.
    void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    // Unchecked short message in packed form, for MIDI thru. False when the message was
    // dropped because the cable could not carry it in time.
    bool SendShortRaw(std::uint32_t packed);
    // Controller 123 (all notes off), value 0, on channel 0..15.
    void AllNotesOff(int channel);
    // Nothing more leaves until `pause` after the message sent before.
    void pause(Millis pause);
    // Waits until what was sent has had the time to leave a MIDI 1.0 cable, so that
    // closing the device right afterwards loses nothing.
    void drain();
    // Waits, calling `pump` to keep the window alive, until every message sent so far has
    // been handed to the device.
    void waitUntilHandedOver(const std::function<void()>& pump);
    // Stops a long send: what still waits is forgotten once the message in flight is out.
    void stopSending();
    // Reports a failure the sender met; call on the GUI thread when the sender says so.
    void poll();
    // Told on the sender's thread that poll() has something to report.
    void setSenderNotifier(std::function<void()> notifier);

    OutputQueue::Progress progress() const { return queue_.progress(); }
    std::uint64_t thruDropped() const { return queue_.thruDropped(); }
    OutputQueue& queue() { return queue_; }

  private:
    void sendBytes(Bytes message);
    void outputFailed(const std::string& reason);

    Backend& backend_;
    Clock& clock_;
    std::vector<std::string> inputLines_;
    std::vector<std::string> outputLines_;
    int selectedInput_ = 0;
    int selectedOutput_ = 0;
    bool outputOpen_ = false;
    bool inputOpen_ = false;
    std::string outputName_;
    std::uint8_t allNotesOffStatus_ = 0xB0;
    InputCallback inputHandler_;
    OutputLostHandler lostHandler_;
    OutputQueue queue_; // last: its sender stops before the rest goes
};

} // namespace midi
