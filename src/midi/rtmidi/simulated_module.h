#pragma once
// A simulated module behind a virtual device: what arrives on the device's input is queued
// by the driver thread, then applied and answered by whoever pumps (the command-line tool's
// main loop, or a thread of its own for tests that wait for answers elsewhere).

#include "midi/module_simulator.h"
#include "midi/rtmidi/virtual_device.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace midi {

class SimulatedModule {
  public:
    enum class Direction { Received, Answered };
    // Told about every message taken from the input and every answer sent, in order, on the
    // pumping thread. Set it before pumping starts.
    using Listener = std::function<void(Direction, Bytes message)>;

    // Opens the device (throws BackendError); device number 0..15.
    SimulatedModule(const std::string& name, MidiSystem system, int deviceNumber);
    ~SimulatedModule();
    SimulatedModule(const SimulatedModule&) = delete;
    SimulatedModule& operator=(const SimulatedModule&) = delete;

    void setListener(Listener listener) { listener_ = std::move(listener); }

    // Waits up to `wait` for input, then applies and answers everything queued. Returns how
    // many messages were handled. Throws BackendError when an answer cannot be sent.
    int pump(std::chrono::milliseconds wait);

    // Pumps on a thread of its own until stop() or destruction; errors end the thread.
    void start();
    void stop();

    // The simulator under the pump's lock, to set its answer policy or to look at it.
    template <class F> auto withSimulator(F&& f) {
        std::lock_guard lock(simulatorMutex_);
        return f(simulator_);
    }

    const VirtualDevice& device() const { return *device_; }
    bool gone() const { return device_->gone(); }

  private:
    void queue(Bytes message);

    std::mutex queueMutex_;
    std::condition_variable arrived_;
    std::deque<std::vector<std::uint8_t>> queue_;
    std::mutex simulatorMutex_;
    ModuleSimulator simulator_;
    Listener listener_;
    std::unique_ptr<VirtualDevice> device_;
    std::atomic<bool> running_{false};
    std::thread thread_;
};

} // namespace midi
