#include "aids/range_layouts.h"

namespace aids {

RangeLayout layoutOf(const image::SynthImage& image) {
    RangeLayout layout{};
    for (int part = 0; part < image::kPartCount; ++part)
        layout[static_cast<std::size_t>(part)] = {image.part(part, image::offset::kNoteLimitLow),
                                                  image.part(part, image::offset::kNoteLimitHigh)};
    return layout;
}

} // namespace aids
