#include "draw/artwork.h"

#include "draw/canvas.h"
#include "draw/frames.h"
#include "draw/knob_schemes.h"
#include "draw/palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace draw {
namespace {

constexpr Colour kTransparentKey = rgb(255, 0, 255);

Colour mix(Colour from, Colour to, double amount) {
    amount = std::clamp(amount, 0.0, 1.0);
    auto channel = [amount](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * amount));
    };
    return rgb(channel(redOf(from), redOf(to)), channel(greenOf(from), greenOf(to)),
               channel(blueOf(from), blueOf(to)));
}

Colour shade(Colour colour, int delta) {
    auto channel = [delta](int value) { return std::clamp(value + delta, 0, 255); };
    return rgb(channel(redOf(colour)), channel(greenOf(colour)), channel(blueOf(colour)));
}

// Repeatable noise in -1..1, so the textures come out the same on every run.
double noise(std::uint32_t seed) {
    seed ^= seed >> 16;
    seed *= 0x7FEB352Du;
    seed ^= seed >> 15;
    seed *= 0x846CA68Bu;
    seed ^= seed >> 16;
    return (seed & 0xFFFF) / 32767.5 - 1.0;
}

// A metal disc lit from the upper left, at a centre given in pixel-index coordinates.
Colour litAt(double dx, double dy, double radius, Colour dark, Colour light) {
    const double amount = (-dx - dy) / (radius * 1.6);
    return mix(dark, light, 0.5 + amount);
}

Colour brassAt(double dx, double dy, double radius) {
    return litAt(dx, dy, radius, rgb(150, 110, 44), rgb(255, 236, 150));
}

QImage makeKnob(const KnobPalette& palette) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(ColBlack);
    // The pointer table circles (13.5, 10.5) of the sprite; the body must sit under it.
    constexpr double kCentreX = 13.5;
    constexpr double kCentreY = 10.5;
    constexpr double kBody = 10.2;
    constexpr double kShadow = 10.2;
    constexpr double kCap = 4.2;
    for (int y = 0; y < 32; ++y) {
        auto* sprite = reinterpret_cast<QRgb*>(image.scanLine(y));
        QRgb* mask = sprite + 32;
        for (int x = 0; x < 32; ++x) {
            const double dx = x - kCentreX;
            const double dy = y - kCentreY;
            const double distance = std::hypot(dx, dy);
            const double shadowDistance = std::hypot(dx - 1.5, dy - 1.5);
            Colour colour = 0;
            bool inside = true;
            if (distance <= kCap) {
                // The dome, lit the other way.
                colour = litAt(-dx, -dy, kCap * 2.0, palette.bodyDark, palette.bodyLight);
            } else if (distance <= kCap + 1.0) {
                colour = palette.capRing;
            } else if (distance <= kBody - 1.0) {
                colour = litAt(dx, dy, kBody, palette.bodyDark, palette.bodyLight);
            } else if (distance <= kBody) {
                colour = palette.rim;
            } else if (shadowDistance <= kShadow) {
                colour = palette.shadow;
            } else {
                inside = false;
            }
            sprite[x] = inside ? (colour | 0xFF000000u) : ColBlack;
            mask[x] = inside ? ColBlack : rgb(255, 255, 255);
        }
    }
    return image;
}

QImage makeTitleStrip() {
    QImage image(791, 32, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const Colour base = mix(rgb(232, 202, 120), ColPanel, y / 31.0);
        const double rowGrain = noise(static_cast<std::uint32_t>(y) * 7919u) * 5.0;
        for (int x = 0; x < image.width(); ++x) {
            // Brushed metal: grain that runs along the rows, interpolated between knots.
            const int knot = x / 24;
            const double along = (x % 24) / 24.0;
            const auto seed = static_cast<std::uint32_t>(y * 1000 + knot);
            const double streak = noise(seed) * (1.0 - along) + noise(seed + 1) * along;
            const double fine = noise(static_cast<std::uint32_t>(y * 100003 + x)) * 2.0;
            row[x] = shade(base, static_cast<int>(std::lround(rowGrain + streak * 6.0 + fine)));
        }
    }
    return image;
}

QImage makeScrew() {
    QImage image(11, 11, QImage::Format_RGB32);
    image.fill(ColPanel);
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x) {
            const double dx = x - 5.0;
            const double dy = y - 5.0;
            const double distance = std::hypot(dx, dy);
            if (distance > 5.3) continue;
            Colour colour = distance > 4.5 ? ColDarkBrown : brassAt(dx, dy, 5.0);
            if (distance <= 4.5 && std::abs(dx + dy) <= 0.8) colour = ColBrown; // the slot
            if (distance <= 4.5 && std::abs(dx + dy - 1.0) <= 0.5) colour = ColHighlight;
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

QImage makeGraphBackground() {
    QImage image(188, 74, QImage::Format_RGB32);
    Canvas canvas(image);
    canvas.fillRect(0, 0, 188, 74, rgb(226, 198, 128));
    for (int y = 7; y < 72; y += 8) DotRowH(canvas, 4, y, rgb(196, 162, 96), 184);
    for (int x = 10; x < 184; x += 12) DotRowV(canvas, x, 4, rgb(204, 170, 104), 70);
    DrawValueBox(canvas, 0, 0, 187, 73);
    return image;
}

QImage makeListSelection() {
    QImage image(256, 13, QImage::Format_RGB32);
    static constexpr std::array<int, 13> kRows = {0, 1, 10, 9, 8, 7, 6, 5, 4, 3, 2, 11, 0};
    for (int y = 0; y < 13; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), 256,
                    kButtonGradient[static_cast<std::size_t>(kRows[static_cast<std::size_t>(y)])]);
    return image;
}

QImage makeDragCursor() {
    QImage image(32, 32, QImage::Format_RGB32);
    {
        Canvas canvas(image);
        canvas.fillRect(0, 0, 32, 32, kTransparentKey);
        // A four-way arrow around (15, 15).
        static constexpr std::array<QPoint, 24> kArrow = {
            QPoint(15, 2),  QPoint(20, 7),  QPoint(17, 7),  QPoint(17, 13), QPoint(23, 13),
            QPoint(23, 10), QPoint(28, 15), QPoint(23, 20), QPoint(23, 17), QPoint(17, 17),
            QPoint(17, 23), QPoint(20, 23), QPoint(15, 28), QPoint(10, 23), QPoint(13, 23),
            QPoint(13, 17), QPoint(7, 17),  QPoint(7, 20),  QPoint(2, 15),  QPoint(7, 10),
            QPoint(7, 13),  QPoint(13, 13), QPoint(13, 7),  QPoint(10, 7)};
        canvas.setPen(ColHighlight);
        canvas.setBrush(ColBlack);
        canvas.polygon(kArrow);
    }
    QImage cursor = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        auto* row = reinterpret_cast<QRgb*>(cursor.scanLine(y));
        for (int x = 0; x < 32; ++x)
            if ((row[x] | 0xFF000000u) == kTransparentKey) row[x] = 0;
    }
    return cursor;
}

} // namespace

const Artwork& artwork() {
    static const Artwork made{makeKnob(knobPalette(KnobScheme::Yellow)),
                              {makeKnob(knobPalette(KnobScheme::Yellow)),
                               makeKnob(knobPalette(KnobScheme::Red)),
                               makeKnob(knobPalette(KnobScheme::Silver))},
                              makeTitleStrip(),
                              makeScrew(),
                              makeGraphBackground(),
                              makeListSelection(),
                              makeDragCursor(),
                              QPoint(15, 15)};
    return made;
}

const QImage& knobSprite(KnobScheme scheme) {
    const auto index = static_cast<std::size_t>(static_cast<int>(scheme) - 1);
    return artwork().knobs.at(std::min<std::size_t>(index, 2));
}

} // namespace draw
