#include "midi/midi_port.h"

#include "midi/errors.h"
#include "midi/short_message.h"

#include <algorithm>
#include <exception>

namespace midi {

namespace {

int findLine(const std::vector<std::string>& lines, const std::string& name) {
    const auto it = std::find(lines.begin(), lines.end(), name);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

} // namespace

MidiPort::MidiPort(Backend& backend, Clock& clock, SenderMode mode)
    : backend_(backend), clock_(clock), queue_(backend, clock, mode) {}

void MidiPort::FillDeviceLists() {
    const std::lock_guard lock(queue_.backendMutex());
    inputLines_.assign(1, kNoneLine);
    for (auto& name : backend_.inputNames()) inputLines_.push_back(std::move(name));
    outputLines_.assign(1, kNoneLine);
    outputLines_.push_back(backend_.virtualOutputName());
    for (auto& name : backend_.outputNames()) outputLines_.push_back(std::move(name));
    selectedInput_ = 0;
    selectedOutput_ = 0;
}

void MidiPort::selectLines(int inputLine, int outputLine) {
    // Before the lists are filled only line 0 ("NONE") exists.
    const int lastInput = std::max(0, static_cast<int>(inputLines_.size()) - 1);
    const int lastOutput = std::max(0, static_cast<int>(outputLines_.size()) - 1);
    selectedInput_ = std::clamp(inputLine, 0, lastInput);
    selectedOutput_ = std::clamp(outputLine, 0, lastOutput);
}

bool MidiPort::RestorePorts(const PortNames& stored) {
    FillDeviceLists();
    const int in = findLine(inputLines_, stored.in);
    const int out = findLine(outputLines_, stored.out);
    const bool found = in >= 0 && out >= 0;
    if (!found) return false;
    selectLines(in, out);
    // A busy input must not leave the program without its output: both are tried, and
    // the first failure is raised afterwards.
    std::exception_ptr firstError;
    try {
        if (selectedInput_ > 0) OpenMidiIn(inputIdOfLine(selectedInput_));
    } catch (...) {
        firstError = std::current_exception();
    }
    try {
        if (selectedOutput_ > 0) OpenMidiOut(outputIdOfLine(selectedOutput_));
    } catch (...) {
        if (!firstError) firstError = std::current_exception();
    }
    if (firstError) std::rethrow_exception(firstError);
    return true;
}

void MidiPort::OpenMidiIn(int id) {
    inputOpen_ = false;
    const std::lock_guard lock(queue_.backendMutex());
    try {
        backend_.openInput(id, [this](Bytes message) {
            if (inputHandler_) inputHandler_(message);
        });
    } catch (const BackendError& e) {
        throw EMidiInputError(e.what());
    }
    inputOpen_ = true;
}

void MidiPort::CloseMidiIn() {
    const std::lock_guard lock(queue_.backendMutex());
    backend_.closeInput();
    inputOpen_ = false;
}

void MidiPort::OpenMidiOut(int id) {
    outputOpen_ = false;
    queue_.discard();
    try {
        const std::lock_guard lock(queue_.backendMutex());
        backend_.openOutput(id);
    } catch (const BackendError& e) {
        throw EmidioutputError(e.what());
    }
    const auto line = static_cast<std::size_t>(id + 2);
    outputName_ = line < outputLines_.size() ? outputLines_[line] : std::string();
    queue_.restart();
    outputOpen_ = true;
}

void MidiPort::CloseMidiOut() {
    queue_.discard();
    const std::lock_guard lock(queue_.backendMutex());
    backend_.closeOutput();
    outputOpen_ = false;
}

void MidiPort::SendLong(Bytes message) {
    if (!outputOpen_) return;
    if (message.size() > kLongMessageCapacity) {
        throw EmidioutputError("System-exclusive message of " + std::to_string(message.size()) +
                               " bytes refused: at most " + std::to_string(kLongMessageCapacity) +
                               " bytes can be sent");
    }
    sendBytes(message);
}

void MidiPort::SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    if (!outputOpen_) return;
    // Data bytes keep to 7 bits like those of SendShortRaw: a byte with the top bit set
    // would start a new message on the wire.
    const auto message = unpackShort(packShort(status, data1, data2));
    if (message.size == 0) throw EmidioutputError("Invalid MIDI status byte");
    sendBytes(Bytes(message.bytes.data(), message.size));
}

bool MidiPort::SendShortRaw(std::uint32_t packed) {
    poll();
    if (!outputOpen_) return false;
    const auto message = unpackShort(packed);
    if (message.size == 0) return false;
    const bool queued = queue_.pushThru(Bytes(message.bytes.data(), message.size));
    poll();
    return queued;
}

void MidiPort::AllNotesOff(int channel) {
    poll();
    if (!outputOpen_) return;
    const auto status = static_cast<std::uint8_t>((allNotesOffStatus_ & 0xF0) | (channel & 0x0F));
    // It goes with the editor's messages, ahead of MIDI thru: the thru note ons still
    // waiting on that channel would sound after it and hang.
    queue_.dropThruNoteOns(channel);
    const std::array<std::uint8_t, 3> bytes{status, 0x7B, 0x00};
    sendBytes(Bytes(bytes.data(), bytes.size()));
}

void MidiPort::pause(Millis pause) {
    if (outputOpen_) queue_.pushPause(pause);
}

void MidiPort::drain() {
    queue_.waitUntilEmpty();
    poll();
    const auto pendingMs = queue_.pendingWireBytes() * 1000.0 / WirePacer::kBytesPerSecond;
    clock_.sleepFor(Millis(static_cast<long long>(pendingMs) + 1));
}

void MidiPort::waitUntilHandedOver(const std::function<void()>& pump) {
    const auto target = queue_.editorQueuedCount();
    while (queue_.editorDoneCount() < target) {
        if (pump) pump();
        queue_.runDue();
        if (queue_.editorDoneCount() >= target) break;
        clock_.sleepFor(Millis(1));
    }
    poll();
}

void MidiPort::stopSending() {
    queue_.discard();
}

void MidiPort::poll() {
    if (auto reason = queue_.takeFailure()) {
        if (outputOpen_) outputFailed(*reason);
    }
}

void MidiPort::setSenderNotifier(std::function<void()> notifier) {
    queue_.setFailureNotifier(std::move(notifier));
}

void MidiPort::sendBytes(Bytes message) {
    poll();
    if (!outputOpen_) return;
    queue_.pushEditor(message);
    poll();
}

// A device that vanished (an unplugged interface, a stopped JACK server) is closed and
// reported once; the image keeps every edit and the user can choose the port again.
void MidiPort::outputFailed(const std::string& reason) {
    outputOpen_ = false;
    try {
        const std::lock_guard lock(queue_.backendMutex());
        backend_.closeOutput();
    } catch (const BackendError&) {
        // The device is gone already; nothing more to release.
    }
    if (lostHandler_) {
        lostHandler_("The MIDI output \"" + outputName_ + "\" stopped taking messages (" + reason +
                     "). Your edits are kept; choose an output under Midi Port.");
    }
}

} // namespace midi
