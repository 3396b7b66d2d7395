// xg-orvo: the editor program.

#include "app/application.h"
#include "app/screenshot.h"
#include "app/startup.h"
#include "app/termination_signals.h"
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
        const auto error = app::writeScreenshot(
            paths.base, {*commandLine.screenshot, commandLine.screen, commandLine.hot});
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
    // Installed before start-up: a logout while the port dialog asks still closes in order.
    app::TerminationSignals termination;
    app::TMF* running = nullptr;
    // Once the main window exists, its prompts show the boxes: they end a running drag first.
    application.setErrorHandler([&prompts, &running](const std::string& text) {
        app::Prompts& shown = running != nullptr ? running->prompts() : prompts;
        shown.error(QApplication::activeWindow(), QString::fromStdString(text));
    });
    QObject::connect(&termination, &app::TerminationSignals::requested, [&running] {
        if (running != nullptr)
            running->closeOnRequest();
        else
            app::closeModalDialogs(); // start-up goes on and sees `received`
    });
    app::StartOptions options;
    options.autoload = {}; // the voice bank's "Autoload.QVB" reader is connected here
    auto window = app::startUp(session, prompts, options);
    running = window.get();
    if (termination.received()) {
        window->close(); // asked to end during start-up
        return 0;
    }
    // Closing the main window ends the program, whatever other window is left.
    QObject::connect(window.get(), &app::TMF::closed, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window->show();
    return application.exec();
}
