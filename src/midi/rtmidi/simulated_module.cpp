#include "midi/rtmidi/simulated_module.h"

#include "midi/errors.h"

namespace midi {

namespace {
// How often the background pump looks whether it should stop.
constexpr std::chrono::milliseconds kBackgroundWait{20};
} // namespace

SimulatedModule::SimulatedModule(const std::string& name, MidiSystem system, int deviceNumber)
    : simulator_(deviceNumber) {
    // The device comes last: its driver thread may queue as soon as it exists.
    device_ = VirtualDevice::open(name, system, [this](Bytes message) { queue(message); });
}

SimulatedModule::~SimulatedModule() {
    stop();
    device_.reset();
}

void SimulatedModule::queue(Bytes message) {
    {
        std::lock_guard lock(queueMutex_);
        queue_.emplace_back(message.begin(), message.end());
    }
    arrived_.notify_one();
}

int SimulatedModule::pump(std::chrono::milliseconds wait) {
    std::deque<std::vector<std::uint8_t>> taken;
    {
        std::unique_lock lock(queueMutex_);
        arrived_.wait_for(lock, wait, [this] { return !queue_.empty(); });
        taken.swap(queue_);
    }
    for (const auto& message : taken) {
        std::vector<ModuleSimulator::Answer> answers;
        {
            std::lock_guard lock(simulatorMutex_);
            answers = simulator_.receive(message);
        }
        if (listener_) listener_(Direction::Received, message);
        for (const auto& answer : answers) {
            device_->send(answer);
            if (listener_) listener_(Direction::Answered, answer);
        }
    }
    return static_cast<int>(taken.size());
}

void SimulatedModule::start() {
    if (running_.exchange(true)) return;
    thread_ = std::thread([this] {
        try {
            while (running_ && !device_->gone()) pump(kBackgroundWait);
        } catch (const BackendError&) {
            // Nothing to report to on this thread; the test that waits sees no answer.
        }
    });
}

void SimulatedModule::stop() {
    running_ = false;
    if (thread_.joinable()) thread_.join();
}

} // namespace midi
