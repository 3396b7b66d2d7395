#include "midi/output_queue.h"

#include "midi/errors.h"

#include <algorithm>

namespace midi {

namespace {
constexpr std::uint64_t kMicrosPerByte = 320; // 3125 bytes per second
constexpr Millis kLongestWait{1000};          // a sender with nothing to do still checks in
} // namespace

OutputQueue::OutputQueue(Backend& backend, Clock& clock, SenderMode mode)
    : backend_(backend), clock_(clock), mode_(mode), pacer_(clock) {
    if (mode_ == SenderMode::Threaded) thread_ = std::thread([this] { run(); });
}

OutputQueue::~OutputQueue() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    workCv_.notify_all();
    if (thread_.joinable()) thread_.join();
}

// ---- GUI thread -----------------------------------------------------------------------------

void OutputQueue::pushEditor(Bytes message) {
    if (message.empty() || message.size() > kLargestMessage) return;
    {
        std::unique_lock lock(mutex_);
        if (failed_) return;
        if (!editor_.fits(message.size())) {
            if (mode_ == SenderMode::Threaded) {
                doneCv_.wait(lock, [&] { return editor_.fits(message.size()) || failed_; });
                if (failed_) return;
            } else {
                lock.unlock();
                runInline([&] { return editor_.fits(message.size()); });
                lock.lock();
            }
        }
        editor_.push(message);
        ++pushes_;
        ++editorQueued_;
        progress_.queuedMicros += message.size() * kMicrosPerByte;
    }
    wake();
}

void OutputQueue::pushPause(Millis pause) {
    const auto ms = static_cast<std::uint16_t>(std::clamp<long long>(pause.count(), 0, 60000));
    {
        std::unique_lock lock(mutex_);
        if (failed_ || !editor_.fits(0)) return;
        editor_.push(Bytes(), ms);
        ++pushes_;
        progress_.queuedMicros += ms * 1000ull;
    }
    wake();
}

bool OutputQueue::pushThru(Bytes message) {
    bool queued = false;
    {
        std::lock_guard lock(mutex_);
        if (failed_) return false;
        queued = thru_.push(message);
        if (queued) ++pushes_;
    }
    if (queued) wake();
    return queued;
}

void OutputQueue::dropThruNoteOns(int channel) {
    std::lock_guard lock(mutex_);
    thru_.dropNoteOns(channel);
}

void OutputQueue::forgetWaiting() {
    editor_.clear();
    thru_.clear();
    editorDone_ = editorQueued_;
    progress_.doneMicros = progress_.queuedMicros;
    notBefore_ = Millis(0);
}

void OutputQueue::discard() {
    std::unique_lock lock(mutex_);
    forgetWaiting();
    doneCv_.wait(lock, [this] { return !inFlight_; });
    doneCv_.notify_all();
}

void OutputQueue::restart() {
    std::lock_guard lock(mutex_);
    forgetWaiting();
    pacer_.reset();
    failed_ = false;
    failure_.reset();
}

void OutputQueue::waitUntilEmpty() {
    if (mode_ != SenderMode::Threaded) {
        runInline([this] { return !hasWork(); });
        return;
    }
    std::unique_lock lock(mutex_);
    doneCv_.wait(lock, [this] { return (!hasWork() && !inFlight_) || stopping_; });
}

void OutputQueue::runDue() {
    if (mode_ != SenderMode::Stepped) return;
    Millis wait{0};
    while (prepare(wait) == Next::Send) sendPrepared();
}

std::optional<std::string> OutputQueue::takeFailure() {
    if (!failed_.load()) return std::nullopt;
    std::lock_guard lock(mutex_);
    auto failure = std::move(failure_);
    failure_.reset();
    return failure;
}

void OutputQueue::setFailureNotifier(std::function<void()> notifier) {
    std::lock_guard lock(notifierMutex_);
    notifier_ = std::move(notifier);
}

std::uint64_t OutputQueue::editorQueuedCount() const {
    std::lock_guard lock(mutex_);
    return editorQueued_;
}

std::uint64_t OutputQueue::editorDoneCount() const {
    std::lock_guard lock(mutex_);
    return editorDone_;
}

OutputQueue::Progress OutputQueue::progress() const {
    std::lock_guard lock(mutex_);
    return progress_;
}

std::uint64_t OutputQueue::thruDropped() const {
    std::lock_guard lock(mutex_);
    return thru_.dropped();
}

std::size_t OutputQueue::thruQueuedBytes() const {
    std::lock_guard lock(mutex_);
    return thru_.queuedBytes();
}

double OutputQueue::pendingWireBytes() const {
    std::lock_guard lock(mutex_);
    return pacer_.pendingBytes();
}

// ---- the sender -----------------------------------------------------------------------------

// Takes the next message off a queue into the sender's buffer when it may leave now;
// otherwise tells how long to wait. Editor messages always go first.
OutputQueue::Next OutputQueue::prepare(Millis& wait, bool overdue) {
    std::lock_guard lock(mutex_);
    seenPushes_ = pushes_;
    for (;;) {
        const Millis now = clock_.now();
        if (notBefore_ > now && !overdue) {
            wait = notBefore_ - now;
            return Next::Wait;
        }
        if (editor_.empty() || editor_.frontSize() != 0) break;
        const Millis pause{editor_.frontPause()};
        editor_.popInto(sending_.data());
        progress_.doneMicros += static_cast<std::uint64_t>(pause.count()) * 1000;
        notBefore_ = now + pause;
    }
    std::size_t size = 0;
    if (!editor_.empty()) {
        size = editor_.frontSize();
        wait = pacer_.waitBefore(size);
        if (wait.count() > 0 && !overdue) return Next::Wait;
        editor_.popInto(sending_.data());
        inFlightIsEditor_ = true;
    } else if (!thru_.empty()) {
        const auto& entry = thru_.front();
        size = entry.size;
        wait = pacer_.waitBefore(size, kThruBacklogBytes);
        if (wait.count() > 0 && !overdue) return Next::Wait;
        std::copy_n(entry.bytes.begin(), size, sending_.begin());
        thru_.pop();
        inFlightIsEditor_ = false;
    } else {
        wait = kLongestWait;
        return Next::Idle;
    }
    pacer_.account(size);
    inFlight_ = true;
    inFlightSize_ = size;
    return Next::Send;
}

void OutputQueue::sendPrepared() {
    std::optional<std::string> error;
    {
        std::lock_guard backendLock(backendMutex_);
        try {
            backend_.send(Bytes(sending_.data(), inFlightSize_));
        } catch (const BackendError& e) {
            error = e.what();
        }
    }
    {
        std::lock_guard lock(mutex_);
        inFlight_ = false;
        if (inFlightIsEditor_) {
            ++editorDone_;
            progress_.doneMicros += inFlightSize_ * kMicrosPerByte;
        }
        if (error) {
            // The device is gone: what waits would only fail the same way.
            editor_.clear();
            thru_.clear();
            editorDone_ = editorQueued_;
            progress_.doneMicros = progress_.queuedMicros;
            failure_ = std::move(error);
            failed_ = true;
        }
    }
    doneCv_.notify_all();
    if (error) {
        std::lock_guard lock(notifierMutex_);
        if (notifier_ && mode_ == SenderMode::Threaded) notifier_();
    }
}

// Inline and Stepped: the caller's thread is the sender and sleeps on the clock.
// A clock that stands still (a benchmark's) would make every wait endless: after one
// sleep the message goes anyway, as a blocking port would send it.
void OutputQueue::runInline(const std::function<bool()>& done) {
    bool overdue = false;
    for (;;) {
        Millis wait{0};
        const Next next = prepare(wait, overdue);
        overdue = false;
        if (next == Next::Send) {
            sendPrepared();
            continue;
        }
        bool finished = false;
        const Millis before = clock_.now();
        {
            std::lock_guard lock(mutex_);
            // A blocking port also sits out a pause that nothing follows yet.
            const bool pauseOver = mode_ != SenderMode::Inline || notBefore_ <= before;
            finished = failed_ || (done() && pauseOver);
        }
        if (finished) return;
        clock_.sleepFor(std::max(wait, Millis(1)));
        if (clock_.now() == before) {
            if (next == Next::Idle || (!hasWorkLocked() && notBefore_ > before)) return;
            overdue = true;
        }
    }
}

void OutputQueue::wake() {
    if (mode_ == SenderMode::Inline) {
        runInline([this] { return !hasWork(); });
        return;
    }
    if (mode_ == SenderMode::Threaded) workCv_.notify_one();
}

void OutputQueue::run() {
    for (;;) {
        Millis wait{0};
        const Next next = prepare(wait);
        if (next == Next::Send) {
            sendPrepared();
            continue;
        }
        std::unique_lock lock(mutex_);
        if (stopping_) return;
        // New work wakes us; otherwise we come back when the wait is over.
        workCv_.wait_for(lock, wait, [&] { return stopping_ || pushes_ != seenPushes_; });
        if (stopping_) return;
    }
}

} // namespace midi
