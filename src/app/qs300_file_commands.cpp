#include "app/qs300_file_commands.h"

#include "app/main_menu.h"
#include "app/prompts.h"
#include "app/session.h"
#include "app/store_dialog.h"
#include "app/voice_chooser.h"
#include "files/qs300_autoload.h"
#include "files/qs300_files.h"
#include "image/voice_catalogue.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>

namespace app {
namespace {

const QString kVoiceKind = QStringLiteral("QS300 Voice File");
const QString kBankKind = QStringLiteral("QS300 Bank File");

QString filterOf(const QString& kind, const char* pattern) {
    return kind + QStringLiteral(" (") + QLatin1String(pattern) + QStringLiteral(")");
}

std::filesystem::path pathOf(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

QString textOf(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

QAction* findAction(const MainMenu& menu, const char* name) {
    for (QAction* action : menu.comingLater)
        if (action->objectName() == QLatin1String(name)) return action;
    return nullptr;
}

} // namespace

std::optional<std::filesystem::path> QtFileChooser::openFile(QWidget* parent, const QString& title,
                                                             const QString& filter,
                                                             const std::filesystem::path& start) {
    const QString chosen = QFileDialog::getOpenFileName(parent, title, textOf(start), filter);
    if (chosen.isEmpty()) return std::nullopt;
    return pathOf(chosen);
}

std::optional<std::filesystem::path> QtFileChooser::saveFile(QWidget* parent, const QString& title,
                                                             const QString& filter,
                                                             const std::filesystem::path& start) {
    const QString chosen = QFileDialog::getSaveFileName(parent, title, textOf(start), filter);
    if (chosen.isEmpty()) return std::nullopt;
    return pathOf(chosen);
}

Qs300FileCommands::Qs300FileCommands(Session& session, Prompts& prompts, VoiceChooser& voices,
                                     QWidget& parent)
    : session_(session), prompts_(prompts), voices_(voices), parent_(parent) {}

void Qs300FileCommands::install(const MainMenu& menu) {
    const std::pair<const char*, void (Qs300FileCommands::*)()> commands[] = {
        {"LoadQS300Voice1", &Qs300FileCommands::LoadQS300Voice1Click},
        {"LoadQS300Bank1", &Qs300FileCommands::LoadQS300Bank1Click},
        {"SaveQS300Voice1", &Qs300FileCommands::SaveQS300Voice1Click},
        {"SaveQS300Bank1", &Qs300FileCommands::SaveQS300Bank1Click},
        {"StoreQS300Voice1", &Qs300FileCommands::StoreQS300Voice1Click},
    };
    for (const auto& [name, handler] : commands) {
        QAction* action = findAction(menu, name);
        if (!action) continue;
        action->setEnabled(true);
        QObject::connect(action, &QAction::triggered, &parent_,
                         [this, handler = handler] { (this->*handler)(); });
    }
    QAction* saveVoice = findAction(menu, "SaveQS300Voice1");
    QAction* storeVoice = findAction(menu, "StoreQS300Voice1");
    for (QAction* needsVoice : {saveVoice, storeVoice})
        if (needsVoice) needsVoice->setEnabled(currentPartHasUserVoice());
    QObject::connect(menu.file, &QMenu::aboutToShow, &parent_, [this, saveVoice] {
        if (saveVoice) saveVoice->setEnabled(currentPartHasUserVoice());
    });
    QObject::connect(menu.job, &QMenu::aboutToShow, &parent_, [this, storeVoice] {
        if (storeVoice) storeVoice->setEnabled(currentPartHasUserVoice());
    });
}

bool Qs300FileCommands::currentPartHasUserVoice() const {
    const auto& image = session_.image();
    return image.hasUserVoice(image.currentPart);
}

image::VoiceRecord Qs300FileCommands::currentVoice() {
    if (editor_ && editor_->editorOpen()) return editor_->editorVoice();
    return files::partVoiceRecord(session_.image(), session_.image().currentPart);
}

std::filesystem::path Qs300FileCommands::startOf(const std::filesystem::path& folder,
                                                 const std::filesystem::path& last) const {
    // The last file's folder when there was one, else the command's own folder.
    if (last.has_parent_path()) return last;
    std::error_code ignored;
    const auto base =
        std::filesystem::is_directory(folder, ignored) ? folder : session_.paths().base;
    return base / last.filename();
}

void Qs300FileCommands::closeEditor() {
    if (editor_ && editor_->editorOpen()) editor_->closeEditor();
}

void Qs300FileCommands::LoadQS300Voice1Click() {
    const auto path = chooser_->openFile(&parent_, QStringLiteral("Load ") + kVoiceKind,
                                         filterOf(kVoiceKind, "*.QVC"),
                                         startOf(session_.paths().qsVoiceFolder(), lastVoice_));
    if (!path) return;
    closeEditor();
    reportErrors(prompts_, &parent_, [&] {
        const auto voice = files::readVoiceFile(*path);
        lastVoice_ = *path;
        voices_.assignVoice(voice);
        if (editor_ && editor_->editorOpen()) editor_->refreshFromEditVoice();
    });
}

void Qs300FileCommands::LoadQS300Bank1Click() {
    const auto path = chooser_->openFile(&parent_, QStringLiteral("Load ") + kBankKind,
                                         filterOf(kBankKind, "*.QVB"),
                                         startOf(session_.paths().qsBankFolder(), lastBank_));
    if (!path) return;
    closeEditor();
    reportErrors(prompts_, &parent_, [&] {
        files::readBankFile(*path, session_.image().bank);
        lastBank_ = *path;
        voices_.refillQsLists();
    });
}

void Qs300FileCommands::SaveQS300Voice1Click() {
    if (!currentPartHasUserVoice()) return;
    const auto voice = currentVoice();
    const auto proposed =
        lastVoice_.has_parent_path() ? lastVoice_.parent_path() : session_.paths().qsVoiceFolder();
    auto path = chooser_->saveFile(&parent_, QStringLiteral("Save ") + kVoiceKind,
                                   filterOf(kVoiceKind, "*.QVC"),
                                   startOf(proposed, files::proposedVoiceFileName(voice)));
    if (!path) return;
    *path = files::withDefaultExtension(*path, files::kVoiceFileExtension);
    reportErrors(prompts_, &parent_, [&] {
        files::writeVoiceFile(*path, voice);
        lastVoice_ = *path;
    });
}

void Qs300FileCommands::SaveQS300Bank1Click() {
    auto path = chooser_->saveFile(&parent_, QStringLiteral("Save ") + kBankKind,
                                   filterOf(kBankKind, "*.QVB"),
                                   startOf(session_.paths().qsBankFolder(), lastBank_));
    if (!path) return;
    *path = files::withDefaultExtension(*path, files::kBankFileExtension);
    reportErrors(prompts_, &parent_, [&] {
        files::writeBankFile(*path, session_.image().bank);
        lastBank_ = *path;
    });
}

void Qs300FileCommands::StoreQS300Voice1Click() {
    if (!currentPartHasUserVoice()) return;
    const image::VoiceRecord voice = currentVoice();
    TQstore dialog(image::voiceRecordName(voice),
                   image::voiceListTexts(image::kQsUserList, session_.image().bank), &parent_);
    prompts_.runModal(dialog);
    if (dialog.result() != QDialog::Accepted || dialog.chosen() < 0) return;
    reportErrors(prompts_, &parent_, [&] { voices_.storeVoice(dialog.chosen(), voice); });
}

void Qs300FileCommands::forgetLastFiles() {
    lastVoice_ = "*.QVC";
    lastBank_ = "*.QVB";
}

void Qs300FileCommands::autoload() {
    reportErrors(prompts_, &parent_, [&] {
        if (files::autoloadQsBank(session_.settings(), session_.paths(), session_.image().bank))
            voices_.refillQsLists();
    });
}

} // namespace app
