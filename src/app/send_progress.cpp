#include "app/send_progress.h"

#include "midi/midi_port.h"

#include <QProgressBar>
#include <QWidget>

namespace app {

namespace {
constexpr int kCheckIntervalMs = 50;
constexpr int kSteps = 1000;
constexpr int kBarWidth = 320;
constexpr int kBarHeight = 18;
constexpr int kMargin = 6;
} // namespace

SendProgress::SendProgress(midi::MidiPort& port, QWidget& window)
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
        bar_->setGeometry(kMargin, window_.height() - kBarHeight - kMargin, kBarWidth, kBarHeight);
        bar_->raise();
        bar_->show();
        return;
    }
    if (left == 0) {
        bar_->hide();
        return;
    }
    // Edits made meanwhile join the queue and lengthen the bar's way.
    const auto total = progress.queuedMicros - startDone_;
    bar_->setValue(static_cast<int>((progress.doneMicros - startDone_) * kSteps / total));
}

} // namespace app
