#include "effects/connection.h"

namespace effects {

Connection connectionOf(const image::SynthImage& image) {
    return image.variation.current[kConnectionIndex] == 1 ? Connection::System
                                                          : Connection::Insertion;
}

bool SetVariationConnection(image::SynthImage& image, midi::XgMessages& messages,
                            Connection wanted) {
    if (connectionOf(image) == wanted) return false;
    const image::Byte value = wanted == Connection::System ? 1 : 0;
    image.variation.current[kConnectionIndex] = value;
    messages.SendEffectParam(kConnectionAddress, value);
    return true;
}

} // namespace effects
