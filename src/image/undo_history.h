#pragma once
// The undo history of the whole image. A step keeps only the bytes an action changed: the
// image is copied when the action begins and compared when it ends, and each run of
// changed bytes is stored with its old and its new values. Which part is current is no
// edit and is never taken back.

#include "image/synth_image.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace image {

inline constexpr std::size_t kUndoStepLimit = 1000;
inline constexpr std::size_t kUndoByteLimit = 32u * 1024u * 1024u;

// One run of changed bytes, at `offset` in the image's bytes.
struct ChangedRun {
    std::uint32_t offset = 0;
    std::vector<Byte> before;
    std::vector<Byte> after;
};

struct UndoStep {
    std::string action; // "Reverb Send Part <n>"
    int part = 0;       // the current part when the action ended
    std::vector<ChangedRun> runs;
    std::size_t bytes = 0; // what the step costs in memory
};

class UndoHistory {
  public:
    explicit UndoHistory(std::size_t stepLimit = kUndoStepLimit,
                         std::size_t byteLimit = kUndoByteLimit);

    // An action starts: the image is copied. Actions nest (a dialog that runs a load); only
    // the outermost one makes a step, under its own name.
    void begin(const SynthImage& image, std::string action);
    // The action ends: the changed bytes become one step. A step that changed nothing is
    // not kept. Returns true when a step was recorded.
    bool end(const SynthImage& image);
    bool recording() const { return depth_ > 0; }
    // Names the newest step once it is known to have changed something (naming can cost
    // more than a step that changed nothing).
    void renameNewest(std::string action);

    bool canUndo() const { return next_ > 0; }
    bool canRedo() const { return next_ < steps_.size(); }
    // Names of the step the next undo / redo would take back or repeat; empty when none.
    const std::string& undoAction() const;
    const std::string& redoAction() const;

    // Puts the image back to before / after the step; returns that step, or nullptr when
    // there is none.
    const UndoStep* undo(SynthImage& image);
    const UndoStep* redo(SynthImage& image);

    void clear();
    std::size_t stepCount() const { return steps_.size(); }
    std::size_t undoCount() const { return next_; }
    std::size_t byteCount() const { return bytes_; }

  private:
    void record(UndoStep step);
    void dropOldest();

    std::size_t stepLimit_;
    std::size_t byteLimit_;
    std::deque<UndoStep> steps_;
    std::size_t next_ = 0; // steps before this one can be undone
    std::size_t bytes_ = 0;
    int depth_ = 0;
    std::string action_;
    std::unique_ptr<SynthImage> before_;
};

} // namespace image
