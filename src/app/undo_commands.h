#pragma once
// "&Undo" and "&Redo" of the "&Edit" menu (Ctrl+Z, Ctrl+Shift+Z): every menu command and
// everything done on the painted screens is one step; taking a step back or forth sends
// the module what changed, shows the step's part and redraws every screen.

#include "app/main_menu.h"
#include "editor/edit_steps.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>

namespace app {

class Session;
class TFXg;

// "Load Set" for "&1 Load Set ... (XGS,MID) ...": the caption without its accelerator,
// number and dialog dots.
std::string commandActionName(const QString& caption);

class UndoCommands final : public QObject {
  public:
    // `editor` gives the editor window once it exists.
    UndoCommands(Session& session, const MainMenu& menu, std::function<TFXg*()> editor,
                 QObject* parent);

    // The editor window's screens mark their steps from now on.
    void attachEditor(TFXg& editor);
    editor::EditSteps& steps() { return steps_; }

    void undo();
    void redo();
    // The menu texts name the steps that undo and redo would take.
    void updateMenu();

  private:
    void step(bool back);

    Session& session_;
    const MainMenu& menu_;
    std::function<TFXg*()> editor_;
    editor::EditSteps steps_;
};

} // namespace app
