#pragma once
// The program's start: the command line, the windows made in their fixed order, and the
// picture of the editor surface that --screenshot writes.

#include "app/main_window.h"
#include "app/prompts.h"
#include "app/session.h"

#include <QStringList>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace app {

struct CommandLine {
    std::optional<std::filesystem::path> baseDir;    // --base-dir DIR
    std::optional<std::filesystem::path> screenshot; // --screenshot FILE
    std::string screen = "editor";                   // --screen NAME
    bool hot = false;                                // --hot
    bool help = false;
    std::string error; // not empty: the arguments could not be understood
};

CommandLine parseCommandLine(const QStringList& arguments);
QString usageText();

struct StartOptions {
    // The port dialog's creation opens the stored ports ...
    bool restorePorts = true;
    // ... and asks for them on a first run.
    bool mayAskForPorts = true;
    // Reads "Autoload.QVB" into the voice bank and rebuilds the QS300 voice list; the
    // settings dialog's creation calls it first among the start actions.
    std::function<void(Session&)> autoload;
};

// Start-up in its fixed order: main window (configuration, device number, file container,
// image), editor window, port dialog (stored ports, or the dialog on a first run), the
// initialise dialog, the settings dialog with the start actions (autoload, QS300 local
// off, XG System On), the copy dialog, window placement. The window is not shown yet.
std::unique_ptr<TMF> startUp(Session& session, Prompts& prompts, const StartOptions& options);

} // namespace app
