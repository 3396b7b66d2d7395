#include "app/startup.h"

#include "app/editor_window.h"

namespace app {

namespace {

std::filesystem::path pathOf(const QString& argument) {
    return std::filesystem::path(argument.toStdString());
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool takesValue = argument == QLatin1String("--base-dir") ||
                                argument == QLatin1String("--screenshot") ||
                                argument == QLatin1String("--screen");
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.help = true;
        } else if (argument == QLatin1String("--hot")) {
            result.hot = true;
        } else if (takesValue && i + 1 < arguments.size()) {
            const QString& value = arguments[++i];
            if (argument == QLatin1String("--base-dir"))
                result.baseDir = pathOf(value);
            else if (argument == QLatin1String("--screen"))
                result.screen = value.toStdString();
            else
                result.screenshot = pathOf(value);
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
    return QStringLiteral(
        "Usage: xg-orvo [--base-dir DIR] [--screenshot FILE [--screen NAME] [--hot]]\n"
        "  --base-dir DIR     keep XG-Orvo.INI and the file folders in DIR\n"
        "                     (default: the current directory)\n"
        "  --screenshot FILE  write the editor as it first appears to a PNG\n"
        "                     file and exit (no MIDI, no port dialog)\n"
        "  --screen NAME      the screen to write: editor (the default), range,\n"
        "                     drums, voice or settings\n"
        "  --hot              outline and name every hit rectangle on the picture\n");
}

std::unique_ptr<TMF> startUp(Session& session, Prompts& prompts, const StartOptions& options) {
    auto window = std::make_unique<TMF>(session, prompts);
    window->createEditorWindow();
    window->createPortDialog(options.restorePorts, options.mayAskForPorts);
    window->createDialogs(options.autoload);
    window->placeWindow();
    return window;
}

} // namespace app
