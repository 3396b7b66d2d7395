#pragma once
// Undo and redo of image edits with the module kept in step: every action is marked as one
// step, and taking a step back or forth sends the module what changed.

#include "image/synth_image.h"
#include "image/undo_history.h"
#include "midi/xg_messages.h"

#include <memory>
#include <string>

namespace midi {

class ImageUndo {
  public:
    ImageUndo(image::SynthImage& image, XgMessages& messages);

    // Everything between begin and end is one step named `action`; actions nest.
    void begin(std::string action) { history_.begin(image_, std::move(action)); }
    bool end() { return history_.end(image_); }

    // Restores the image and sends the difference; returns the step taken, or nullptr.
    const image::UndoStep* undo() { return step(true); }
    const image::UndoStep* redo() { return step(false); }

    image::UndoHistory& history() { return history_; }
    const image::UndoHistory& history() const { return history_; }

  private:
    const image::UndoStep* step(bool back);

    image::SynthImage& image_;
    XgMessages& messages_;
    image::UndoHistory history_;
    std::unique_ptr<image::SynthImage> held_; // what the module holds before a step
};

// Marks the lifetime of a scope as one step.
class UndoScope {
  public:
    UndoScope(ImageUndo* undo, std::string action) : undo_(undo) {
        if (undo_) undo_->begin(std::move(action));
    }
    ~UndoScope() {
        if (undo_) undo_->end();
    }
    UndoScope(const UndoScope&) = delete;
    UndoScope& operator=(const UndoScope&) = delete;

  private:
    ImageUndo* undo_;
};

} // namespace midi
