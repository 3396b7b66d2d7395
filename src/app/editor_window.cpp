#include "app/editor_window.h"

#include "app/popup_list.h"
#include "app/session.h"
#include "app/zoom.h"
#include "draw/artwork.h"
#include "draw/colour.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace app {

namespace {

// The window colour around the surface (a Windows colour value, low byte red).
constexpr std::uint32_t kBackgroundColorRef = 4889278;
// How close to a screen edge the hidden pointer may come before it is put back in the
// middle; far enough that one fast flick cannot reach the edge.
constexpr int kEdgeMargin = 100;

std::optional<editor::MouseButton> buttonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return editor::MouseButton::Left;
    case Qt::RightButton:
        return editor::MouseButton::Right;
    case Qt::MiddleButton:
        return editor::MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

editor::Modifiers modifiersOf(Qt::KeyboardModifiers modifiers) {
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier)};
}

std::optional<editor::ArrowKey> arrowOf(int key) {
    switch (key) {
    case Qt::Key_Left:
        return editor::ArrowKey::Left;
    case Qt::Key_Up:
        return editor::ArrowKey::Up;
    case Qt::Key_Right:
        return editor::ArrowKey::Right;
    case Qt::Key_Down:
        return editor::ArrowKey::Down;
    default:
        return std::nullopt;
    }
}

// Only platforms that let a program move the pointer can keep it away from the edges.
bool platformMovesPointer() {
    const auto platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("windows") ||
           platform == QLatin1String("cocoa");
}

} // namespace

TFXg::TFXg(Session& session, Prompts& prompts, QWidget* parent)
    : QWidget(parent), session_(session), prompts_(prompts), recentring_(platformMovesPointer()) {
    setObjectName(QStringLiteral("TFXg"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    editor_ = std::make_unique<editor::PartEditor>(session_.image(), session_.messages(),
                                                   session_.port(), *this);
    effects_ = std::make_unique<effects::EffectEditor>(session_.image(), session_.messages(),
                                                       session_.port(), *editor_, *this);
    effects_->setThru(session_.settings().thru);
    panels_ = std::make_unique<editor::Panels>(*editor_);
    panels_->setKnobScheme(draw::knobSchemeOf(session_.settings().potiColor));
    setZoom(session_.zoomPercent());
}

void TFXg::setKnobScheme(draw::KnobScheme scheme) {
    panels_->setKnobScheme(scheme);
    redrawScreens();
}

void TFXg::redrawScreens() {
    if (!shown_) return;
    for (editor::Panel panel : panels_->shown()) panels_->screen(panel).redrawAll();
    update();
}

TFXg::~TFXg() {
    // The effect editor unhooks itself from the part editor, which must still be there.
    effects_.reset();
}

void TFXg::FormShow() {
    if (shown_) return;
    shown_ = true;
    // The editor's caption names the set being edited; the file commands change it.
    setWindowTitle(QStringLiteral("Default"));
    editor_->show();
    effects_->show();
    update();
}

void TFXg::setZoom(int percent) {
    zoom_ = isOfferedZoom(percent) ? percent : kDefaultZoom;
    pointer_.setZoomPercent(zoom_);
    hidePopupLists();
    setFixedSize(windowLength(kClientWidth, zoom_), windowLength(kClientHeight, zoom_));
    update();
}

QPoint TFXg::windowPointOf(int x, int y) const {
    return {windowCentreOfSurface(x, zoom_), windowCentreOfSurface(y, zoom_)};
}

QPoint TFXg::surfacePointOf(QPoint windowPoint) const {
    return {surfaceFromWindow(windowPoint.x(), zoom_), surfaceFromWindow(windowPoint.y(), zoom_)};
}

bool TFXg::onSurface(QPoint p) const {
    return p.x() >= 0 && p.y() >= 0 && p.x() < editor::kSurfaceWidth &&
           p.y() < editor::kSurfaceHeight;
}

// ---- painting --------------------------------------------------------------------------

void TFXg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(draw::fromColorRef(kBackgroundColorRef)));
    // Nearest-neighbour enlargement keeps every painted pixel sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (editor::Panel panel : panels_->shown()) {
        const editor::HitRect place = editor::Panels::placeOf(panel);
        const QImage& image = panels_->screen(panel).image();
        painter.drawImage(
            QRect(windowFromSurface(place.left, zoom_), windowFromSurface(place.top, zoom_),
                  windowLength(image.width(), zoom_), windowLength(image.height(), zoom_)),
            image);
    }
}

void TFXg::repaint(const editor::HitRect& area) {
    const int left = windowFromSurface(area.left, zoom_);
    const int top = windowFromSurface(area.top, zoom_);
    const int right = windowFromSurface(area.right + 1, zoom_);
    const int bottom = windowFromSurface(area.bottom + 1, zoom_);
    // One pixel more on each side covers the rounding of the enlargement.
    update(QRect(QPoint(left - 1, top - 1), QPoint(right + 1, bottom + 1)));
}

// ---- mouse and keys --------------------------------------------------------------------

QPoint TFXg::surfacePositionOf(QMouseEvent* event) {
    if (pointer_.confined()) return {pointer_.x(), pointer_.y()};
    return surfacePointOf(event->position().toPoint());
}

void TFXg::mousePressEvent(QMouseEvent* event) {
    const auto button = buttonOf(event->button());
    const QPoint global = event->globalPosition().toPoint();
    const QPoint p = surfacePositionOf(event);
    if (!button || (!pointer_.confined() && !onSurface(p))) return;
    pointer_.syncReal(global.x(), global.y());
    if (!pointer_.confined()) pointer_.setPosition(p.x(), p.y());
    lastFed_ = p;
    reportErrors(prompts_, this, [&] {
        panels_->mouseDown(*button, modifiersOf(event->modifiers()), p.x(), p.y());
    });
}

void TFXg::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    pointer_.moveReal(global.x(), global.y());
    const QPoint p = surfacePositionOf(event);
    if (pointer_.confined()) keepPointerAwayFromEdges(global);
    // Enlarged, several window pixels make one surface pixel; the surface hears of a move
    // only when its own pixel changes, as it would without the zoom.
    if (p == lastFed_) return;
    if (!pointer_.confined() && !panels_->dragging() && !onSurface(p)) return;
    lastFed_ = p;
    reportErrors(prompts_, this,
                 [&] { panels_->mouseMove(modifiersOf(event->modifiers()), p.x(), p.y()); });
}

void TFXg::mouseReleaseEvent(QMouseEvent* event) {
    const auto button = buttonOf(event->button());
    if (!button) return;
    const QPoint global = event->globalPosition().toPoint();
    pointer_.moveReal(global.x(), global.y());
    const QPoint p = surfacePositionOf(event);
    if (!pointer_.confined() && !panels_->dragging() && !onSurface(p)) return;
    reportErrors(prompts_, this,
                 [&] { panels_->mouseUp(*button, modifiersOf(event->modifiers()), p.x(), p.y()); });
}

void TFXg::keyPressEvent(QKeyEvent* event) {
    const auto arrow = arrowOf(event->key());
    if (!arrow) {
        QWidget::keyPressEvent(event);
        return;
    }
    reportErrors(prompts_, this, [&] { panels_->arrowKey(*arrow); });
}

void TFXg::keepPointerAwayFromEdges(QPoint global) {
    if (!recentring_) return;
    QScreen* screen = QGuiApplication::screenAt(global);
    if (!screen) screen = this->screen();
    if (!screen) return;
    const QRect g = screen->geometry();
    if (!nearScreenEdge(global.x(), global.y(), {g.left(), g.top(), g.right(), g.bottom()},
                        kEdgeMargin))
        return;
    const QPoint centre = g.center();
    QCursor::setPos(screen, centre);
    pointer_.syncReal(centre.x(), centre.y());
}

// ---- the virtual pointer ---------------------------------------------------------------

void TFXg::confinePointer(const editor::HitRect& area) {
    pointer_.confine(area);
    applyCursor();
}

void TFXg::releasePointer() {
    if (!pointer_.confined()) return;
    pointer_.release();
    putRealPointerAt(pointer_.x(), pointer_.y());
    applyCursor();
}

void TFXg::setPointerPosition(int x, int y) {
    pointer_.setPosition(x, y);
    if (!pointer_.confined()) putRealPointerAt(pointer_.x(), pointer_.y());
}

void TFXg::putRealPointerAt(int x, int y) {
    const QPoint global = mapToGlobal(windowPointOf(x, y));
    QCursor::setPos(global);
    pointer_.syncReal(global.x(), global.y());
}

void TFXg::setPointerShape(editor::PointerShape shape) {
    shape_ = shape;
    applyCursor();
}

void TFXg::applyCursor() {
    if (pointer_.confined() || shape_ == editor::PointerShape::Hidden) {
        setCursor(Qt::BlankCursor);
    } else if (shape_ == editor::PointerShape::Drag) {
        const auto& art = draw::artwork();
        setCursor(QCursor(QPixmap::fromImage(art.dragCursor), art.dragCursorHotSpot.x(),
                          art.dragCursorHotSpot.y()));
    } else {
        unsetCursor();
    }
}

// ---- pop-up lists and messages ---------------------------------------------------------

QListWidget* TFXg::makePopupList(editor::PopupList list) {
    auto* widget = new QListWidget(this);
    widget->setObjectName(QStringLiteral("PopupList%1").arg(static_cast<int>(list)));
    widget->hide();
    preparePopupList(*widget);
    widget->installEventFilter(this);
    widget->viewport()->installEventFilter(this);
    connect(widget, &QListWidget::itemClicked, this, [this, widget, list](QListWidgetItem* item) {
        reportErrors(prompts_, this,
                     [&] { listOwner(list).popupListClicked(list, widget->row(item), false); });
    });
    connect(
        widget, &QListWidget::itemDoubleClicked, this, [this, widget, list](QListWidgetItem* item) {
            reportErrors(prompts_, this,
                         [&] { listOwner(list).popupListClicked(list, widget->row(item), true); });
        });
    popupLists_[list] = widget;
    return widget;
}

QListWidget* TFXg::popupList(editor::PopupList list) const {
    const auto it = popupLists_.find(list);
    return it == popupLists_.end() ? nullptr : it->second;
}

void TFXg::showPopupList(editor::PopupList list, int x, int y, int width, int height,
                         const std::vector<std::string>& items, int selected) {
    QListWidget* widget = popupList(list);
    if (!widget) widget = makePopupList(list);
    const QSignalBlocker blocker(widget);
    widget->setGeometry(
        fillPopupList(*widget, items, selected, QRect(x, y, width, height), zoom_, this->width()));
    widget->show();
    widget->raise();
    // The keys go to the list while it is open.
    widget->setFocus(Qt::PopupFocusReason);
}

void TFXg::hidePopupList(editor::PopupList list) {
    QListWidget* widget = popupList(list);
    if (!widget) return;
    // The arrow keys belong to the surface again.
    if (widget->hasFocus() || focusWidget() == widget) setFocus(Qt::OtherFocusReason);
    widget->hide();
}

void TFXg::hidePopupLists() {
    // The surfaces first, so that the buttons that opened a list are drawn released again.
    if (panels_) panels_->hidePopupLists();
    for (auto& [list, widget] : popupLists_) hidePopupList(list);
}

// Enter on a list chooses its current item as a click does; Escape closes it unchanged.
bool TFXg::popupListKey(QObject* watched, QKeyEvent* key) {
    for (auto& [list, widget] : popupLists_) {
        if (widget != watched) continue;
        const PopupKey action = popupKeyOf(key->key());
        if (action == PopupKey::Other) return false;
        const editor::PopupList id = list;
        const int row = widget->currentRow();
        if (action == PopupKey::Close)
            hidePopupLists();
        else if (row >= 0)
            reportErrors(prompts_, this, [&] { listOwner(id).popupListClicked(id, row, false); });
        return true;
    }
    return false;
}

// The right button on a list acts on the item under it, before the list reacts itself.
bool TFXg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && popupListKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            for (auto& [list, widget] : popupLists_) {
                if (widget->viewport() != watched) continue;
                const int row = widget->row(widget->itemAt(mouse->position().toPoint()));
                if (row >= 0) {
                    const editor::PopupList id = list;
                    reportErrors(prompts_, this,
                                 [&] { listOwner(id).popupListRightPressed(id, row); });
                }
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

editor::Screen& TFXg::listOwner(editor::PopupList list) {
    return panels_->screen(editor::Panels::ownerOf(list));
}

void TFXg::endDrags() {
    if (panels_) panels_->endDrags();
}

void TFXg::showMessage(const std::string& text) {
    prompts_.message(this, QString::fromStdString(text));
}

} // namespace app
