// The main window's commands that run a dialog of their own: settings, part copy and
// initialise, and the help.

#include "app/editor_window.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/part_copy_dialog.h"
#include "app/session.h"
#include "app/settings_command.h"
#include "app/settings_dialog.h"
#include "midi/part_jobs.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QShortcut>

namespace app {

namespace {

// Which name colour a part's target button shows: 2 drum part, 1 QS300 voice, 0 XG voice.
int nameKindOf(const image::SynthImage& image, int part) {
    if (image.part(part, image::offset::kPartMode) != 0) return 2;
    return image.part(part, image::offset::kBankMsb) == image::kBankQsUserVoice ? 1 : 0;
}

// The hourglass for as long as a job runs.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

void TMF::connectDialogCommands() {
    connect(menu_.settings, &QAction::triggered, this, &TMF::Settings1Click);
    connect(menu_.copyPart, &QAction::triggered, this, &TMF::CopyPart1Click);
    connect(menu_.initializePart, &QAction::triggered, this, &TMF::InitializePart1Click);
    connect(menu_.manual, &QAction::triggered, this, &TMF::XGOrvoHelp1Click);
    connect(menu_.englishHelp, &QAction::triggered, this, &TMF::EnglishHelp1Click);
    connect(menu_.germanHelp, &QAction::triggered, this, &TMF::DeutscheHilfe1Click);
    // While the QS300 voice editor is open, the part it edits may not be copied over or
    // reset behind its back.
    connect(menu_.job, &QMenu::aboutToShow, this, [this] {
        const bool voiceEditorOpen =
            editor_ && editor_->panels().isOpen(editor::Panel::VoiceEditor);
        menu_.copyPart->setEnabled(!voiceEditorOpen);
        menu_.initializePart->setEnabled(!voiceEditorOpen);
    });
    // F1 opens the page of the screen in front.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { openHelp(screenHelpTopic()); });
}

std::string_view TMF::screenHelpTopic() const {
    if (!editor_) return "Inhalt";
    const editor::Panels& panels = editor_->panels();
    if (panels.isOpen(editor::Panel::VoiceEditor)) return "X_QS300Editor";
    if (panels.isOpen(editor::Panel::DrumEditor)) return "X_DrumEditor";
    if (panels.isOpen(editor::Panel::KeyboardRange)) return "X_KeyRange";
    return "X_PartEditor";
}

void TMF::createDialogs(const std::function<void(Session&)>& autoload) {
    initDialog_ = new TFp_ini(this);
    settingsDialog_ = new TFSets(this);
    settingsDialog_->setHelp([this] { openHelp("X_Settings"); });
    reportErrors(prompts_, this, [&] { runStartActions(session_, autoload); });
    copyDialog_ = new TFP_coper(this);
}

void TMF::Settings1Click() {
    if (!settingsDialog_ || !editor_) return;
    runSettingsDialog(*settingsDialog_, session_, *editor_, prompts_);
}

void TMF::CopyPart1Click() {
    if (!copyDialog_ || !editor_) return;
    auto& image = session_.image();
    const int source = image.currentPart;
    const auto& s = session_.settings();
    copyDialog_->prepare(source, [&image](int part) { return nameKindOf(image, part); },
                         {s.xgColor, s.qsColor, s.drumColor});
    prompts_.runModal(*copyDialog_);
    if (copyDialog_->result() != QDialog::Accepted || copyDialog_->target() < 0) return;
    midi::CopyOutcome outcome;
    reportErrors(prompts_, this, [&] {
        BusyCursor busy;
        outcome = midi::CopyParts(image, session_.messages(), source, copyDialog_->target(),
                                  copyDialog_->choice());
    });
    if (!outcome.targets.empty()) editor_->redrawScreens();
}

void TMF::InitializePart1Click() {
    if (!initDialog_ || !editor_) return;
    auto& image = session_.image();
    const int part = image.currentPart;
    initDialog_->prepare(part);
    prompts_.runModal(*initDialog_);
    if (initDialog_->result() != QDialog::Accepted) return;
    reportErrors(prompts_, this, [&] {
        midi::InitializePart(image, session_.messages(), part, initDialog_->withDefaultVoice());
    });
    editor_->redrawScreens();
}

void TMF::openHelp(std::string_view topic) {
    if (!helpWindow_) helpWindow_ = new HelpWindow(this);
    helpWindow_->showTopic(topic, session_.settings().helpEnglish);
}

void TMF::XGOrvoHelp1Click() {
    openHelp("Inhalt");
}

void TMF::EnglishHelp1Click() {
    session_.settings().helpEnglish = true;
    showHelpLanguage();
    openHelp("Inhalt");
}

void TMF::DeutscheHilfe1Click() {
    session_.settings().helpEnglish = false;
    showHelpLanguage();
    openHelp("Inhalt");
}

void TMF::showHelpLanguage() {
    menu_.englishHelp->setChecked(session_.settings().helpEnglish);
    menu_.germanHelp->setChecked(!session_.settings().helpEnglish);
}

} // namespace app
