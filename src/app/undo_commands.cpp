#include "app/undo_commands.h"

#include "app/editor_window.h"
#include "app/session.h"
#include "editor/panels.h"
#include "editor/part_editor.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace app {

std::string commandActionName(const QString& caption) {
    QString name = caption;
    name.remove(QLatin1Char('&'));
    const int dots = name.indexOf(QStringLiteral(" ..."));
    if (dots >= 0) name.truncate(dots);
    // File commands carry their accelerator number in front.
    if (name.size() > 2 && name[0].isDigit() && name[1] == QLatin1Char(' ')) name.remove(0, 2);
    return name.trimmed().toStdString();
}

UndoCommands::UndoCommands(Session& session, const MainMenu& menu, std::function<TFXg*()> editor,
                           QObject* parent)
    : QObject(parent), session_(session), menu_(menu), editor_(std::move(editor)),
      steps_(session.undo()) {
    menu_.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    menu_.redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(menu_.undo, &QAction::triggered, this, [this] { undo(); });
    connect(menu_.redo, &QAction::triggered, this, [this] { redo(); });
    connect(menu_.edit, &QMenu::aboutToShow, this, [this] { updateMenu(); });
    // The keys work whatever the menu showed last; with nothing to take they do nothing.
    connect(menu_.edit, &QMenu::aboutToHide, this, [this] {
        menu_.undo->setEnabled(true);
        menu_.redo->setEnabled(true);
    });
    // A menu announces a command before the command's own handlers run, so the step's
    // copy of the image is taken before anything changes.
    for (QMenu* commands : {menu_.file, menu_.job, menu_.option}) {
        connect(commands, &QMenu::triggered, this,
                [this](QAction* action) { steps_.begin(commandActionName(action->text())); });
    }
    updateMenu();
    menu_.undo->setEnabled(true);
    menu_.redo->setEnabled(true);
}

void UndoCommands::attachEditor(TFXg& editor) {
    editor.panels().setEditSteps(&steps_);
}

void UndoCommands::undo() {
    step(true);
}

void UndoCommands::redo() {
    step(false);
}

void UndoCommands::step(bool back) {
    TFXg* editor = editor_();
    // The values of a running drag belong to the drag; it is taken back as a whole later.
    if (editor && editor->panels().dragging()) return;
    steps_.end();
    midi::ImageUndo& undo = session_.undo();
    const image::UndoStep* taken = back ? undo.undo() : undo.redo();
    if (taken && editor) {
        editor::showRestored(editor->panels(), editor->editor(), *taken);
        editor->update();
    }
    updateMenu();
}

void UndoCommands::updateMenu() {
    // A command's step stays open until the next one begins; what it changed counts now.
    steps_.end();
    const auto& history = session_.undo().history();
    const auto label = [](const char* verb, const std::string& action) {
        QString text = QString::fromUtf8(verb);
        if (!action.empty()) text += QLatin1Char(' ') + QString::fromStdString(action);
        return text;
    };
    menu_.undo->setText(label("&Undo", history.undoAction()));
    menu_.redo->setText(label("&Redo", history.redoAction()));
    menu_.undo->setEnabled(history.canUndo());
    menu_.redo->setEnabled(history.canRedo());
}

} // namespace app
