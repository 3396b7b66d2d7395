#pragma once
// The program's side of a talk with a simulated module: its real backend and port, with
// the module's two ports chosen in the port dialog's lists, and what comes back collected.

#include "integration/jack_peer.h"

#include "midi/clock.h"
#include "midi/errors.h"
#include "midi/midi_port.h"
#include "midi/rtmidi/rtmidi_backend.h"
#include "midi/rtmidi/simulated_module.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace jackpeer {

// A simulated module (device number 0) on its virtual device, or nothing when no JACK
// server runs.
inline std::unique_ptr<midi::SimulatedModule> openModule(const std::string& name) {
    try {
        return std::make_unique<midi::SimulatedModule>(name, midi::MidiSystem::Jack, 0);
    } catch (const midi::BackendError&) {
        return nullptr;
    }
}

struct EditorSide {
    midi::RtMidiBackend backend;
    midi::SteadyClock clock;
    midi::MidiPort port;
    Received received;

    // The program itself sends from a thread of its own (Threaded).
    explicit EditorSide(midi::SenderMode mode = midi::SenderMode::Inline)
        : port(backend, clock, mode) {}

    // Waits up to `patience` for the dialog to list the module's ports (a module in
    // another process needs a moment to come up).
    bool listsModule(const std::string& name, std::chrono::seconds patience, int& outputLine,
                     int& inputLine) {
        const auto deadline = std::chrono::steady_clock::now() + patience;
        for (;;) {
            port.FillDeviceLists();
            outputLine = lineOf(port.outputLines(), "JACK: " + name + ":MIDI In");
            inputLine = lineOf(port.inputLines(), "JACK: " + name + ":MIDI Out");
            if (outputLine >= 2 && inputLine >= 1) return true;
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(50ms);
        }
    }

    // Chooses the module as output and input; false when it is not listed in time.
    bool open(const std::string& name, std::chrono::seconds patience = std::chrono::seconds(3)) {
        int out = -1;
        int in = -1;
        if (!listsModule(name, patience, out, in)) return false;
        port.setInputHandler([this](midi::Bytes m) {
            std::lock_guard lock(received.mutex);
            received.messages.emplace_back(m.begin(), m.end());
        });
        port.OpenMidiOut(midi::MidiPort::outputIdOfLine(out));
        port.OpenMidiIn(midi::MidiPort::inputIdOfLine(in));
        return true;
    }
};

} // namespace jackpeer
