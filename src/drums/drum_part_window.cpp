#include "drums/drum_part_window.h"

#include "draw/palette.h"

#include <QMouseEvent>
#include <QPainter>

namespace drums {
namespace {

const QColor kMaroon(128, 0, 0);
// Where the window goes relative to its parent's top left corner.
constexpr int kOffsetX = 530;
constexpr int kOffsetY = 105;

} // namespace

DrumPartWindow::DrumPartWindow(const std::string& setup1Voice, const std::string& setup2Voice,
                               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), dialog_(setup1Voice, setup2Voice) {
    setObjectName(QStringLiteral("TDrTst"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
}

void DrumPartWindow::showEvent(QShowEvent* event) {
    dialog_.show();
    if (QWidget* owner = parentWidget()) {
        const QPoint corner = owner->window()->geometry().topLeft();
        move(corner + QPoint(kOffsetX, kOffsetY));
    }
    QDialog::showEvent(event);
}

void DrumPartWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kMaroon);
    painter.drawImage(kImageX, kImageY, dialog_.image());
}

void DrumPartWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() - QPoint(kImageX, kImageY);
    if (dialog_.mouseDown(p.x(), p.y())) {
        if (dialog_.result() != 0)
            accept();
        else
            reject();
        return;
    }
    update();
}

} // namespace drums
