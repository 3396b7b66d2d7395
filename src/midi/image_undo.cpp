#include "midi/image_undo.h"

#include "midi/image_difference.h"

#include <cstring>

namespace midi {

ImageUndo::ImageUndo(image::SynthImage& image, XgMessages& messages)
    : image_(image), messages_(messages), held_(std::make_unique<image::SynthImage>()) {}

const image::UndoStep* ImageUndo::step(bool back) {
    if (history_.recording()) return nullptr;
    if (back ? !history_.canUndo() : !history_.canRedo()) return nullptr;
    std::memcpy(static_cast<void*>(held_.get()), &image_, sizeof(image::SynthImage));
    const image::UndoStep* taken = back ? history_.undo(image_) : history_.redo(image_);
    if (taken) sendImageDifference(*held_, image_, messages_);
    return taken;
}

} // namespace midi
