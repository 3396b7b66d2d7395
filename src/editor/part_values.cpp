#include "editor/part_values.h"

#include <algorithm>

namespace editor {
namespace {
constexpr int kChannelOff = 127;
constexpr int kChannelCount = 16;
} // namespace

void PartValues::bind(int yPosition, int xPosition, int minimum, int maximum) {
    y_ = yPosition;
    x_ = xPosition;
    minimum_ = minimum;
    maximum_ = maximum;
}

int PartValues::read(int position) const {
    const int v = stored(position);
    return maximum_ > minimum_ ? std::clamp(v, minimum_, maximum_) : v;
}

void PartValues::store(int position, int value) {
    const bool channel = position % image::kPartRecordSize == image::offset::kReceiveChannel;
    if (channel && value >= kChannelCount) value = kChannelOff;
    image_.parts[static_cast<std::size_t>(position)] = static_cast<image::Byte>(value);
}

int PartValues::dragValue(DragAxis axis) const {
    return read(positionOf(axis));
}

void PartValues::storeDragValue(DragAxis axis, int value) {
    store(positionOf(axis), value);
}

} // namespace editor
