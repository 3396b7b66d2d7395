#include "app/application.h"

#include <exception>
#include <iostream>

namespace app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("XG-Orvo"));
    setApplicationVersion(QStringLiteral("1.0"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (errorHandler_)
            errorHandler_(e.what());
        else
            std::cerr << "xg-orvo: " << e.what() << '\n';
    }
    return true;
}

} // namespace app
