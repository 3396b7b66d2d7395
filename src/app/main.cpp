// xg-orvo: the editor program.

#include "app/application.h"
#include "app/startup.h"
#include "draw/fonts.h"
#include "files/app_paths.h"
#include "midi/clock.h"
#include "midi/rtmidi/rtmidi_backend.h"

#include <iostream>

int main(int argc, char** argv) {
    // Arguments first: a wrong one is reported even where no display is available.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const auto commandLine = app::parseCommandLine(arguments);
    if (!commandLine.error.empty()) {
        std::cerr << "xg-orvo: " << commandLine.error << '\n' << app::usageText().toStdString();
        return 2;
    }
    if (commandLine.help) {
        std::cout << app::usageText().toStdString();
        return 0;
    }
    app::Application application(argc, argv);
    draw::initialiseToolkit();
    const auto paths = files::resolveAppPaths(commandLine.baseDir);

    if (commandLine.screenshot) {
        const auto error = app::writeScreenshot(paths.base, *commandLine.screenshot);
        if (!error.empty()) {
            std::cerr << "xg-orvo: " << error << '\n';
            return 1;
        }
        return 0;
    }

    midi::RtMidiBackend backend;
    midi::SteadyClock clock;
    app::Session session(backend, clock, paths, midi::SenderMode::Threaded);
    app::QtPrompts prompts;
    application.setErrorHandler([&prompts](const std::string& text) {
        prompts.error(QApplication::activeWindow(), QString::fromStdString(text));
    });
    auto window = app::startUp(session, prompts, {});
    window->show();
    return application.exec();
}
