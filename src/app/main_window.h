#pragma once
// The main window: the menu, the editor window in the middle, the port dialog and the MIDI
// input. Its creation reads the configuration and prepares the image; closing it sends
// the close messages and writes the configuration back.

#include "app/main_menu.h"
#include "app/prompts.h"
#include "app/set_file_commands.h"
#include "effects/tool_strip_hooks.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QScrollArea;

namespace app {

class HelpWindow;
class MidiInputRelay;
class TFP_coper;
class TFSets;
class TFp_ini;
class Qs300FileCommands;
class SendProgress;
class Session;
class TFXg;
class TXmidif;
class TFk_maus;
class UndoCommands;

// Closes every modal dialog and message box that is open, innermost first.
void closeModalDialogs();

class TMF final : public QMainWindow, public effects::ToolStripHooks, public SetFileHooks {
    Q_OBJECT
  public:
    // FormCreate: settings loaded, device number into the templates, history menu, file
    // container, image initialised, MIDI input relay installed.
    TMF(Session& session, Prompts& prompts);
    ~TMF() override;

    // The editor window, shown and painted from the image.
    void createEditorWindow();
    // The port dialog; `restorePorts` runs its creation (stored ports opened, the dialog
    // shown when neither stored name is present and `mayAsk` allows it).
    void createPortDialog(bool restorePorts, bool mayAsk);
    // The job dialogs and "Settings"; the settings dialog's creation runs the start
    // actions (the voice bank autoloaded by `autoload`, QS300 local off, XG System On).
    void createDialogs(const std::function<void(Session&)>& autoload);
    // Centred on the screen when no position is stored or the stored one lies outside
    // every screen, else where it was left.
    void placeWindow();
    // A request to end from outside (SIGTERM, Ctrl+C): every open dialog is closed, then
    // the window, the same way as "&Exit".
    void closeOnRequest();

    TFXg& editorWindow() { return *editor_; }
    TXmidif& portDialog() { return *portDialog_; }
    TFk_maus& virtualKeyboard() { return *keyboard_; }
    TFSets& settingsDialog() { return *settingsDialog_; }
    TFP_coper& copyDialog() { return *copyDialog_; }
    TFp_ini& initDialog() { return *initDialog_; }
    // Made when the help is first asked for.
    HelpWindow* helpWindow() const { return helpWindow_; }
    MidiInputRelay& midiInput() { return *midiInput_; }
    SendProgress& sendProgress() { return *sendProgress_; }
    // The set, effect and drum file commands, "New", the history and "Refresh Drumsets".
    SetFileCommands& setFiles() { return *setFiles_; }
    const MainMenu& menu() const { return menu_; }
    UndoCommands& undoCommands() { return *undo_; }
    // The QS300 voice and bank commands (made with the editor window).
    Qs300FileCommands& qs300Files() { return *qs300Files_; }
    // The prompts every window of the program uses: a box ends a running drag first.
    Prompts& prompts() { return prompts_; }

    // ---- commands ----
    void FileExitItemClick();
    void MidiPort2Click();
    void AllNotesOff1Click();
    void HelpAboutItemClick();
    void Settings1Click();
    void CopyPart1Click();
    void InitializePart1Click();
    void XGOrvoHelp1Click();
    void EnglishHelp1Click();
    void DeutscheHilfe1Click();
    // The help window at a topic ("Inhalt", "X_Settings", ...) in the chosen language.
    void openHelp(std::string_view topic);
    // The help topic of the screen in front (F1 opens it).
    std::string_view screenHelpTopic() const;
    void setZoom(int percent);

    // ---- effects::ToolStripHooks ----
    void showAbout() override { HelpAboutItemClick(); }
    void openVoiceEditor(int part) override;
    // "&Edit QS300 Voice ..." on the current part and "&Initialize Element ...".
    void EditQS300Voice1Click();
    void InitializeElement1Click();
    void toggleDrumEditor() override;
    void toggleKeyboardRange() override;
    void toggleVirtualKeyboard() override;
    // MIDI thru is a setting kept in the configuration file.
    void thruChanged(bool on) override;

    // ---- SetFileHooks: what loads and "New" change on the editor's panels ----
    void closeQs300Editor() override;
    void drumSetupsReplaced() override;
    void fileNamesForgotten() override;

  signals:
    // The window has closed and written the configuration: the program may end.
    void closed();

  protected:
    // FormClose. Always closes; runs once.
    void closeEvent(QCloseEvent* event) override;

  private:
    void connectMenu();
    void connectVoiceEditorCommands();
    void connectDialogCommands();
    void showHelpLanguage();
    void updateHistoryMenu();
    void fitToEditor();
    void createVirtualKeyboard();
    void reportOutputLoss(const std::string& text);
    static bool isOnAScreen(const QRect& frame);

    Session& session_;
    DragEndingPrompts prompts_;
    MainMenu menu_;
    std::unique_ptr<MidiInputRelay> midiInput_;
    SendProgress* sendProgress_ = nullptr;
    SetFileCommands* setFiles_ = nullptr;
    UndoCommands* undo_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    TFXg* editor_ = nullptr;
    std::unique_ptr<Qs300FileCommands> qs300Files_;
    TXmidif* portDialog_ = nullptr;
    TFk_maus* keyboard_ = nullptr;
    TFp_ini* initDialog_ = nullptr;
    TFSets* settingsDialog_ = nullptr;
    TFP_coper* copyDialog_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    bool closing_ = false;
    std::vector<std::string> lossesWhileClosing_;
};

} // namespace app
