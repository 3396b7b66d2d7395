#pragma once
// Shared helpers of the drawing tests: an application object for the fonts and blank
// images to draw on.

#include "draw/canvas.h"
#include "draw/colour.h"

#include <QGuiApplication>
#include <QImage>

namespace draw::testing {

// Text needs a QGuiApplication; made once, on first use, for the whole test program.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "draw_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)application;
}

inline QImage blankImage(int width, int height, Colour fill = rgb(10, 20, 30)) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

} // namespace draw::testing
