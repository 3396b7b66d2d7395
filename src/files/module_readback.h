#pragma once
// Reading the module back: the bulk dump requests go out one after the other, each answer
// is applied through the set interpreter to a copy of the image, and a request that gets no
// answer in time is noted and the next one goes. A step machine: its owner tells it when a
// message arrived and when time passed, so nothing here waits or needs a thread.

#include "files/module_requests.h"
#include "files/set_loader.h"
#include "midi/clock.h"
#include "midi/image_undo.h"
#include "midi/midi_port.h"
#include "midi/synth_options.h"

#include <functional>
#include <memory>
#include <vector>

namespace files {

// How long the module has to answer one request once the request has left. The longest
// answer, a QS300 voice, needs 125 ms on the cable.
inline constexpr midi::Millis kAnswerTimeout{400};
// A group of requests whose first requests all go unanswered is given up after this many,
// so that a silent module costs seconds and not a minute.
inline constexpr int kUnansweredBeforeGivingUp = 2;

enum class ReadbackOutcome { Running, Complete, Partial, NothingRead, Cancelled };

// A request that brought nothing usable: no answer in time, a damaged answer, or one not
// asked because its group had been given up.
struct MissedRequest {
    DumpRequest request;
    bool badChecksum = false;
};

class ModuleReadback {
  public:
    ModuleReadback(const image::SynthImage& current, midi::SynthType type, int device,
                   midi::MidiPort& port, midi::Clock& clock);
    ~ModuleReadback();
    ModuleReadback(const ModuleReadback&) = delete;
    ModuleReadback& operator=(const ModuleReadback&) = delete;

    // Sends the first request. Raises what the port raises; the reading is over then.
    void start();
    // A message from the module's input, on the thread that owns the reader.
    void received(midi::Bytes message);
    // Time passed: a request not answered in time is noted and the next one goes.
    void timePassed();
    // Stops at once: nothing more goes out and nothing read counts.
    void cancel();

    ReadbackOutcome outcome() const { return outcome_; }
    bool running() const { return outcome_ == ReadbackOutcome::Running; }
    // For a progress bar: requests dealt with, and those planned so far with an estimate
    // of the drum notes still to come.
    int requestsDone() const { return static_cast<int>(next_); }
    int requestsPlanned() const;
    // The request whose answer is awaited, or nullptr.
    const DumpRequest* waitingFor() const { return waiting_ ? &plan_[next_] : nullptr; }
    // Every request planned, in the order they went out (or would have).
    const std::vector<DumpRequest>& plan() const { return plan_; }
    const std::vector<MissedRequest>& missed() const { return missed_; }

    // What was read, once the reading ended with something read: everything read from a
    // reset image when every request was answered, otherwise what was read over the image
    // as it was, with the drum setups and voices that could not be read kept. Taken once:
    // afterwards, and for any other outcome, the result holds no image.
    LoadedSet takeResult();

  private:
    enum class Phase { Blocks, Drums, Voices, Done };
    struct GroupState {
        int answered = 0;
        int unanswered = 0;
        bool givenUp = false;
    };

    void advance();
    bool extendPlan();
    void sendCurrent();
    void settleCurrent(bool answered, bool badChecksum);
    void finish();
    GroupState& groupState(const DumpRequest& request);
    void keepWhatWasNotRead(image::SynthImage& read) const;

    std::unique_ptr<image::SynthImage> original_;
    midi::SynthType type_;
    int device_;
    midi::MidiPort& port_;
    midi::Clock& clock_;
    std::unique_ptr<SysExReading> reading_;
    std::vector<std::vector<std::uint8_t>> answers_;
    std::vector<DumpRequest> plan_;
    std::vector<MissedRequest> missed_;
    std::array<GroupState, 5> groups_{};
    Phase phase_ = Phase::Blocks;
    std::size_t next_ = 0; // the request waited for, or the next to go
    bool waiting_ = false;
    bool sending_ = false;
    bool taken_ = false;
    midi::Millis sentAt_{0};
    ReadbackOutcome outcome_ = ReadbackOutcome::Running;
};

// The image becomes what was read, as one undo step named "Get From Module". The module
// holds it already, so nothing is sent. `beforeTakeOver` runs first (the window closes
// the QS300 editor there). The current part stays the one the user had.
void takeOverReadback(LoadedSet& loaded, image::SynthImage& image, midi::ImageUndo* undo,
                      const std::function<void()>& beforeTakeOver = {});

} // namespace files
