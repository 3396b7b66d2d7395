#pragma once
// The progress of every long send in one place: whenever the editor has queued more than
// about 200 ms of cable time (a set, a bank, copies to all parts, a refresh of the drum
// setups), a bar over the bottom of the main window follows the queue until it is empty.
// Senders need do nothing for it; the window stays free to repaint, move and edit.

#include <QObject>
#include <QTimer>

#include <cstdint>

class QProgressBar;
class QWidget;

namespace midi {
class MidiPort;
}

namespace app {

class SendProgress final : public QObject {
    Q_OBJECT
  public:
    static constexpr std::uint64_t kShowAboveMicros = 200'000;

    SendProgress(midi::MidiPort& port, QWidget& window);

    // The timer's turn; shows, advances or hides the bar.
    void check();
    const QProgressBar& bar() const { return *bar_; }

  private:
    midi::MidiPort& port_;
    QWidget& window_;
    QProgressBar* bar_;
    QTimer timer_;
    std::uint64_t startDone_ = 0;
};

} // namespace app
