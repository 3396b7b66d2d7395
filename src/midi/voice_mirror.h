#pragma once
// The QS300 voice parameters that also exist as XG part parameters: when a QS300 voice is
// chosen they may be copied into the part, and when the part goes back to an XG voice they
// may get the XG defaults again.

#include <array>

namespace midi {

struct MirroredParameter {
    int voiceOffset; // in the 381 voice data bytes
    int partOffset;  // in the 104-byte part record
    int xgDefault;
};

inline constexpr int kMirroredParameterCount = 30;
// In the order they are sent.
extern const std::array<MirroredParameter, kMirroredParameterCount> kMirroredParameters;

} // namespace midi
