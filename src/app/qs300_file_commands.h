#pragma once
// The QS300 voice and bank commands of the main menu: "&4 Load QS300 Voice",
// "&5 Load QS300 Bank", "&9 Save QS300 Voice", "&0 Save QS300 Bank" and
// "&Store QS300 Voice ...", with their dialogs and the rules that enable them.

#include "image/synth_image.h"

#include <QString>

#include <filesystem>
#include <optional>

class QAction;
class QWidget;

namespace app {

struct MainMenu;
class Prompts;
class Session;
class VoiceChooser;

// The file dialogs, replaced by tests.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen file, or nothing when the dialog was cancelled. `start` is the folder and
    // the proposed name.
    virtual std::optional<std::filesystem::path> openFile(QWidget* parent, const QString& title,
                                                          const QString& filter,
                                                          const std::filesystem::path& start) = 0;
    virtual std::optional<std::filesystem::path> saveFile(QWidget* parent, const QString& title,
                                                          const QString& filter,
                                                          const std::filesystem::path& start) = 0;
};

class QtFileChooser final : public FileChooser {
  public:
    std::optional<std::filesystem::path> openFile(QWidget* parent, const QString& title,
                                                  const QString& filter,
                                                  const std::filesystem::path& start) override;
    std::optional<std::filesystem::path> saveFile(QWidget* parent, const QString& title,
                                                  const QString& filter,
                                                  const std::filesystem::path& start) override;
};

// What the QS300 voice editor adds to these commands while it is open.
class VoiceEditorHooks {
  public:
    virtual ~VoiceEditorHooks() = default;
    virtual bool editorOpen() const = 0;
    // Closes the editor as its "EXIT" does (before a load).
    virtual void closeEditor() = 0;
    // The voice to save or store: the edit voice after compaction (sent again when
    // anything moved).
    virtual image::VoiceRecord editorVoice() = 0;
    // The editor shows the edit voice again (after a voice file was put on its part).
    virtual void refreshFromEditVoice() {}
};

class Qs300FileCommands {
  public:
    Qs300FileCommands(Session& session, Prompts& prompts, VoiceChooser& voices, QWidget& parent);

    // The Qt file dialogs unless a test puts its own chooser here.
    void setFileChooser(FileChooser& chooser) { chooser_ = &chooser; }

    // Connects the menu's five actions and the enabling when the File and Job menus open.
    void install(const MainMenu& menu);
    void setVoiceEditorHooks(VoiceEditorHooks* hooks) { editor_ = hooks; }

    void LoadQS300Voice1Click();
    void LoadQS300Bank1Click();
    void SaveQS300Voice1Click();
    void SaveQS300Bank1Click();
    void StoreQS300Voice1Click();

    // Save QS300 Voice and Store QS300 Voice: only for a part with a user voice of its own.
    bool currentPartHasUserVoice() const;
    // The voice those two commands use.
    image::VoiceRecord currentVoice();

    // Start-up: "Autoload.QVB" into the bank when configured; the lists follow.
    void autoload();
    // "New": the dialogs propose "*.QVC" and "*.QVB" in the commands' folders again.
    void forgetLastFiles();

  private:
    std::filesystem::path startOf(const std::filesystem::path& folder,
                                  const std::filesystem::path& last) const;
    void closeEditor();

    Session& session_;
    Prompts& prompts_;
    VoiceChooser& voices_;
    QWidget& parent_;
    QtFileChooser qtChooser_;
    FileChooser* chooser_ = &qtChooser_;
    VoiceEditorHooks* editor_ = nullptr;
    // The last file names, as the dialogs propose them again.
    std::filesystem::path lastVoice_ = "*.QVC";
    std::filesystem::path lastBank_ = "*.QVB";
};

} // namespace app
