#include "app/module_readback_command.h"

#include "app/editor_window.h"
#include "app/midi_input.h"
#include "app/readback_dialog.h"
#include "app/session.h"
#include "app/set_file_commands.h"
#include "files/module_readback_texts.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace app {

namespace {
const QString kItemCaption = QStringLiteral("&Get From Module ...");
const QString kNoInput =
    QStringLiteral("No MIDI Input Is Open: The Module's Answers Cannot Arrive.");
const QString kNoOutput = QStringLiteral("No MIDI Output Is Open: The Module Cannot Be Asked.");
// The editor's caption while it shows what the module holds.
const QString kModuleCaption = QStringLiteral("Module");
} // namespace

ModuleReadbackCommand::ModuleReadbackCommand(Session& session, QMainWindow& window,
                                             Prompts& prompts, MidiInputRelay& input,
                                             SetFileCommands& setFiles,
                                             std::function<TFXg*()> editor)
    : QObject(&window), session_(session), window_(window), prompts_(prompts), input_(input),
      setFiles_(setFiles), editor_(std::move(editor)) {}

void ModuleReadbackCommand::attach(MainMenu& menu) {
    auto* item = new QAction(kItemCaption, menu.file);
    item->setObjectName(QStringLiteral("GetFromModule1"));
    auto* before = window_.findChild<QAction*>(QStringLiteral("ImportSysEx1"));
    menu.file->insertAction(before ? before : menu.exit, item);
    connect(item, &QAction::triggered, this, &ModuleReadbackCommand::GetFromModule1Click);
}

bool ModuleReadbackCommand::portsOpen() {
    QStringList missing;
    if (!session_.port().inputOpen()) missing << kNoInput;
    if (!session_.port().outputOpen()) missing << kNoOutput;
    if (missing.isEmpty()) return true;
    prompts_.message(&window_, missing.join(QLatin1Char('\n')));
    return false;
}

void ModuleReadbackCommand::GetFromModule1Click() {
    if (TFXg* editor = editor_()) editor->endDrags();
    if (!portsOpen()) return;
    auto& messages = session_.messages();
    files::ModuleReadback reader(session_.image(), messages.options().type, messages.deviceNumber(),
                                 session_.port(), session_.clock());
    ReadbackDialog dialog(reader, &window_);
    input_.setSysExListener([&dialog](const std::vector<std::uint8_t>& m) { dialog.received(m); });
    if (dialog.start() && reader.running()) prompts_.runModal(dialog);
    input_.setSysExListener({});
    if (!dialog.error().empty()) {
        prompts_.error(&window_, QString::fromStdString(dialog.error()));
        return;
    }
    if (reader.running()) reader.cancel(); // the dialog went without a word
    auto loaded = reader.takeResult();
    if (loaded.image) {
        files::takeOverReadback(loaded, session_.image(), &session_.undo(),
                                [this] { setFiles_.closeVoiceEditor(); });
        setFiles_.showSetReplaced(kModuleCaption);
        for (const auto& notice : loaded.notices)
            prompts_.message(&window_, QString::fromStdString(notice));
    }
    const auto text = files::readbackMessage(reader.outcome(), reader.plan(), reader.missed());
    if (!text.empty()) prompts_.message(&window_, QString::fromStdString(text));
}

} // namespace app
