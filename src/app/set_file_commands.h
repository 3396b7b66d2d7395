#pragma once
// The File menu's set, effect and drum commands, "New", the history items and "Refresh
// Drumsets": dialogs, the enabling of the save items by the change counts, and after a
// load the editor shown anew.

#include "app/file_prompts.h"
#include "app/main_menu.h"
#include "app/prompts.h"
#include "app/set_file_hooks.h"
#include "files/file_memory.h"
#include "files/set_sections.h"
#include "files/set_writer.h"

#include <QObject>

#include <filesystem>
#include <functional>

class QAction;
class QMainWindow;

namespace app {

class Session;
class TFXg;

class SetFileCommands final : public QObject {
    Q_OBJECT
  public:
    // `editor` gives the editor window once it exists; `historyChanged` refreshes the
    // history items of the menu.
    SetFileCommands(Session& session, QMainWindow& window, Prompts& prompts,
                    std::function<TFXg*()> editor, std::function<void()> historyChanged);

    // Takes over this command's items of the menu: enabled, connected, and no longer
    // among the items still to come.
    void attach(MainMenu& menu);

    void setHooks(SetFileHooks* hooks) { hooks_ = hooks ? hooks : &noHooks_; }
    void setFilePrompts(FilePrompts& prompts) { files_ = &prompts; }
    const files::FileMemory& memory() const { return memory_; }

    // ---- commands ----
    void FileNewItemClick();
    void LoadSet1Click() { load(files::SetKind::Set); }
    void LoadFX1Click() { load(files::SetKind::Fx); }
    void LoadDrums1Click() { load(files::SetKind::Drums); }
    void SaveSet1Click() { save(files::SetKind::Set); }
    void SaveFX1Click() { save(files::SetKind::Fx); }
    void SaveDrums1Click() { save(files::SetKind::Drums); }
    // Loads history entry `tag` (0..3) as a set, without a dialog.
    void of1Click(int tag);
    void RefreshDrumMaps1Click();
    // The File menu opens: the save items follow the change counts.
    void File1Click();
    // The Job menu opens.
    void Job1Click();

    // Raw system-exclusive files: the set as a module needs it from a reset, and any
    // stream of messages read as a set.
    void ExportSysEx1Click();
    void ImportSysEx1Click();
    bool importSysExFrom(const std::filesystem::path& path);
    bool exportSysExTo(const std::filesystem::path& path);

    // Loads a file of that kind from `path` as the dialog would have.
    bool loadFrom(files::SetKind kind, const std::filesystem::path& path);

    // For other commands that replace the whole set: the QS300 editor closes before, and
    // afterwards every screen shows the new set under `caption`.
    void closeVoiceEditor();
    void showSetReplaced(const QString& caption);

  private:
    void load(files::SetKind kind);
    void save(files::SetKind kind);
    std::optional<std::filesystem::path> askForFile(files::SetKind kind, bool saving);
    std::optional<std::filesystem::path> askForSysExFile(bool saving);
    void addSysExItems(MainMenu& menu);
    files::SetWriteOptions writeOptions() const;
    void showLoaded(files::SetKind kind, const std::filesystem::path& path);
    void remember(files::SetKind kind, const std::filesystem::path& path);

    Session& session_;
    QMainWindow& window_;
    Prompts& prompts_;
    std::function<TFXg*()> editor_;
    std::function<void()> historyChanged_;
    QtFilePrompts qtFiles_;
    FilePrompts* files_ = &qtFiles_;
    SetFileHooks noHooks_;
    SetFileHooks* hooks_ = &noHooks_;
    files::FileMemory memory_;
    QAction* saveSet_ = nullptr;
    QAction* saveFx_ = nullptr;
    QAction* saveDrums_ = nullptr;
    QAction* refreshDrums_ = nullptr;
};

} // namespace app
