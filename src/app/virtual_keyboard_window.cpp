#include "app/virtual_keyboard_window.h"

#include "app/mouse_buttons.h"
#include "app/session.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

namespace app {
namespace {

// Without a stored position the window opens this far from the main window's top left.
constexpr QPoint kFirstOffset{20, 480};
// A point of the title bar that must lie on a screen for the window to be taken hold of.
constexpr QPoint kGrabPoint{40, 8};

} // namespace

TFk_maus::TFk_maus(Session& session, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      session_(session), owner_(owner) {
    setObjectName(QStringLiteral("TFk_maus"));
    setWindowTitle(QStringLiteral("Virtual Keyboard"));
    setFixedSize(aids::kKeyboardWindowWidth, aids::kKeyboardWindowHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    keyboard_ = std::make_unique<aids::VirtualKeyboard>(session_.image(), session_.port(), *this,
                                                        session_.settings().vkVelocity);
    keyboard_->setCloseRequest([this] { hide(); });
}

TFk_maus::~TFk_maus() = default;

void TFk_maus::toggle() {
    if (isVisible()) {
        hide();
        return;
    }
    placeFirstTime();
    show();
    raise();
}

void TFk_maus::placeFirstTime() {
    if (placed_) return;
    placed_ = true;
    const auto& settings = session_.settings();
    const QPoint stored(settings.vkLeft, settings.vkTop);
    // A place left on a screen that is no longer there would hide the window.
    if (settings.vkLeft != -1 && settings.vkTop != -1 &&
        QGuiApplication::screenAt(stored + kGrabPoint)) {
        move(stored);
    } else if (owner_) {
        move(owner_->frameGeometry().topLeft() + kFirstOffset);
    }
}

void TFk_maus::storeSettings() {
    auto& settings = session_.settings();
    settings.vkVelocity = keyboard_->velocity();
    // A window never shown has no position of its own to keep.
    if (!placed_) return;
    settings.vkLeft = x();
    settings.vkTop = y();
}

// ---- showing --------------------------------------------------------------------------

void TFk_maus::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, keyboard_->image());
}

void TFk_maus::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    keyboard_->shown();
    if (visibilityListener_) visibilityListener_(true);
}

void TFk_maus::hideEvent(QHideEvent* event) {
    // Nothing keeps sounding behind a hidden window.
    keyboard_->deactivated();
    QWidget::hideEvent(event);
    if (visibilityListener_) visibilityListener_(false);
}

void TFk_maus::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) keyboard_->deactivated();
    QWidget::changeEvent(event);
}

void TFk_maus::repaint(const editor::HitRect& area) {
    update(QRect(QPoint(area.left, area.top), QPoint(area.right, area.bottom)));
}

// ---- mouse ----------------------------------------------------------------------------

QPoint TFk_maus::positionOf(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (!pointer_.confined()) return event->position().toPoint();
    pointer_.moveReal(global.x(), global.y());
    return {pointer_.x(), pointer_.y()};
}

void TFk_maus::mousePressEvent(QMouseEvent* event) {
    const auto button = buttonOf(event->button());
    if (!button) return;
    const QPoint global = event->globalPosition().toPoint();
    const QPoint p =
        pointer_.confined() ? QPoint(pointer_.x(), pointer_.y()) : event->position().toPoint();
    pointer_.syncReal(global.x(), global.y());
    if (!pointer_.confined()) pointer_.setPosition(p.x(), p.y());
    keyboard_->Ig2MouseDown(*button, p.x(), p.y());
}

void TFk_maus::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = positionOf(event);
    keyboard_->Ig2MouseMove(p.x(), p.y());
}

void TFk_maus::mouseReleaseEvent(QMouseEvent* event) {
    const auto button = buttonOf(event->button());
    if (!button) return;
    const QPoint p = positionOf(event);
    keyboard_->Ig2MouseUp(*button, p.x(), p.y());
}

// ---- the velocity drag's pointer --------------------------------------------------------

void TFk_maus::confinePointer(const editor::HitRect& area) {
    pointer_.confine(area);
    setCursor(Qt::BlankCursor);
}

void TFk_maus::releasePointer() {
    pointer_.release();
}

void TFk_maus::setPointerPosition(int x, int y) {
    pointer_.setPosition(x, y);
    if (pointer_.confined()) return;
    // Back at the press point, where the user left it.
    const QPoint global = mapToGlobal(QPoint(x, y));
    QCursor::setPos(global);
    pointer_.syncReal(global.x(), global.y());
}

void TFk_maus::setPointerShape(editor::PointerShape shape) {
    if (shape == editor::PointerShape::Hidden || pointer_.confined())
        setCursor(Qt::BlankCursor);
    else
        unsetCursor();
}

} // namespace app
