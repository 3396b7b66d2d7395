#include "editor/part_controls.h"

#include <algorithm>

namespace editor {

PartControls::PartControls() : strip_(kStripDescriptors), page_(kPageDescriptors) {
    SetControllerSource(1);
}

const Descriptor& PartControls::strip(int c) const {
    return strip_[static_cast<std::size_t>(std::clamp(c, 0, kStripControlCount))];
}

const Descriptor& PartControls::page(int n) const {
    return page_[static_cast<std::size_t>(std::clamp(n, 0, kPageControlCount))];
}

void PartControls::setElementReserveMaximum(int maximum) {
    page_[page::kElementReserve].maximum = static_cast<std::uint16_t>(std::clamp(maximum, 0, 32));
}

void PartControls::SetControllerSource(int source) {
    if (source < 1 || source > kSourceCount) return;
    source_ = source;
    const auto& offsets = kSourceOffsets[static_cast<std::size_t>(source)];
    for (int i = 0; i < 6; ++i)
        page_[static_cast<std::size_t>(page::kFirstDestination + i)].offset =
            offsets[static_cast<std::size_t>(i)];
}

} // namespace editor
