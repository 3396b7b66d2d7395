#pragma once
// The port dialog: the "Midi In" and "Midi Out" lists and OK. It is made once at start-up,
// where it opens the stored devices or asks for them, and shown again by "Midi Port ...".

#include "app/prompts.h"
#include "midi/midi_port.h"
#include "midi/port_dialog_logic.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace app {

class TXmidif final : public QDialog {
    Q_OBJECT
  public:
    TXmidif(midi::MidiPort& port, midi::PortNameStore& store, Prompts& prompts,
            QWidget* parent = nullptr);

    // At start-up: opens the stored ports (an open failure is shown in the error box) and
    // tells whether the user has to be asked.
    bool FormCreate();
    // Lists filled from the port layer, selection on the port's selected lines.
    void fillLists();
    // Before showing again: reads the devices present now, keeping the selected names
    // where they still exist (interfaces and JACK clients come and go while we run).
    void refreshLists();

    QListWidget* inputList() const { return ListBox1; }
    QListWidget* outputList() const { return ListBox2; }
    QPushButton* okButton() const { return Button1; }

    // OK reopens the devices of the selected lines; Escape and the close button leave the
    // devices and the selection as they were when the dialog was shown.
    void done(int result) override;

  private:
    void Button1Click();
    void selectionChanged();

    midi::MidiPort& port_;
    midi::PortDialogLogic logic_;
    Prompts& prompts_;
    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QPushButton* Button1;
    int shownInputLine_ = 0;
    int shownOutputLine_ = 0;
};

} // namespace app
