#pragma once
// Message boxes and modal dialogs go through this interface, so that the windows can be
// driven by tests without anything waiting for a click.

#include <QString>

#include <exception>
#include <functional>
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
    // A warning with Yes and No; true for Yes. Without someone to ask, the answer is No,
    // which changes nothing.
    virtual bool question(QWidget* /*parent*/, const QString& /*text*/) { return false; }
};

// The real thing: QMessageBox and QDialog::exec.
class QtPrompts final : public Prompts {
  public:
    void message(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    void runModal(QDialog& dialog) override;
    bool question(QWidget* parent, const QString& text) override;
};

// Every box and dialog of the program goes through this one: before it shows, whatever
// drag runs on the editor's screens ends as a release would, because the release itself
// will go to the box. Without that the drag would go on after the box and the next press
// would move the old control.
class DragEndingPrompts final : public Prompts {
  public:
    explicit DragEndingPrompts(Prompts& shown) : shown_(shown) {}
    void setBeforeModal(std::function<void()> endDrags) { endDrags_ = std::move(endDrags); }

    void message(QWidget* parent, const QString& text) override {
        before();
        shown_.message(parent, text);
    }
    void error(QWidget* parent, const QString& text) override {
        before();
        shown_.error(parent, text);
    }
    void runModal(QDialog& dialog) override {
        before();
        shown_.runModal(dialog);
    }
    bool question(QWidget* parent, const QString& text) override {
        before();
        return shown_.question(parent, text);
    }

  private:
    void before() {
        if (endDrags_) endDrags_();
    }

    Prompts& shown_;
    std::function<void()> endDrags_;
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
