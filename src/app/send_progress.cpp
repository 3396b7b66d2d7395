#include "app/send_progress.h"

#include "midi/midi_port.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>

#include <algorithm>

namespace app {

namespace {
constexpr int kCheckIntervalMs = 50;
constexpr int kSteps = 1000;
constexpr int kBarWidth = 240;
} // namespace

SendProgress::SendProgress(midi::MidiPort& port, QMainWindow& window)
    : QObject(&window), port_(port), window_(window), bar_(new QProgressBar(&window)) {
    bar_->setObjectName(QStringLiteral("SendProgress"));
    bar_->setRange(0, kSteps);
    bar_->setFormat(QStringLiteral("Sending %p %"));
    bar_->hide();
    connect(&timer_, &QTimer::timeout, this, &SendProgress::check);
    timer_.start(kCheckIntervalMs);
}

void SendProgress::check() {
    const auto progress = port_.progress();
    const auto left = progress.queuedMicros - progress.doneMicros;
    if (bar_->isHidden()) {
        if (left <= kShowAboveMicros) return;
        startDone_ = progress.doneMicros;
        bar_->setValue(0);
        place();
        bar_->raise();
        bar_->show();
        return;
    }
    place(); // the window may have been resized meanwhile
    if (left == 0) {
        bar_->hide();
        return;
    }
    // Edits made meanwhile join the queue and lengthen the bar's way.
    const auto total = progress.queuedMicros - startDone_;
    bar_->setValue(static_cast<int>((progress.doneMicros - startDone_) * kSteps / total));
}

// Over the free right end of the menu bar: it covers no control while the user keeps
// editing.
void SendProgress::place() {
    const int height = std::max(8, window_.menuBar()->sizeHint().height() - 4);
    bar_->setGeometry(window_.width() - kBarWidth - 6, 2, kBarWidth, height);
}

} // namespace app
