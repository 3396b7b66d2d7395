#include "app/midi_monitor_window.h"

#include "app/main_menu.h"
#include "app/midi_monitor_model.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace app {

namespace {

// Often enough to look live, seldom enough that a flood of input arrives in a few large
// batches instead of thousands of small ones.
constexpr int kRefreshMs = 100;

} // namespace

MidiMonitorWindow::MidiMonitorWindow(midi::MonitorLog& log, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("MidiMonitor"));
    setWindowTitle(QStringLiteral("MIDI Monitor"));
    model_ = new MidiMonitorModel(log, this);

    pause_ = new QPushButton(QStringLiteral("&Pause"), this);
    pause_->setObjectName(QStringLiteral("MonitorPause"));
    pause_->setCheckable(true);
    auto* clear = new QPushButton(QStringLiteral("&Clear"), this);
    clear->setObjectName(QStringLiteral("MonitorClear"));
    auto* copy = new QPushButton(QStringLiteral("C&opy"), this);
    copy->setObjectName(QStringLiteral("MonitorCopy"));
    direction_ = new QComboBox(this);
    direction_->setObjectName(QStringLiteral("MonitorDirection"));
    direction_->addItems(
        {QStringLiteral("Sent and received"), QStringLiteral("Sent"), QStringLiteral("Received")});
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("MonitorKind"));
    kind_->addItems({QStringLiteral("All messages"), QStringLiteral("Channel messages"),
                     QStringLiteral("Parameter changes"), QStringLiteral("Bulk dumps"),
                     QStringLiteral("Requests"), QStringLiteral("Other")});

    view_ = new QListView(this);
    view_->setObjectName(QStringLiteral("MonitorLines"));
    view_->setModel(model_);
    // Every row has the same height: the view need not measure 10,000 decoded lines.
    view_->setUniformItemSizes(true);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* bar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{pause_, clear, copy, direction_, kind_})
        bar->addWidget(w);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view_);
    resize(900, 500);

    timer_ = new QTimer(this);
    timer_->setInterval(kRefreshMs);
    connect(timer_, &QTimer::timeout, this, &MidiMonitorWindow::refresh);
    connect(clear, &QPushButton::clicked, this, [this] { model_->clear(); });
    connect(copy, &QPushButton::clicked, this, &MidiMonitorWindow::copySelection);
    connect(pause_, &QPushButton::toggled, this, [this](bool paused) {
        if (!paused) refresh();
    });
    connect(direction_, &QComboBox::currentIndexChanged, this, [this] { applyFilter(); });
    connect(kind_, &QComboBox::currentIndexChanged, this, [this] { applyFilter(); });
    auto* copyKey = new QShortcut(QKeySequence::Copy, view_);
    connect(copyKey, &QShortcut::activated, this, &MidiMonitorWindow::copySelection);
}

void MidiMonitorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        model_->setOrigin(model_->logTime());
    }
    refresh();
    timer_->start();
}

void MidiMonitorWindow::hideEvent(QHideEvent* event) {
    // Hidden, the window costs nothing: the log alone keeps recording.
    timer_->stop();
    QWidget::hideEvent(event);
}

void MidiMonitorWindow::refresh() {
    // While paused the log keeps the newest lines; they are listed on resuming.
    if (pause_->isChecked()) return;
    const auto* scroll = view_->verticalScrollBar();
    const bool atBottom = scroll->value() == scroll->maximum();
    if (model_->takeNewLines() > 0 && atBottom) view_->scrollToBottom();
}

void MidiMonitorWindow::applyFilter() {
    std::optional<midi::Direction> direction;
    if (direction_->currentIndex() == 1) direction = midi::Direction::Out;
    if (direction_->currentIndex() == 2) direction = midi::Direction::In;
    std::optional<midi::MessageKind> kind;
    if (kind_->currentIndex() > 0) kind = static_cast<midi::MessageKind>(kind_->currentIndex() - 1);
    model_->setFilter(direction, kind);
    view_->scrollToBottom();
}

QString MidiMonitorWindow::selectedText() const {
    auto rows = view_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (const auto& index : rows) lines << model_->lineText(index.row());
    return lines.join(QLatin1Char('\n'));
}

void MidiMonitorWindow::copySelection() {
    const auto text = selectedText();
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void installMidiMonitor(QMainWindow& window, const MainMenu& menu, midi::MonitorLog& log) {
    QAction* item = menu.option->addAction(QStringLiteral("&MIDI Monitor ..."));
    item->setObjectName(QStringLiteral("MidiMonitor1"));
    auto* monitor = new MidiMonitorWindow(log, &window);
    QObject::connect(item, &QAction::triggered, monitor, [monitor] {
        monitor->show();
        monitor->raise();
        monitor->activateWindow();
    });
}

} // namespace app
