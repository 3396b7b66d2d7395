#pragma once
// A MIDI backend that keeps everything in memory: it records every byte sent, lets a test
// feed input, and can answer the parameter request like a module would.

#include "midi/backend.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace midi {

class MemoryBackend final : public Backend {
  public:
    MemoryBackend(std::vector<std::string> inputs = {}, std::vector<std::string> outputs = {});

    std::vector<std::string> inputNames() override { return inputs_; }
    std::vector<std::string> outputNames() override { return outputs_; }
    std::string virtualOutputName() const override { return "XG-Orvo Out"; }

    void openOutput(int id) override;
    void closeOutput() override;
    void openInput(int id, InputCallback callback) override;
    void closeInput() override;
    void send(Bytes message) override;

    // ---- test controls ----
    void setDevices(std::vector<std::string> inputs, std::vector<std::string> outputs);
    // The next open of that kind fails with `text`.
    void failNextOutputOpen(std::string text) { outputOpenError_ = std::move(text); }
    void failNextInputOpen(std::string text) { inputOpenError_ = std::move(text); }
    // From now on every send fails, as when an interface is unplugged.
    void disconnectOutput(std::string text) { sendError_ = std::move(text); }
    // When set, each parameter request sent queues this answer on the input.
    void answerProbeWith(std::optional<std::vector<std::uint8_t>> answer) {
        probeAnswer_ = std::move(answer);
    }

    // When set, every message sent is shown to `answerer` (a simulated module), and what it
    // answers waits on the input like a probe answer.
    using Answerer = std::function<std::vector<std::vector<std::uint8_t>>(Bytes message)>;
    void answerWith(Answerer answerer) { answerer_ = std::move(answerer); }

    // Feeds a message to the input at once, as the driver thread would.
    void inject(std::vector<std::uint8_t> message);
    // Delivers input that was queued by a probe answer; returns how many were delivered.
    int deliverPendingInput();

    // ---- what was sent ----
    std::vector<std::vector<std::uint8_t>> sent() const;
    // Only what went to the output device with this id, in order.
    std::vector<std::vector<std::uint8_t>> sentTo(int outputId) const;
    std::size_t sentCount() const { return ends_.size(); }
    std::size_t sentBytes() const { return wire_.size(); }
    void clearSent(); // keeps the storage, so recording allocates nothing afterwards

    bool outputOpen() const { return outputOpen_; }
    bool inputOpen() const { return inputOpen_; }
    int openedOutputId() const { return outputId_; }
    int openedInputId() const { return inputId_; }

  private:
    std::vector<std::string> inputs_;
    std::vector<std::string> outputs_;
    bool outputOpen_ = false;
    bool inputOpen_ = false;
    int outputId_ = -2;
    int inputId_ = -2;
    InputCallback callback_;
    std::optional<std::string> outputOpenError_;
    std::optional<std::string> inputOpenError_;
    std::optional<std::string> sendError_;
    std::optional<std::vector<std::uint8_t>> probeAnswer_;
    Answerer answerer_;
    std::vector<std::vector<std::uint8_t>> pendingInput_;
    std::vector<std::uint8_t> wire_; // every byte sent, in order
    std::vector<std::size_t> ends_;  // end offset of each message in wire_
    std::vector<int> receivers_;     // output id that took each message
};

} // namespace midi
