#include "draw/canvas.h"

#include <QFontMetrics>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <utility>

namespace draw {
namespace {

constexpr QRgb kColourBits = 0x00FFFFFF;
constexpr QRgb kOpaque = 0xFF000000;

// Where the ray from the centre of a bounding box through a radial point crosses the
// ellipse, as Qt's angle for that box: Qt measures arc angles on the circle that is then
// stretched to the ellipse, so the ray's own direction would only be right for circles.
// Degrees counter-clockwise from the positive x axis (screen y runs downward).
double ellipseAngle(double centreX, double centreY, double radiusX, double radiusY, int x, int y) {
    if (x == centreX && y == centreY) return 0.0;
    const double dx = (x - centreX) / std::max(radiusX, 0.5);
    const double dy = (centreY - y) / std::max(radiusY, 0.5);
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
}

// Start and span in Qt's sixteenths of a degree, counter-clockwise; equal radial
// directions mean the full ellipse.
std::pair<int, int> arcAngles(int left, int top, int right, int bottom, int x1, int y1, int x2,
                              int y2) {
    const double centreX = (left + right) / 2.0;
    const double centreY = (top + bottom) / 2.0;
    const double radiusX = std::abs(right - left) / 2.0;
    const double radiusY = std::abs(bottom - top) / 2.0;
    const double start = ellipseAngle(centreX, centreY, radiusX, radiusY, x1, y1);
    double span = ellipseAngle(centreX, centreY, radiusX, radiusY, x2, y2) - start;
    while (span <= 0.0) span += 360.0;
    while (span > 360.0) span -= 360.0;
    return {static_cast<int>(std::lround(start * 16.0)),
            static_cast<int>(std::lround(span * 16.0))};
}

} // namespace

Canvas::Canvas(QImage& image) : image_(image) {
    if (image_.format() != QImage::Format_RGB32) image_.convertTo(QImage::Format_RGB32);
    clip_ = image_.rect();
}

Canvas::~Canvas() {
    if (painter_.isActive()) painter_.end();
}

QPainter& Canvas::painter() {
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, false);
        painter_.setFont(font_);
        if (clip_ != image_.rect()) painter_.setClipRect(clip_);
    }
    return painter_;
}

void Canvas::setFont(const QFont& font) {
    font_ = font;
    if (painter_.isActive()) painter_.setFont(font_);
}

void Canvas::setClip(int left, int top, int right, int bottom) {
    clip_ = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).intersected(image_.rect());
    if (painter_.isActive()) painter_.setClipRect(clip_);
}

void Canvas::resetClip() {
    clip_ = image_.rect();
    if (painter_.isActive()) painter_.setClipping(false);
}

Colour Canvas::pixel(int x, int y) const {
    if (!image_.rect().contains(x, y)) return 0;
    return reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x] | kOpaque;
}

void Canvas::setPixel(int x, int y, Colour colour) {
    if (!insideClip(x, y)) return;
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = colour | kOpaque;
}

void Canvas::line(int x1, int y1, int x2, int y2, Colour colour) {
    pen_ = colour;
    line(x1, y1, x2, y2);
}

void Canvas::line(int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2) return;
    auto* bits = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const QRgb colour = pen_ | kOpaque;
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const int stepX = x1 < x2 ? 1 : -1;
    const int stepY = y1 < y2 ? 1 : -1;
    int error = dx - dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        if (insideClip(x, y)) bits[y * stride + x] = colour;
        const int doubled = 2 * error;
        if (doubled > -dy) {
            error -= dy;
            x += stepX;
        }
        if (doubled < dx) {
            error += dx;
            y += stepY;
        }
    }
}

void Canvas::fillRect(int left, int top, int right, int bottom, Colour colour) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const QRect area = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).intersected(clip_);
    if (area.isEmpty()) return;
    const QRgb value = colour | kOpaque;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row + area.left(), row + area.right() + 1, value);
    }
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1) return;
    fillRect(left, top, right, bottom, pen_);
    fillRect(left + 1, top + 1, right - 1, bottom - 1, brush_);
}

QRect Canvas::toQRect(int left, int top, int right, int bottom) const {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    // Qt's outline of QRect(x, y, w, h) covers x..x+w, so one less gives right-1.
    return QRect(left, top, std::max(right - left - 1, 0), std::max(bottom - top - 1, 0));
}

void Canvas::shapeWithPenAndBrush() {
    QPainter& p = painter();
    QPen pen{QColor::fromRgb(pen_)};
    pen.setWidth(0);
    p.setPen(pen);
    p.setBrush(QColor::fromRgb(brush_));
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    shapeWithPenAndBrush();
    painter().drawEllipse(toQRect(left, top, right, bottom));
}

void Canvas::pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    const auto [start, span] = arcAngles(left, top, right, bottom, x1, y1, x2, y2);
    shapeWithPenAndBrush();
    if (span >= 360 * 16)
        painter().drawEllipse(toQRect(left, top, right, bottom));
    else
        painter().drawPie(toQRect(left, top, right, bottom), start, span);
}

void Canvas::arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
    const auto [start, span] = arcAngles(left, top, right, bottom, x1, y1, x2, y2);
    shapeWithPenAndBrush();
    painter().drawArc(toQRect(left, top, right, bottom), start, span);
}

void Canvas::polygon(std::span<const QPoint> points) {
    if (points.size() < 2) return;
    shapeWithPenAndBrush();
    painter().drawPolygon(points.data(), static_cast<int>(points.size()));
}

void Canvas::roundRect(int left, int top, int right, int bottom, int cornerWidth,
                       int cornerHeight) {
    // A corner ellipse of two pixels or less rounds nothing at pixel scale.
    if (cornerWidth <= 2 && cornerHeight <= 2) {
        rectangle(left, top, right, bottom);
        return;
    }
    shapeWithPenAndBrush();
    painter().drawRoundedRect(toQRect(left, top, right, bottom), cornerWidth / 2.0,
                              cornerHeight / 2.0, Qt::AbsoluteSize);
}

int Canvas::textWidth(const QString& text) const {
    return QFontMetrics(font_).horizontalAdvance(text);
}

void Canvas::text(int x, int y, const QString& text, Colour colour, int angle) {
    if (text.isEmpty()) return;
    const QFontMetrics metrics(font_);
    int offset = 0;
    if (align_ != TextAlign::Left) {
        const int width = metrics.horizontalAdvance(text);
        offset = align_ == TextAlign::Centre ? -(width / 2) : -width;
    }
    QPainter& p = painter();
    p.setPen(QColor::fromRgb(colour));
    if (angle == 0) {
        p.drawText(x + offset, y + metrics.ascent(), text);
        return;
    }
    p.save();
    p.translate(x, y);
    p.rotate(-angle);
    p.drawText(offset, metrics.ascent(), text);
    p.restore();
}

void Canvas::blit(int x, int y, int width, int height, const QImage& source, int sourceX,
                  int sourceY, RasterOp op) {
    // Only the part that lies inside the source, the destination image and the clip moves.
    QRect area(x, y, width, height);
    area = area.intersected(source.rect().translated(x - sourceX, y - sourceY)).intersected(clip_);
    if (area.isEmpty()) return;
    const int shiftX = sourceX - x;
    const int shiftY = sourceY - y;
    const bool sameImage = &source == &image_;
    const QImage converted =
        source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32
            ? QImage()
            : source.convertToFormat(QImage::Format_RGB32);
    const QImage& from = converted.isNull() ? source : converted;
    // Overlapping transfers inside one image must read rows before they are overwritten.
    const bool upward = sameImage && shiftY < 0;
    for (int step = 0; step < area.height(); ++step) {
        const int row = upward ? area.bottom() - step : area.top() + step;
        const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(row + shiftY));
        auto* out = reinterpret_cast<QRgb*>(image_.scanLine(row));
        const int first = area.left();
        const int last = area.right();
        switch (op) {
        case RasterOp::Copy:
            std::memmove(out + first, in + first + shiftX,
                         static_cast<std::size_t>(last - first + 1) * sizeof(QRgb));
            for (int col = first; col <= last; ++col) out[col] |= kOpaque;
            break;
        case RasterOp::And:
            for (int col = first; col <= last; ++col)
                out[col] = kOpaque | (out[col] & in[col + shiftX] & kColourBits);
            break;
        case RasterOp::Xor:
            for (int col = first; col <= last; ++col)
                out[col] = kOpaque | ((out[col] ^ in[col + shiftX]) & kColourBits);
            break;
        }
    }
}

} // namespace draw
