#include "editor/status_field.h"

#include "draw/artwork.h"
#include "draw/frames.h"
#include "draw/palette.h"
#include "draw/text.h"

#include <algorithm>

namespace editor {

namespace {
constexpr int kHeight = 18;
}

draw::HitRect StatusField::show(draw::Canvas& canvas, int x, int y, int width,
                                const std::string& name, const std::string& value,
                                const std::string& secondName, const std::string& secondValue) {
    hide(canvas);
    const int left = std::clamp(x, 0, canvas.width() - 1);
    const int top = std::clamp(y, 0, canvas.height() - 1);
    const int right = std::min(left + std::max(width, 8), canvas.width()) - 1;
    const int bottom = std::min(top + kHeight, canvas.height()) - 1;
    const int w = right - left + 1;
    const int h = bottom - top + 1;
    if (saved_.width() < w || saved_.height() < h)
        saved_ = QImage(std::max(w, 256), kHeight, QImage::Format_RGB32);
    // Keep what lies under the field so that hiding it puts the picture back.
    const QImage& surface = canvas.image();
    for (int row = 0; row < h; ++row)
        std::copy_n(reinterpret_cast<const QRgb*>(surface.constScanLine(top + row)) + left, w,
                    reinterpret_cast<QRgb*>(saved_.scanLine(row)));
    area_ = {left, top, right, bottom};
    shown_ = true;

    canvas.blit(left, top, w, h, draw::artwork().titleStrip, 0, 2);
    draw::DrawOutline(canvas, left, top, right - 1, bottom - 1, draw::ColDarkBrown);
    const bool twoLines = !secondName.empty();
    const int firstY = twoLines ? top + 1 : top + 4;
    canvas.setTextAlign(draw::TextAlign::Left);
    draw::SmallText(canvas, left + 3, firstY, draw::ColBlack, QString::fromStdString(name), -8);
    canvas.setTextAlign(draw::TextAlign::Right);
    draw::SmallText(canvas, right - 3, firstY, draw::ColBlack, QString::fromStdString(value), -8);
    if (twoLines) {
        canvas.setTextAlign(draw::TextAlign::Left);
        draw::SmallText(canvas, left + 3, top + 8, draw::ColBrown,
                        QString::fromStdString(secondName), -8);
        canvas.setTextAlign(draw::TextAlign::Right);
        draw::SmallText(canvas, right - 3, top + 8, draw::ColBrown,
                        QString::fromStdString(secondValue), -8);
    }
    return area_;
}

draw::HitRect StatusField::hide(draw::Canvas& canvas) {
    if (!shown_) return {0, 0, -1, -1};
    shown_ = false;
    const int w = area_.right - area_.left + 1;
    const int h = area_.bottom - area_.top + 1;
    canvas.blit(area_.left, area_.top, w, h, saved_, 0, 0);
    return area_;
}

} // namespace editor
