#include "app/editor_window.h"

#include "app/drum_part_prompt.h"
#include "app/mouse_buttons.h"
#include "app/panel_list_delegate.h"
#include "app/popup_list.h"
#include "app/session.h"
#include "app/settings_command.h"
#include "app/voice_editor_link.h"
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

// A voice chosen for the current part that is no drum setup closes the drum editor.
class TFXg::DrumSetupWatch final : public midi::VoiceChangeListener {
  public:
    DrumSetupWatch(const image::SynthImage& image, drums::DrumEditor& drums)
        : image_(image), drums_(drums) {}
    void partVoiceChanged(int part) override {
        constexpr int kFirstDrumSetupMode = 2; // part modes 2 and 3 play the drum setups
        if (part == image_.currentPart &&
            image_.part(part, image::offset::kPartMode) < kFirstDrumSetupMode)
            drums_.partLeftDrumSetup();
    }

  private:
    const image::SynthImage& image_;
    drums::DrumEditor& drums_;
};

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
    editor_->setNameColours(nameColoursOf(session_.settings()));
    voices_ = std::make_unique<VoiceChooser>(session_, *this);
    makeDrumEditor();
    drumWatch_ = std::make_unique<DrumSetupWatch>(session_.image(), *drums_);
    voices_->selection().addListener(*drumWatch_);
    installRangePage();
    voiceEditor_ = std::make_unique<VoiceEditorLink>(session_, *this);
    panels_->install(editor::Panel::VoiceEditor, voiceEditor_->editor());
    setZoom(session_.zoomPercent());
}

void TFXg::installRangePage() {
    rangeHost_ = std::make_unique<editor::PanelHost>(*this, editor::Panel::KeyboardRange);
    rangePage_ = std::make_unique<aids::RangePage>(session_.image(), session_.messages(), *editor_,
                                                   *rangeHost_);
    rangePage_->setOpenListener(
        [this](bool open) { effects_->showToolButton(effects::ToolArea::KeyboardRange, open); });
    editor_->setNoteLimitListener([this] { rangePage_->currentPartChanged(); });
    panels_->install(editor::Panel::KeyboardRange, *rangePage_);
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
    // The effect editor and the voice lists unhook themselves from the part editor, which
    // must still be there.
    voices_.reset();
    effects_.reset();
    panels_.reset();
    voiceEditor_.reset();
}

void TFXg::makeDrumEditor() {
    drumHost_ = std::make_unique<editor::PanelHost>(*this, editor::Panel::DrumEditor);
    drumChooser_ = std::make_unique<DrumPartPrompt>(prompts_, this);
    drums_ = std::make_unique<drums::DrumEditor>(session_.image(), session_.messages(),
                                                 session_.port(), *drumHost_);
    drums_->setPartChooser(drumChooser_.get());
    drums_->setPartChanged([this](int) {
        editor_->redrawAll();
        update();
    });
    drums_->setCloseRequest([this] {
        panels_->close(editor::Panel::DrumEditor);
        update();
    });
    panels_->install(editor::Panel::DrumEditor, *drums_);
}

void TFXg::toggleDrumEditor() {
    if (panels_->isOpen(editor::Panel::DrumEditor))
        panels_->close(editor::Panel::DrumEditor);
    else if (drums_->ShowDrumEditor())
        panels_->open(editor::Panel::DrumEditor);
    update();
}

void TFXg::midiInput(const std::vector<std::uint8_t>& message) {
    constexpr std::uint8_t kNoteOn = 0x90;
    if (message.size() < 3 || (message[0] & 0xF0) != kNoteOn || message[2] == 0) return;
    if (panels_->isOpen(editor::Panel::DrumEditor)) drums_->noteOnReceived(message[1]);
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
    // The panel's own lists follow the new size.
    if (panels_ && panels_->isOpen(editor::Panel::DrumEditor)) drums_->shown();
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
    if (editor::isPanelList(list)) widget->setItemDelegate(new PanelListDelegate(widget));
    widget->installEventFilter(this);
    widget->viewport()->installEventFilter(this);
    connect(widget, &QListWidget::itemClicked, this, [this, widget, list](QListWidgetItem* item) {
        reportErrors(prompts_, this,
                     [&] { panels_->popupListClicked(list, widget->row(item), false); });
    });
    connect(widget, &QListWidget::itemDoubleClicked, this,
            [this, widget, list](QListWidgetItem* item) {
                reportErrors(prompts_, this,
                             [&] { panels_->popupListClicked(list, widget->row(item), true); });
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
    for (auto& [list, widget] : popupLists_)
        if (!editor::isPanelList(list)) hidePopupList(list);
}

void TFXg::enablePopupList(editor::PopupList list, bool enabled) {
    if (QListWidget* widget = popupList(list)) widget->setEnabled(enabled);
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
            reportErrors(prompts_, this, [&] { panels_->popupListClicked(id, row, false); });
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
                    reportErrors(prompts_, this, [&] { panels_->popupListRightPressed(id, row); });
                }
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFXg::endDrags() {
    if (panels_) panels_->endDrags();
}

void TFXg::showMessage(const std::string& text) {
    prompts_.message(this, QString::fromStdString(text));
}

} // namespace app
