#pragma once
// The program's QApplication. An exception that escapes an event handler (a menu command,
// a mouse event, a queued MIDI message) ends that event only and is shown to the user,
// instead of ending the program.

#include <QApplication>

#include <functional>
#include <string>

namespace app {

class Application final : public QApplication {
  public:
    using ErrorHandler = std::function<void(const std::string& text)>;

    Application(int& argc, char** argv);
    void setErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    ErrorHandler errorHandler_;
};

} // namespace app
