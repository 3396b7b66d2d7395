#include "app/startup.h"

#include "app/editor_window.h"
#include "midi/clock.h"
#include "midi/memory_backend.h"

#include <QDialog>
#include <QImage>
#include <QWidget>

#include <iostream>

namespace app {

namespace {

std::filesystem::path pathOf(const QString& argument) {
    return std::filesystem::path(argument.toStdString());
}

// Without a user to answer, messages go to the error stream and dialogs close at once.
class ConsolePrompts final : public Prompts {
  public:
    void message(QWidget*, const QString& text) override {
        std::cerr << "xg-orvo: " << text.toStdString() << '\n';
    }
    void error(QWidget*, const QString& text) override {
        std::cerr << "xg-orvo: " << text.toStdString() << '\n';
    }
    void runModal(QDialog& dialog) override { dialog.reject(); }
};

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool takesValue =
            argument == QLatin1String("--base-dir") || argument == QLatin1String("--screenshot");
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.help = true;
        } else if (takesValue && i + 1 < arguments.size()) {
            const auto value = pathOf(arguments[++i]);
            if (argument == QLatin1String("--base-dir"))
                result.baseDir = value;
            else
                result.screenshot = value;
        } else if (takesValue) {
            result.error = argument.toStdString() + " needs a value";
            return result;
        } else {
            result.error = "unknown argument: " + argument.toStdString();
            return result;
        }
    }
    return result;
}

QString usageText() {
    return QStringLiteral("Usage: xg-orvo [--base-dir DIR] [--screenshot FILE]\n"
                          "  --base-dir DIR     keep XG-Orvo.INI and the file folders in DIR\n"
                          "                     (default: the current directory)\n"
                          "  --screenshot FILE  write the editor as it first appears to a PNG\n"
                          "                     file and exit (no MIDI, no port dialog)\n");
}

std::unique_ptr<TMF> startUp(Session& session, Prompts& prompts, const StartOptions& options) {
    auto window = std::make_unique<TMF>(session, prompts);
    window->createEditorWindow();
    window->createPortDialog(options.restorePorts, options.mayAskForPorts);
    reportErrors(prompts, window.get(), [&] { session.messages().sendStartMessages(); });
    window->placeWindow();
    return window;
}

std::string writeScreenshot(const std::filesystem::path& baseDir,
                            const std::filesystem::path& file) {
    midi::MemoryBackend backend;
    midi::ManualClock clock;
    Session session(backend, clock, files::AppPaths{baseDir});
    ConsolePrompts prompts;
    StartOptions options;
    options.restorePorts = false;
    options.mayAskForPorts = false;
    auto window = startUp(session, prompts, options);
    const QImage& surface = window->editorWindow().surface();
    if (!surface.save(QString::fromStdString(file.string()), "PNG"))
        return "cannot write " + file.string();
    return {};
}

} // namespace app
