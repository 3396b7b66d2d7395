#pragma once
// Message boxes and modal dialogs go through this interface, so that the windows can be
// driven by tests without anything waiting for a click.

#include <QString>

#include <exception>
#include <utility>

class QDialog;
class QWidget;

namespace app {

class Prompts {
  public:
    virtual ~Prompts() = default;
    // A message with one OK button ("QS300 Timeout", texts of the painted screens).
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The error box for the exceptions of the MIDI and file layers.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // Shows a dialog modally and returns when it has been closed.
    virtual void runModal(QDialog& dialog) = 0;
};

// The real thing: QMessageBox and QDialog::exec.
class QtPrompts final : public Prompts {
  public:
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    void runModal(QDialog& dialog) override;
};

// Runs `action`; an exception of the lower layers ends it and is shown in the error box.
template <typename Action> void reportErrors(Prompts& prompts, QWidget* parent, Action&& action) {
    try {
        std::forward<Action>(action)();
    } catch (const std::exception& e) {
        prompts.error(parent, QString::fromStdString(e.what()));
    }
}

} // namespace app
