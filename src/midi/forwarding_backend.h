#pragma once
// A backend that hands everything to another one: the base of those that only watch what
// is sent (a progress count, a test's record) and leave the rest to the real backend.

#include "midi/backend.h"

namespace midi {

class ForwardingBackend : public Backend {
  public:
    explicit ForwardingBackend(Backend& inner) : inner_(inner) {}

    std::vector<std::string> inputNames() override { return inner_.inputNames(); }
    std::vector<std::string> outputNames() override { return inner_.outputNames(); }
    std::string virtualOutputName() const override { return inner_.virtualOutputName(); }
    void openOutput(int id) override { inner_.openOutput(id); }
    void closeOutput() override { inner_.closeOutput(); }
    void openInput(int id, InputCallback callback) override {
        inner_.openInput(id, std::move(callback));
    }
    void closeInput() override { inner_.closeInput(); }
    void send(Bytes message) override { inner_.send(message); }

  private:
    Backend& inner_;
};

} // namespace midi
