#pragma once
// Mouse events sent straight to a window, at window coordinates.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace app::testing {

inline void sendMouse(QWidget& window, QEvent::Type type, QPoint local, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(local), QPointF(window.mapToGlobal(local)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}

// A left press and release at one place.
inline void clickAt(QWidget& window, QPoint local) {
    sendMouse(window, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton);
    sendMouse(window, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
}

} // namespace app::testing
