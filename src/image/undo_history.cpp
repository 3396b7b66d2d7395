#include "image/undo_history.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>

namespace image {

namespace {

static_assert(std::is_trivially_copyable_v<SynthImage>,
              "the history compares and restores the image as plain bytes");

// Unchanged bytes shorter than this between two changes are kept inside one run: a run
// costs more than a few bytes of bookkeeping.
constexpr std::size_t kJoinGap = 16;
constexpr std::size_t kRunOverhead = sizeof(ChangedRun);
constexpr std::size_t kStepOverhead = sizeof(UndoStep);

const Byte* bytesOf(const SynthImage& image) {
    return reinterpret_cast<const Byte*>(&image);
}
Byte* bytesOf(SynthImage& image) {
    return reinterpret_cast<Byte*>(&image);
}

// Compares word-wise first, so an unchanged image costs one pass over memory.
std::size_t firstDifference(const Byte* a, const Byte* b, std::size_t from, std::size_t size) {
    std::size_t i = from;
    while (i + 64 <= size && std::memcmp(a + i, b + i, 64) == 0) i += 64;
    while (i < size && a[i] == b[i]) ++i;
    return i;
}

std::vector<ChangedRun> diff(const Byte* before, const Byte* after, std::size_t size) {
    std::vector<ChangedRun> runs;
    std::size_t i = firstDifference(before, after, 0, size);
    while (i < size) {
        std::size_t end = i + 1;
        // Extend over the changed bytes and short unchanged gaps.
        for (std::size_t j = end; j < size && j < end + kJoinGap; ++j)
            if (before[j] != after[j]) end = j + 1;
        ChangedRun run;
        run.offset = static_cast<std::uint32_t>(i);
        run.before.assign(before + i, before + end);
        run.after.assign(after + i, after + end);
        runs.push_back(std::move(run));
        i = firstDifference(before, after, end, size);
    }
    return runs;
}

void apply(SynthImage& image, const UndoStep& step, bool backwards) {
    Byte* bytes = bytesOf(image);
    for (const ChangedRun& run : step.runs) {
        const auto& values = backwards ? run.before : run.after;
        std::memcpy(bytes + run.offset, values.data(), values.size());
    }
}

const std::string kNone;

} // namespace

UndoHistory::UndoHistory(std::size_t stepLimit, std::size_t byteLimit)
    : stepLimit_(std::max<std::size_t>(stepLimit, 1)), byteLimit_(byteLimit),
      before_(std::make_unique<SynthImage>()) {}

void UndoHistory::begin(const SynthImage& image, std::string action) {
    if (depth_++ > 0) return;
    std::memcpy(static_cast<void*>(before_.get()), &image, sizeof(SynthImage));
    action_ = std::move(action);
}

bool UndoHistory::end(const SynthImage& image) {
    if (depth_ == 0) return false;
    if (--depth_ > 0) return false;
    // Looking at another part is no edit; an undo switches to the step's part instead.
    before_->currentPart = image.currentPart;
    UndoStep step;
    step.runs = diff(bytesOf(*before_), bytesOf(image), sizeof(SynthImage));
    if (step.runs.empty()) return false;
    step.action = std::move(action_);
    step.part = image.currentPart;
    step.bytes = kStepOverhead + step.action.size();
    for (const ChangedRun& run : step.runs) step.bytes += kRunOverhead + 2 * run.before.size();
    record(std::move(step));
    return true;
}

void UndoHistory::record(UndoStep step) {
    // A new edit makes the steps that were undone unreachable.
    while (steps_.size() > next_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    bytes_ += step.bytes;
    steps_.push_back(std::move(step));
    next_ = steps_.size();
    while (steps_.size() > stepLimit_ || (bytes_ > byteLimit_ && steps_.size() > 1)) dropOldest();
}

void UndoHistory::dropOldest() {
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
    if (next_ > 0) --next_;
}

void UndoHistory::renameNewest(std::string action) {
    if (!canUndo()) return;
    UndoStep& step = steps_[next_ - 1];
    bytes_ -= step.action.size();
    step.bytes -= step.action.size();
    step.action = std::move(action);
    bytes_ += step.action.size();
    step.bytes += step.action.size();
}

const std::string& UndoHistory::undoAction() const {
    return canUndo() ? steps_[next_ - 1].action : kNone;
}

const std::string& UndoHistory::redoAction() const {
    return canRedo() ? steps_[next_].action : kNone;
}

const UndoStep* UndoHistory::undo(SynthImage& image) {
    if (!canUndo() || recording()) return nullptr;
    const UndoStep& step = steps_[--next_];
    apply(image, step, true);
    return &step;
}

const UndoStep* UndoHistory::redo(SynthImage& image) {
    if (!canRedo() || recording()) return nullptr;
    const UndoStep& step = steps_[next_++];
    apply(image, step, false);
    return &step;
}

void UndoHistory::clear() {
    steps_.clear();
    next_ = 0;
    bytes_ = 0;
}

} // namespace image
