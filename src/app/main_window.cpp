#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/editor_window.h"
#include "app/midi_input.h"
#include "app/midi_monitor_window.h"
#include "app/module_readback_command.h"
#include "app/port_dialog.h"
#include "app/qs300_file_commands.h"
#include "app/send_progress.h"
#include "app/session.h"
#include "app/undo_commands.h"
#include "app/virtual_keyboard_window.h"
#include "app/voice_editor_link.h"
#include "image/image_init.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>
#include <iostream>
#include <utility>

namespace app {

namespace {
constexpr int kChannelCount = 16;
constexpr std::uint8_t kControlChange = 0xB0;
constexpr std::uint8_t kResetAllControllers = 121;
const QString kProgramName = QStringLiteral("XG-Orvo");
} // namespace

TMF::TMF(Session& session, Prompts& prompts) : session_(session), prompts_(prompts) {
    setObjectName(QStringLiteral("TMF"));
    prompts_.setBeforeModal([this] {
        if (editor_) editor_->endDrags();
    });
    setWindowTitle(kProgramName);
    menu_ = buildMainMenu(*this);
    undo_ = new UndoCommands(
        session_, menu_, [this] { return editor_; }, this);
    connectMenu();
    connectVoiceEditorCommands();

    // A configuration file that cannot be read is reported once; the defaults apply. The
    // device number reaches the templates once the image is initialised (below).
    reportErrors(prompts_, this, [this] { session_.loadConfiguration(); });
    updateHistoryMenu();
    session_.createFileContainer();
    image::initialiseImage(session_.image());
    // The initialised image holds voice dumps made for device 0, so the configured device
    // number goes into them and into the templates only now.
    session_.applySettings();

    auto& messages = session_.messages();
    // While waiting for the module the window stays alive and MIDI input keeps coming in.
    messages.handshake().setPump([] { QCoreApplication::processEvents(); });
    messages.setAlertHandler(
        [this](const std::string& text) { prompts_.message(this, QString::fromStdString(text)); });
    // The loss can be noticed in the middle of a drag step; the box comes after the step,
    // and showing it ends the drag. While closing, it is told before the window goes.
    session_.port().setOutputLostHandler([this](const std::string& text) {
        if (closing_) {
            lossesWhileClosing_.push_back(text);
            return;
        }
        QMetaObject::invokeMethod(
            this, [this, text] { reportOutputLoss(text); }, Qt::QueuedConnection);
    });
    // The sender meets a lost device on its own thread; the news is handled here.
    session_.port().setSenderNotifier([this] {
        QMetaObject::invokeMethod(
            this, [this] { session_.port().poll(); }, Qt::QueuedConnection);
    });
    midiInput_ = std::make_unique<MidiInputRelay>(session_);
    midiInput_->setDropReporter([this](const std::string& text) {
        if (!editor_) return;
        if (text.empty())
            editor_->effects().hideThruNotice();
        else
            editor_->effects().showThruNotice(text);
    });
    sendProgress_ = new SendProgress(session_.port(), *this);
    setFiles_ = new SetFileCommands(
        session_, *this, prompts_, [this] { return editor_; }, [this] { updateHistoryMenu(); });
    setFiles_->attach(menu_);
    (new ModuleReadbackCommand(session_, *this, prompts_, *midiInput_, *setFiles_, [this] {
        return editor_;
    }))->attach(menu_);
    installMidiMonitor(*this, menu_, session_.monitorLog());
}

TMF::~TMF() {
    session_.port().setSenderNotifier({});
}

void TMF::connectMenu() {
    connect(menu_.exit, &QAction::triggered, this, &TMF::FileExitItemClick);
    connect(menu_.midiPort, &QAction::triggered, this, &TMF::MidiPort2Click);
    connect(menu_.allNotesOff, &QAction::triggered, this, &TMF::AllNotesOff1Click);
    connect(menu_.info, &QAction::triggered, this, &TMF::HelpAboutItemClick);
    connectDialogCommands();
    connect(menu_.zoom, &QActionGroup::triggered, this,
            [this](QAction* action) { setZoom(action->data().toInt()); });
    // A menu opening closes the editor's pop-up lists first.
    for (QMenu* menu : {menu_.file, menu_.job, menu_.option, menu_.view, menu_.help}) {
        connect(menu, &QMenu::aboutToShow, this, [this] {
            if (editor_) editor_->hidePopupLists();
        });
    }
}

void TMF::closeQs300Editor() {
    if (editor_) editor_->voiceEditor().closeIfOpen();
}

void TMF::drumSetupsReplaced() {
    if (!editor_) return;
    editor_->drums().showImageKits();
    editor_->update();
}

void TMF::fileNamesForgotten() {
    if (qs300Files_) qs300Files_->forgetLastFiles();
}

void TMF::updateHistoryMenu() {
    const auto& history = session_.settings().history;
    menu_.historySeparator->setVisible(!history.empty());
    for (std::size_t i = 0; i < menu_.history.size(); ++i) {
        QAction* item = menu_.history[i];
        item->setVisible(i < history.size());
        if (i < history.size()) item->setText(QString::fromStdString(history[i]));
    }
    showHelpLanguage();
}

void TMF::createEditorWindow() {
    editor_ = new TFXg(session_, prompts_);
    editor_->effects().setHooks(this);
    setFiles_->setHooks(this);
    undo_->attachEditor(*editor_);
    midiInput_->setInputObserver([this](const std::vector<std::uint8_t>& message) {
        if (editor_) editor_->midiInput(message);
    });
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("EditorScroller"));
    scrollArea_->setWidgetResizable(false);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidget(editor_);
    // The arrow keys belong to the surface, not to the scroll area around it.
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(scrollArea_);
    editor_->setFocus();
    // The editor's caption names the set being edited; the frame's title shows it.
    connect(editor_, &QWidget::windowTitleChanged, this, [this](const QString& set) {
        setWindowTitle(set.isEmpty() ? kProgramName
                                     : kProgramName + QStringLiteral(" \u2014 ") + set);
    });
    for (QAction* action : menu_.zoom->actions())
        action->setChecked(action->data().toInt() == editor_->zoomPercent());
    editor_->FormShow();
    qs300Files_ = std::make_unique<Qs300FileCommands>(session_, prompts_, editor_->voices(), *this);
    qs300Files_->install(menu_);
    qs300Files_->setVoiceEditorHooks(&editor_->voiceEditor());
    fitToEditor();
    createVirtualKeyboard();
}

void TMF::createVirtualKeyboard() {
    keyboard_ = new TFk_maus(session_, this);
    keyboard_->setVisibilityListener([this](bool shown) {
        editor_->effects().showToolButton(effects::ToolArea::VirtualKeyboard, shown);
    });
    auto& later = menu_.comingLater;
    const auto item = std::find_if(later.begin(), later.end(), [](const QAction* action) {
        return action->objectName() == QLatin1String("VirtualKeyboard1");
    });
    if (item == later.end()) return;
    (*item)->setEnabled(true);
    connect(*item, &QAction::triggered, this, &TMF::toggleVirtualKeyboard);
    later.erase(item);
}

void TMF::createPortDialog(bool restorePorts, bool mayAsk) {
    portDialog_ = new TXmidif(session_.port(), session_.portNames(), prompts_, this);
    if (!restorePorts) return;
    if (portDialog_->FormCreate() && mayAsk) prompts_.runModal(*portDialog_);
}

void TMF::fitToEditor() {
    QSize wanted = editor_->size();
    wanted.rheight() += menuBar()->sizeHint().height();
    if (const QScreen* screen = this->screen()) {
        // A zoom that does not fit leaves the window as large as the screen allows and
        // lets the surface scroll.
        const QRect free = screen->availableGeometry();
        wanted = wanted.boundedTo(free.size() - QSize(16, 48));
    }
    resize(wanted);
}

void TMF::placeWindow() {
    const auto& settings = session_.settings();
    const QPoint stored(settings.mainLeft, settings.mainTop);
    // A position left on a screen that is no longer there would hide the window.
    if (settings.mainTop != -1 && isOnAScreen(QRect(stored, frameGeometry().size()))) {
        move(stored);
        return;
    }
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

bool TMF::isOnAScreen(const QRect& frame) {
    // Enough of the title bar on one screen to take hold of it with the mouse.
    constexpr int kGrabWidth = 64;
    constexpr int kGrabHeight = 16;
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), kGrabHeight));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = titleBar.intersected(screen->availableGeometry());
        if (seen.width() >= kGrabWidth && seen.height() >= kGrabHeight) return true;
    }
    return false;
}

void TMF::reportOutputLoss(const std::string& text) {
    // Once closed there is no window to show a box over, and a box then would keep the
    // process running without one.
    if (closing_) {
        std::cerr << "xg-orvo: " << text << '\n';
        return;
    }
    prompts_.error(this, QString::fromStdString(text));
}

void closeModalDialogs() {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (!modal->close()) break;
    }
}

void TMF::closeOnRequest() {
    // A dialog's own event loop would keep running after the window closed.
    closeModalDialogs();
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

// ---- commands --------------------------------------------------------------------------

void TMF::FileExitItemClick() {
    close();
}

void TMF::MidiPort2Click() {
    reportErrors(prompts_, this, [this] { portDialog_->refreshLists(); });
    prompts_.runModal(*portDialog_);
}

void TMF::AllNotesOff1Click() {
    reportErrors(prompts_, this, [this] {
        auto& port = session_.port();
        for (int channel = 0; channel < kChannelCount; ++channel) port.AllNotesOff(channel);
        for (int channel = 0; channel < kChannelCount; ++channel)
            port.SendShort(static_cast<std::uint8_t>(kControlChange | channel),
                           kResetAllControllers, 0);
    });
}

void TMF::HelpAboutItemClick() {
    TFabout about(this);
    prompts_.runModal(about);
}

void TMF::toggleDrumEditor() {
    if (editor_) editor_->toggleDrumEditor();
}

void TMF::toggleKeyboardRange() {
    if (editor_) editor_->panels().toggle(editor::Panel::KeyboardRange);
}

void TMF::toggleVirtualKeyboard() {
    if (keyboard_) keyboard_->toggle();
}

void TMF::thruChanged(bool on) {
    session_.settings().thru = on;
}

void TMF::setZoom(int percent) {
    session_.setZoomPercent(percent);
    editor_->setZoom(session_.zoomPercent());
    for (QAction* action : menu_.zoom->actions())
        action->setChecked(action->data().toInt() == session_.zoomPercent());
    if (!isMaximized() && !isFullScreen()) fitToEditor();
}

void TMF::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    closing_ = true;
    unsetCursor();
    reportErrors(prompts_, this, [this] {
        // A long send still under way ends after the message in flight; the last few
        // edits still go.
        const auto progress = session_.port().progress();
        if (progress.queuedMicros - progress.doneMicros > SendProgress::kShowAboveMicros)
            session_.port().stopSending();
        session_.messages().sendCloseMessages();
        // The process ends right after; let the last message leave the cable first.
        session_.port().drain();
    });
    auto& settings = session_.settings();
    settings.mainLeft = x();
    settings.mainTop = y();
    if (keyboard_) keyboard_->storeSettings();
    reportErrors(prompts_, this, [this] { session_.saveConfiguration(); });
    // A device lost while closing is told now, while the window is still there.
    for (const auto& text : std::exchange(lossesWhileClosing_, {}))
        prompts_.error(this, QString::fromStdString(text));
    event->accept();
    emit closed();
}

} // namespace app
