#pragma once
// The main window: the menu, the editor window in the middle, the port dialog and the MIDI
// input. Its creation reads the configuration and prepares the image; closing it sends
// the close messages and writes the configuration back.

#include "app/main_menu.h"
#include "app/prompts.h"
#include "effects/tool_strip_hooks.h"

#include <QMainWindow>

#include <memory>

class QScrollArea;

namespace app {

class MidiInputRelay;
class SendProgress;
class Session;
class TFXg;
class TXmidif;

class TMF final : public QMainWindow, public effects::ToolStripHooks {
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
    // Centred on the screen when no position is stored, else where it was left.
    void placeWindow();

    TFXg& editorWindow() { return *editor_; }
    TXmidif& portDialog() { return *portDialog_; }
    MidiInputRelay& midiInput() { return *midiInput_; }
    SendProgress& sendProgress() { return *sendProgress_; }
    const MainMenu& menu() const { return menu_; }

    // ---- commands ----
    void FileExitItemClick();
    void MidiPort2Click();
    void AllNotesOff1Click();
    void HelpAboutItemClick();
    void setZoom(int percent);

    // ---- effects::ToolStripHooks (the QS300 editor, the virtual keyboard, the drum
    // editor and the keyboard range page are not there yet) ----
    void showAbout() override { HelpAboutItemClick(); }
    // MIDI thru is a setting kept in the configuration file.
    void thruChanged(bool on) override;

  protected:
    // FormClose.
    void closeEvent(QCloseEvent* event) override;

  private:
    void connectMenu();
    void updateHistoryMenu();
    void fitToEditor();

    Session& session_;
    Prompts& prompts_;
    MainMenu menu_;
    std::unique_ptr<MidiInputRelay> midiInput_;
    SendProgress* sendProgress_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    TFXg* editor_ = nullptr;
    TXmidif* portDialog_ = nullptr;
};

} // namespace app
