#pragma once
// "&MIDI Monitor ...": a window listing every message sent to and received from the
// module, newest at the bottom, with the time, the direction, the bytes and their meaning.

#include "midi/monitor_log.h"

#include <QWidget>

class QComboBox;
class QListView;
class QMainWindow;
class QPushButton;
class QTimer;

namespace app {

class MidiMonitorModel;
struct MainMenu;

class MidiMonitorWindow final : public QWidget {
  public:
    MidiMonitorWindow(midi::MonitorLog& log, QWidget* parent = nullptr);

    MidiMonitorModel& model() { return *model_; }
    // Takes what arrived since the last look; the timer calls it while shown.
    void refresh();
    // The selected lines, one per line, as the clipboard gets them.
    QString selectedText() const;
    void copySelection();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void applyFilter();

    MidiMonitorModel* model_ = nullptr;
    QListView* view_ = nullptr;
    QPushButton* pause_ = nullptr;
    QComboBox* direction_ = nullptr;
    QComboBox* kind_ = nullptr;
    QTimer* timer_ = nullptr;
    bool shownBefore_ = false;
};

// Adds "&MIDI Monitor ..." to the Option menu; the window is made the first time.
void installMidiMonitor(QMainWindow& window, const MainMenu& menu, midi::MonitorLog& log);

} // namespace app
