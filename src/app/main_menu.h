#pragma once
// The main menu: every command of the program, those of features still to come present but
// disabled, and a View menu for the editor's zoom.

#include <QString>

#include <array>
#include <vector>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

namespace app {

struct MainMenu {
    QMenu* file = nullptr;
    QMenu* edit = nullptr;
    QMenu* job = nullptr;
    QMenu* option = nullptr;
    QMenu* view = nullptr;
    QMenu* help = nullptr;

    QAction* exit = nullptr;
    QAction* undo = nullptr; // named after the step by the undo commands
    QAction* redo = nullptr;
    QAction* historySeparator = nullptr;
    std::array<QAction*, 4> history{}; // of1 .. of4
    QAction* allNotesOff = nullptr;
    QAction* copyPart = nullptr;
    QAction* initializePart = nullptr;
    QAction* midiPort = nullptr;
    QAction* settings = nullptr;
    QAction* manual = nullptr; // "XG-Orvo &Help"
    QAction* englishHelp = nullptr;
    QAction* germanHelp = nullptr;
    QAction* info = nullptr;
    QActionGroup* zoom = nullptr; // actions carry the percentage as data
    // The commands that later features implement; disabled until then.
    std::vector<QAction*> comingLater;
};

// Builds the menu bar of `window`. Actions are named after their handlers
// (`FileExitItemClick` is "FileExitItem", ...), so tests and scripts can find them.
MainMenu buildMainMenu(QMainWindow& window);

} // namespace app
