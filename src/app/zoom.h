#pragma once
// The editor window shows the painted surface enlarged (100, 150 or 200 %) so that it stays usable
// on high-density screens. Surface coordinates never change; only the window maps between the two.

#include <array>

namespace app {

inline constexpr int kDefaultZoom = 100;
inline constexpr std::array<int, 3> kOfferedZooms = {100, 150, 200};

constexpr bool isOfferedZoom(int percent) {
    for (int offered : kOfferedZooms)
        if (offered == percent) return true;
    return false;
}

// Window pixel -> surface pixel: the surface pixel whose enlarged square holds it.
// Negative positions (left of or above the window) stay negative.
constexpr int surfaceFromWindow(int windowPixel, int zoomPercent) {
    const int scaled = windowPixel * 100;
    return scaled >= 0 ? scaled / zoomPercent : -((-scaled + zoomPercent - 1) / zoomPercent);
}

// Surface pixel -> the first window pixel of its enlarged square (the inverse of the
// above: the smallest window pixel that maps to it).
constexpr int windowFromSurface(int surfacePixel, int zoomPercent) {
    const int scaled = surfacePixel * zoomPercent;
    return scaled >= 0 ? (scaled + 99) / 100 : -(-scaled / 100);
}

// Surface pixel -> a window pixel inside its enlarged square (its centre, rounded down),
// where a pointer put on that surface pixel lands.
constexpr int windowCentreOfSurface(int surfacePixel, int zoomPercent) {
    const int first = windowFromSurface(surfacePixel, zoomPercent);
    const int last = windowFromSurface(surfacePixel + 1, zoomPercent) - 1;
    return first + (last - first) / 2;
}

// A length in surface pixels as window pixels (rounded up, so nothing is cut off).
constexpr int windowLength(int surfaceLength, int zoomPercent) {
    return (surfaceLength * zoomPercent + 99) / 100;
}

} // namespace app
