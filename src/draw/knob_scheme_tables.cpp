#include "draw/knob_schemes.h"

#include "draw/palette.h"

namespace draw {
namespace {

constexpr KnobPalette kYellow{rgb(150, 110, 44), rgb(255, 236, 150), rgb(176, 136, 60),
                              ColDarkBrown, rgb(112, 84, 40)};
constexpr KnobPalette kRed{rgb(120, 16, 10), rgb(255, 120, 90), rgb(150, 30, 20), rgb(70, 10, 6),
                           rgb(112, 84, 40)};
constexpr KnobPalette kSilver{rgb(110, 112, 118), rgb(246, 248, 252), rgb(140, 142, 148),
                              rgb(60, 62, 66), rgb(112, 84, 40)};

} // namespace

KnobScheme knobSchemeOf(int stored) {
    switch (stored) {
    case 1:
        return KnobScheme::Yellow;
    case 3:
        return KnobScheme::Silver;
    default:
        return KnobScheme::Red;
    }
}

const KnobPalette& knobPalette(KnobScheme scheme) {
    switch (scheme) {
    case KnobScheme::Yellow:
        return kYellow;
    case KnobScheme::Silver:
        return kSilver;
    case KnobScheme::Red:
        break;
    }
    return kRed;
}

} // namespace draw
