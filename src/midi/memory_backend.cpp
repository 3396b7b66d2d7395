#include "midi/memory_backend.h"

#include "midi/errors.h"

#include <algorithm>
#include <array>

namespace midi {

namespace {
constexpr std::array<std::uint8_t, 8> kProbe{0xF0, 0x43, 0x30, 0x4C, 0x08, 0x00, 0x00, 0xF7};
}

MemoryBackend::MemoryBackend(std::vector<std::string> inputs, std::vector<std::string> outputs)
    : inputs_(std::move(inputs)), outputs_(std::move(outputs)) {}

void MemoryBackend::setDevices(std::vector<std::string> inputs, std::vector<std::string> outputs) {
    inputs_ = std::move(inputs);
    outputs_ = std::move(outputs);
}

void MemoryBackend::openOutput(int id) {
    if (outputOpenError_) {
        auto text = *outputOpenError_;
        outputOpenError_.reset();
        throw BackendError(text);
    }
    if (id < -1 || id >= static_cast<int>(outputs_.size())) throw BackendError("No such device");
    outputOpen_ = true;
    outputId_ = id;
    sendError_.reset();
}

void MemoryBackend::closeOutput() {
    outputOpen_ = false;
    outputId_ = -2;
}

void MemoryBackend::openInput(int id, InputCallback callback) {
    if (inputOpenError_) {
        auto text = *inputOpenError_;
        inputOpenError_.reset();
        throw BackendError(text);
    }
    if (id < 0 || id >= static_cast<int>(inputs_.size())) throw BackendError("No such device");
    inputOpen_ = true;
    inputId_ = id;
    callback_ = std::move(callback);
}

void MemoryBackend::closeInput() {
    inputOpen_ = false;
    inputId_ = -2;
    callback_ = nullptr;
}

void MemoryBackend::send(Bytes message) {
    if (!outputOpen_) throw BackendError("Output not open");
    if (sendError_) throw BackendError(*sendError_);
    wire_.insert(wire_.end(), message.begin(), message.end());
    ends_.push_back(wire_.size());
    receivers_.push_back(outputId_);
    if (probeAnswer_ && std::ranges::equal(message, kProbe)) pendingInput_.push_back(*probeAnswer_);
    if (answerer_)
        for (auto& answer : answerer_(message)) pendingInput_.push_back(std::move(answer));
}

void MemoryBackend::inject(std::vector<std::uint8_t> message) {
    if (inputOpen_ && callback_) callback_(message);
}

int MemoryBackend::deliverPendingInput() {
    auto pending = std::move(pendingInput_);
    pendingInput_.clear();
    for (auto& message : pending) inject(std::move(message));
    return static_cast<int>(pending.size());
}

std::vector<std::vector<std::uint8_t>> MemoryBackend::sent() const {
    std::vector<std::vector<std::uint8_t>> out;
    out.reserve(ends_.size());
    std::size_t begin = 0;
    for (auto end : ends_) {
        out.emplace_back(wire_.begin() + static_cast<std::ptrdiff_t>(begin),
                         wire_.begin() + static_cast<std::ptrdiff_t>(end));
        begin = end;
    }
    return out;
}

std::vector<std::vector<std::uint8_t>> MemoryBackend::sentTo(int outputId) const {
    auto all = sent();
    std::vector<std::vector<std::uint8_t>> out;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (receivers_[i] == outputId) out.push_back(std::move(all[i]));
    return out;
}

void MemoryBackend::clearSent() {
    wire_.clear();
    ends_.clear();
    receivers_.clear();
}

} // namespace midi
