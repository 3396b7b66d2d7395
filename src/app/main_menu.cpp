#include "app/main_menu.h"

#include "app/zoom.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace app {

namespace {

struct Item {
    const char* name;
    const char* caption;
};

// Commands of features that are not there yet, menu by menu.
constexpr Item kFileLater[] = {
    {"FileNewItem", "&New ..."},
    {"LoadSet1", "&1 Load Set ... (XGS,MID) ..."},
    {"LoadFX1", "&2 Load FX ... (XFX,MID) ..."},
    {"LoadDrums1", "&3 Load Drums ... (XDM,MID) ..."},
    {"LoadQS300Voice1", "&4 Load QS300 Voice ... (QVC) ..."},
    {"LoadQS300Bank1", "&5 Load QS300 Bank ... (QVB) ..."},
    {"SaveSet1", "&6 Save Set ... (XGS,MID) ..."},
    {"SaveFX1", "&7 Save FX ... (XFX,MID) ..."},
    {"SaveDrums1", "&8 Save Drums ... (XDM,MID) ..."},
    {"SaveQS300Voice1", "&9 Save QS300 Voice ... (QVC) ..."},
    {"SaveQS300Bank1", "&0 Save QS300 Bank ... (QVB) ..."},
};
constexpr Item kJobBeforeNotesOff[] = {
    {"RefreshDrumMaps1", "&Refresh Drumsets"},
};
constexpr Item kJobAfterNotesOff[] = {
    {"VirtualKeyboard1", "&Virtual Keyboard ..."},
    {"EditQS300Voice1", "&Edit QS300 Voice ..."},
    {"StoreQS300Voice1", "&Store QS300 Voice ..."},
    {"InitializeElement1", "&Initialize Element ..."},
};

QAction* addItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

void addLater(QMenu* menu, const Item* begin, const Item* end, MainMenu& result) {
    for (const Item* item = begin; item != end; ++item) {
        QAction* action = addItem(menu, item->name, item->caption);
        action->setEnabled(false);
        result.comingLater.push_back(action);
    }
}

template <std::size_t N> void addLater(QMenu* menu, const Item (&items)[N], MainMenu& result) {
    addLater(menu, items, items + N, result);
}

} // namespace

MainMenu buildMainMenu(QMainWindow& window) {
    MainMenu m;
    QMenuBar* bar = window.menuBar();

    m.file = bar->addMenu(QStringLiteral("&File"));
    m.file->setObjectName(QStringLiteral("File1"));
    addLater(m.file, kFileLater, m);
    m.exit = addItem(m.file, "FileExitItem", "&Exit");
    m.historySeparator = m.file->addSeparator();
    for (std::size_t i = 0; i < m.history.size(); ++i) {
        m.history[i] = addItem(m.file, "", "");
        m.history[i]->setObjectName(QStringLiteral("of%1").arg(i + 1));
        m.history[i]->setData(static_cast<int>(i));
        // Opening a set from the history arrives with the set files.
        m.history[i]->setEnabled(false);
    }

    m.edit = bar->addMenu(QStringLiteral("&Edit"));
    m.edit->setObjectName(QStringLiteral("Edit1"));
    m.undo = addItem(m.edit, "Undo1", "&Undo");
    m.redo = addItem(m.edit, "Redo1", "&Redo");

    m.job = bar->addMenu(QStringLiteral("&Job"));
    m.job->setObjectName(QStringLiteral("Job1"));
    m.copyPart = addItem(m.job, "CopyPart1", "&Copy Part ...");
    m.initializePart = addItem(m.job, "InitializePart1", "&Initialize Part ...");
    addLater(m.job, kJobBeforeNotesOff, m);
    m.allNotesOff = addItem(m.job, "AllNotesOff1", "&All Notes Off");
    addLater(m.job, kJobAfterNotesOff, m);

    m.option = bar->addMenu(QStringLiteral("&Option"));
    m.option->setObjectName(QStringLiteral("Option1"));
    m.midiPort = addItem(m.option, "MidiPort2", "&Midi Port ...");
    m.settings = addItem(m.option, "Settings1", "&Settings ...");

    m.view = bar->addMenu(QStringLiteral("&View"));
    m.view->setObjectName(QStringLiteral("View1"));
    m.zoom = new QActionGroup(&window);
    m.zoom->setExclusive(true);
    for (int percent : kOfferedZooms) {
        QAction* action = m.view->addAction(QStringLiteral("%1 %").arg(percent));
        action->setObjectName(QStringLiteral("Zoom%1").arg(percent));
        action->setCheckable(true);
        action->setData(percent);
        m.zoom->addAction(action);
    }

    m.help = bar->addMenu(QStringLiteral("&Help"));
    m.help->setObjectName(QStringLiteral("Help1"));
    m.manual = addItem(m.help, "XGOrvoHelp1", "XG-Orvo &Help");
    m.englishHelp = addItem(m.help, "EnglishHelp1", "&English Help");
    m.germanHelp = addItem(m.help, "DeutscheHilfe1", "&Deutsche Hilfe");
    m.englishHelp->setCheckable(true);
    m.germanHelp->setCheckable(true);
    m.info = addItem(m.help, "HelpAboutItem", "&Info ...");
    return m;
}

} // namespace app
