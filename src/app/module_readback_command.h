#pragma once
// "&Get From Module ..." of the File menu: the module is asked for everything the editor
// keeps, with a progress dialog, and what it answers becomes the image as one undo step.

#include "app/main_menu.h"
#include "app/prompts.h"

#include <QObject>

#include <functional>

class QMainWindow;

namespace app {

class MidiInputRelay;
class Session;
class SetFileCommands;
class TFXg;

class ModuleReadbackCommand final : public QObject {
  public:
    // `setFiles` closes the QS300 editor before the image is replaced and shows the new set
    // afterwards; `editor` gives the editor window once it exists.
    ModuleReadbackCommand(Session& session, QMainWindow& window, Prompts& prompts,
                          MidiInputRelay& input, SetFileCommands& setFiles,
                          std::function<TFXg*()> editor);

    // Puts the item into the File menu, before "Import SysEx ...".
    void attach(MainMenu& menu);

    void GetFromModule1Click();

  private:
    bool portsOpen();

    Session& session_;
    QMainWindow& window_;
    Prompts& prompts_;
    MidiInputRelay& input_;
    SetFileCommands& setFiles_;
    std::function<TFXg*()> editor_;
};

} // namespace app
