#pragma once
// The progress of every long send in one place: whenever the editor has queued more than
// about 200 ms of cable time (a set, a bank, copies to all parts, a refresh of the drum
// setups), a bar at the free end of the main window's menu bar follows the queue until it
// is empty.
// Senders need do nothing for it; the window stays free to repaint, move and edit.

#include <QObject>
#include <QTimer>

#include <cstdint>

class QMainWindow;
class QProgressBar;

namespace midi {
class MidiPort;
}

namespace app {

class SendProgress final : public QObject {
    Q_OBJECT
  public:
    static constexpr std::uint64_t kShowAboveMicros = 200'000;

    SendProgress(midi::MidiPort& port, QMainWindow& window);

    // The timer's turn; shows, advances or hides the bar.
    void check();
    const QProgressBar& bar() const { return *bar_; }

  private:
    void place();

    midi::MidiPort& port_;
    QMainWindow& window_;
    QProgressBar* bar_;
    QTimer timer_;
    std::uint64_t startDone_ = 0;
};

} // namespace app
