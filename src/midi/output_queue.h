#pragma once
// The program's output waits here for the cable, so that the window never does. The GUI
// thread hands over complete messages and returns at once; a sender thread puts them on
// the backend at the MIDI 1.0 pace, keeps the pauses the module needs and the order of
// everything the editor sends. The editor's messages are never dropped and always go
// before MIDI thru, whose own queue is bounded (ThruQueue).
//
// Tests run the same sender without a thread: Inline sends at once and sleeps on the
// clock like a blocking port; Stepped only queues, and runDue() sends what is due at the
// clock's present time, so a fake clock can play a slow cable.

#include "midi/backend.h"
#include "midi/clock.h"
#include "midi/message_ring.h"
#include "midi/thru_queue.h"
#include "midi/wire_pacer.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace midi {

enum class SenderMode { Inline, Stepped, Threaded };

class OutputQueue {
  public:
    // Thru hands a message to the driver only while the estimated backlog stays this
    // small, so that an edit arriving during a flood does not wait behind a full driver
    // queue on a slow cable.
    static constexpr std::size_t kThruBacklogBytes = 24;
    static constexpr std::size_t kLargestMessage = 10000;

    // What the editor has queued and what of it has left, in microseconds of wire time
    // (pauses included): the progress of a long send.
    struct Progress {
        std::uint64_t doneMicros = 0;
        std::uint64_t queuedMicros = 0;
    };

    // Threaded needs a clock that follows real time.
    OutputQueue(Backend& backend, Clock& clock, SenderMode mode);
    ~OutputQueue();
    OutputQueue(const OutputQueue&) = delete;
    OutputQueue& operator=(const OutputQueue&) = delete;

    SenderMode mode() const { return mode_; }

    // ---- GUI thread ----
    // Never dropped; waits only when the editor queue is full (a bank and more queued).
    void pushEditor(Bytes message);
    // Nothing leaves (editor or thru) until `pause` after the message queued before it.
    void pushPause(Millis pause);
    // False when the message was dropped because the cable is busy.
    bool pushThru(Bytes message);
    void dropThruNoteOns(int channel);
    // Forgets what waits; the message in flight is finished first.
    void discard();
    // A freshly opened device: no backlog, no failure.
    void restart();
    // Waits until everything queued has been handed to the backend.
    void waitUntilEmpty();
    // Stepped mode: sends what is due now. No effect in the other modes.
    void runDue();

    // The failure the sender met (the queue is emptied then), once.
    std::optional<std::string> takeFailure();
    // Called on the sender's thread when it met a failure; the receiver must only hand the
    // news to the GUI thread.
    void setFailureNotifier(std::function<void()> notifier);

    std::uint64_t editorQueuedCount() const;
    std::uint64_t editorDoneCount() const;
    Progress progress() const;
    std::uint64_t thruDropped() const;
    std::size_t thruQueuedBytes() const;
    double pendingWireBytes() const;

    // Held around every call into the backend, so that the sender and the GUI thread
    // (opening, closing, listing) never use it at the same time.
    std::mutex& backendMutex() { return backendMutex_; }

  private:
    enum class Next { Send, Wait, Idle };
    // Drops what waits, editor and thru alike, as if it had been sent; the mutex is held.
    void forgetWaiting();
    Next prepare(Millis& wait, bool overdue = false);
    bool hasWorkLocked() const {
        std::lock_guard lock(mutex_);
        return hasWork();
    }
    void sendPrepared();
    bool hasWork() const { return !editor_.empty() || !thru_.empty(); }
    void runInline(const std::function<bool()>& done);
    void run();
    void wake();

    Backend& backend_;
    Clock& clock_;
    const SenderMode mode_;

    mutable std::mutex mutex_; // everything below up to the thread
    std::condition_variable workCv_;
    std::condition_variable doneCv_;
    MessageRing editor_;
    ThruQueue thru_;
    WirePacer pacer_;
    Millis notBefore_{0};
    bool inFlight_ = false;
    bool inFlightIsEditor_ = false;
    std::size_t inFlightSize_ = 0;
    bool stopping_ = false;
    std::uint64_t pushes_ = 0;     // wakes the sender
    std::uint64_t seenPushes_ = 0; // as the sender last looked
    std::uint64_t editorQueued_ = 0;
    std::uint64_t editorDone_ = 0;
    Progress progress_;
    std::optional<std::string> failure_;
    std::atomic<bool> failed_{false};

    std::mutex notifierMutex_;
    std::function<void()> notifier_;
    std::mutex backendMutex_;
    std::array<std::uint8_t, kLargestMessage> sending_{}; // the sender's own copy
    std::thread thread_;
};

} // namespace midi
