#include "app/set_file_commands.h"

#include "app/editor_window.h"
#include "app/session.h"
#include "files/change_counts.h"
#include "files/history.h"
#include "files/set_file_names.h"
#include "files/set_load.h"
#include "files/set_writer.h"
#include "files/syx_file.h"
#include "image/drum_kits.h"
#include "image/effect_types.h"
#include "midi/image_reset.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include <algorithm>

namespace app {

namespace {

const QString kNewQuestion = QStringLiteral("Initialize All Data. Are You Sure?");
const QString kDefaultCaption = QStringLiteral("Default");

files::FileKind fileKindOf(files::SetKind kind) {
    switch (kind) {
    case files::SetKind::Set:
        return files::FileKind::Set;
    case files::SetKind::Fx:
        return files::FileKind::Fx;
    case files::SetKind::Drums:
        return files::FileKind::Drums;
    }
    return files::FileKind::Set;
}

QString qt(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Upper- and lower-case patterns: the file systems here tell them apart.
QString filterOf(std::string_view name, std::string_view extension) {
    const QString ext = qt(extension);
    return qt(name) + QStringLiteral(" (*.%1 *.%2)").arg(ext, ext.toLower());
}

} // namespace

SetFileCommands::SetFileCommands(Session& session, QMainWindow& window, Prompts& prompts,
                                 std::function<TFXg*()> editor,
                                 std::function<void()> historyChanged)
    : QObject(&window), session_(session), window_(window), prompts_(prompts),
      editor_(std::move(editor)), historyChanged_(std::move(historyChanged)),
      memory_(session.paths()) {}

void SetFileCommands::attach(MainMenu& menu) {
    const auto take = [&](const char* name, auto handler) {
        auto* action = window_.findChild<QAction*>(QString::fromUtf8(name));
        if (action == nullptr) return action;
        std::erase(menu.comingLater, action);
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    take("FileNewItem", &SetFileCommands::FileNewItemClick);
    take("LoadSet1", &SetFileCommands::LoadSet1Click);
    take("LoadFX1", &SetFileCommands::LoadFX1Click);
    take("LoadDrums1", &SetFileCommands::LoadDrums1Click);
    saveSet_ = take("SaveSet1", &SetFileCommands::SaveSet1Click);
    saveFx_ = take("SaveFX1", &SetFileCommands::SaveFX1Click);
    saveDrums_ = take("SaveDrums1", &SetFileCommands::SaveDrums1Click);
    refreshDrums_ = take("RefreshDrumMaps1", &SetFileCommands::RefreshDrumMaps1Click);
    for (QAction* item : menu.history) {
        item->setEnabled(true);
        connect(item, &QAction::triggered, this, [this, item] { of1Click(item->data().toInt()); });
    }
    addSysExItems(menu);
    connect(menu.file, &QMenu::aboutToShow, this, &SetFileCommands::File1Click);
    connect(menu.job, &QMenu::aboutToShow, this, &SetFileCommands::Job1Click);
}

// ---- menu state --------------------------------------------------------------------------

void SetFileCommands::File1Click() {
    auto& image = session_.image();
    const auto counts = files::countChanges(image);
    // What a file carried last time counts no more once the user looks at the menu.
    image.reverb.loaded.fill(image::kNotInFile);
    image.chorus.loaded.fill(image::kNotInFile);
    image.variation.loaded.fill(image::kNotInFile);
    if (saveSet_) saveSet_->setEnabled(counts.total() > 0);
    if (saveFx_) saveFx_->setEnabled(counts.effectTotal() > 0);
    if (saveDrums_) saveDrums_->setEnabled(counts.drumTotal() > 0);
}

void SetFileCommands::Job1Click() {
    // The drum setups stay as they are while the QS300 voice editor is in front.
    TFXg* editor = editor_();
    const bool voiceEditorOpen = editor && editor->panels().isOpen(editor::Panel::VoiceEditor);
    if (refreshDrums_) refreshDrums_->setEnabled(!voiceEditorOpen);
}

// ---- New ---------------------------------------------------------------------------------

void SetFileCommands::FileNewItemClick() {
    TFXg* editor = editor_();
    if (editor) editor->endDrags();
    if (!prompts_.question(&window_, kNewQuestion)) return;
    closeVoiceEditor();
    reportErrors(prompts_, &window_,
                 [&] { midi::ResetAll(session_.image(), session_.port(), session_.messages()); });
    if (editor) {
        editor->editor().selectPart(0);
        editor->editor().redrawAll();
        editor->effects().reset();
    }
    hooks_->drumSetupsReplaced();
    image::takeEffectSnapshot(session_.image());
    memory_.forgetNames();
    hooks_->fileNamesForgotten();
    if (editor) editor->setWindowTitle(kDefaultCaption);
}

void SetFileCommands::closeVoiceEditor() {
    hooks_->closeQs300Editor();
    // Whatever the editor did on closing, its panel must not stay over replaced voices.
    TFXg* editor = editor_();
    if (editor && editor->panels().isOpen(editor::Panel::VoiceEditor))
        editor->panels().close(editor::Panel::VoiceEditor);
}

// ---- Refresh Drumsets --------------------------------------------------------------------

void SetFileCommands::RefreshDrumMaps1Click() {
    hooks_->storeDrumEdits();
    auto& image = session_.image();
    for (auto& setup : image.drums) {
        // The two SFX kits have fewer keys than the XG kits.
        const auto keys = image::kitReference(setup.kit).size();
        setup.slotCount = keys > 0 ? static_cast<int>(keys) : 0;
    }
    reportErrors(prompts_, &window_, [this] {
        session_.messages().SendDrumSetup(1);
        session_.messages().SendDrumSetup(2);
    });
}

// ---- loading -----------------------------------------------------------------------------

std::optional<std::filesystem::path> SetFileCommands::askForFile(files::SetKind kind, bool saving) {
    const auto text = files::setFileKindText(kind);
    const auto fileKind = fileKindOf(kind);
    FileDialogRequest request;
    request.title = QString::fromStdString(files::setFileDialogTitle(kind, saving));
    request.folder = QString::fromStdString(memory_.folder(fileKind).string());
    request.presetName = QString::fromStdString(memory_.lastName(fileKind));
    request.filters = {filterOf(text.name, text.extension),
                       filterOf(files::kMidiFileName, files::kMidiExtension)};
    request.filterIndex = files::setFileFilterIndex(memory_.lastName(fileKind));
    if (TFXg* editor = editor_()) editor->endDrags();
    const auto answer =
        saving ? files_->saveFile(&window_, request) : files_->openFile(&window_, request);
    if (!answer) return std::nullopt;
    const auto name =
        files::acceptedSetFileName(kind, answer->path.toStdString(), answer->filterIndex);
    if (!name) return std::nullopt;
    return std::filesystem::path(*name);
}

void SetFileCommands::load(files::SetKind kind) {
    if (const auto path = askForFile(kind, false)) loadFrom(kind, *path);
}

void SetFileCommands::of1Click(int tag) {
    const auto& history = session_.settings().history;
    if (tag < 0 || static_cast<std::size_t>(tag) >= history.size()) return;
    // A copy: loading reorders the list.
    const std::filesystem::path path = history[static_cast<std::size_t>(tag)];
    loadFrom(files::SetKind::Set, path);
}

bool SetFileCommands::loadFrom(files::SetKind kind, const std::filesystem::path& path) {
    if (TFXg* editor = editor_()) editor->endDrags();
    std::optional<files::LoadReport> report;
    reportErrors(prompts_, &window_, [&] {
        report = files::loadSetInto(path, kind, session_.container(), session_.image(),
                                    session_.port(), session_.messages(), [&] {
                                        if (kind == files::SetKind::Set) closeVoiceEditor();
                                    });
    });
    if (!report) return false;
    for (const auto& notice : report->notices)
        prompts_.message(&window_, QString::fromStdString(notice));
    showLoaded(kind, path);
    remember(kind, path);
    return true;
}

void SetFileCommands::showLoaded(files::SetKind kind, const std::filesystem::path& path) {
    if (kind == files::SetKind::Set) {
        showSetReplaced(QString::fromStdString(path.filename().string()));
        return;
    }
    TFXg* editor = editor_();
    if (editor && kind != files::SetKind::Drums) editor->effects().showLoaded();
    if (kind != files::SetKind::Fx) hooks_->drumSetupsReplaced();
}

void SetFileCommands::showSetReplaced(const QString& caption) {
    if (TFXg* editor = editor_()) {
        editor->setWindowTitle(caption);
        editor->editor().selectPart(session_.image().currentPart);
        editor->editor().redrawAll();
        editor->effects().showLoaded();
    }
    hooks_->drumSetupsReplaced();
}

void SetFileCommands::remember(files::SetKind kind, const std::filesystem::path& path) {
    memory_.remember(fileKindOf(kind), path);
    if (kind != files::SetKind::Set) return;
    files::rememberSetFile(session_.settings().history, path.string());
    if (historyChanged_) historyChanged_();
}

// ---- saving ------------------------------------------------------------------------------

files::SetWriteOptions SetFileCommands::writeOptions() const {
    files::SetWriteOptions options;
    options.type = session_.messages().options().type;
    options.multiParameterChange = session_.messages().options().multiParameterChange;
    options.device = session_.messages().deviceNumber();
    return options;
}

void SetFileCommands::save(files::SetKind kind) {
    const auto path = askForFile(kind, true);
    if (!path) return;
    const auto options = writeOptions();
    bool saved = false;
    reportErrors(prompts_, &window_, [&] {
        files::saveSetFile(*path, session_.image(), files::sectionsOf(kind), options);
        saved = true;
    });
    if (saved) remember(kind, *path);
}

// ---- raw system-exclusive files ----------------------------------------------------------

void SetFileCommands::addSysExItems(MainMenu& menu) {
    const auto add = [&](const char* name, const char* caption, auto handler) {
        auto* action = new QAction(QString::fromUtf8(caption), menu.file);
        action->setObjectName(QString::fromUtf8(name));
        menu.file->insertAction(menu.exit, action);
        connect(action, &QAction::triggered, this, handler);
    };
    add("ImportSysEx1", "Import SysEx ...", &SetFileCommands::ImportSysEx1Click);
    add("ExportSysEx1", "Export SysEx ...", &SetFileCommands::ExportSysEx1Click);
    menu.file->insertSeparator(menu.exit);
}

std::optional<std::filesystem::path> SetFileCommands::askForSysExFile(bool saving) {
    FileDialogRequest request;
    request.title = saving ? QStringLiteral("Export SysEx") : QStringLiteral("Import SysEx");
    request.folder = QString::fromStdString(memory_.folder(files::FileKind::Set).string());
    request.filters = {filterOf("SysEx Files", "SYX")};
    if (TFXg* editor = editor_()) editor->endDrags();
    const auto answer =
        saving ? files_->saveFile(&window_, request) : files_->openFile(&window_, request);
    if (!answer || answer->path.isEmpty()) return std::nullopt;
    std::filesystem::path path = answer->path.toStdString();
    if (saving && !path.has_extension()) path += ".syx";
    return path;
}

void SetFileCommands::ExportSysEx1Click() {
    if (const auto path = askForSysExFile(true)) exportSysExTo(*path);
}

void SetFileCommands::ImportSysEx1Click() {
    if (const auto path = askForSysExFile(false)) importSysExFrom(*path);
}

bool SetFileCommands::exportSysExTo(const std::filesystem::path& path) {
    bool saved = false;
    reportErrors(prompts_, &window_, [&] {
        files::saveSysExFile(path, session_.image(), files::sectionsOf(files::SetKind::Set),
                             writeOptions());
        saved = true;
    });
    return saved;
}

bool SetFileCommands::importSysExFrom(const std::filesystem::path& path) {
    if (TFXg* editor = editor_()) editor->endDrags();
    std::optional<files::LoadReport> report;
    reportErrors(prompts_, &window_, [&] {
        report = files::loadSysExInto(path, session_.image(), session_.port(), session_.messages(),
                                      [&] { closeVoiceEditor(); });
    });
    if (!report) return false;
    for (const auto& notice : report->notices)
        prompts_.message(&window_, QString::fromStdString(notice));
    showLoaded(files::SetKind::Set, path);
    return true;
}

} // namespace app
