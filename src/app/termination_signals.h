#pragma once
// SIGTERM (a desktop logout, `kill`) and SIGINT (Ctrl+C in a terminal) as a request to
// close the program the orderly way, like "&Exit". The signal only writes a byte into a
// socket; the GUI thread reads it through a notifier and emits `requested`. Where the
// system has no such signals, nothing is installed.

#include <QObject>

class QSocketNotifier;

namespace app {

class TerminationSignals final : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers; only one instance may exist at a time.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // A request arrived (also before anything was connected to `requested`).
    bool received() const { return received_; }

  signals:
    void requested();

  private:
    void readSignal();

    bool received_ = false;
    int sockets_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace app
