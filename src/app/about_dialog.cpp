#include "app/about_dialog.h"

#include "draw/colour.h"
#include "draw/fonts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace app {

QStringList aboutLines() {
    return {QStringLiteral("Editor for :"), QStringLiteral("Yamaha XG Modules up to 16 Parts"),
            QStringLiteral("Yamaha XG Modules with QS300 Sound-Chip"),
            QStringLiteral("DB-50 Upgrade-Board & compatible"), QStringLiteral("Version 1.0")};
}

TFabout::TFabout(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TFabout"));
    setWindowTitle(QStringLiteral("INFO"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(draw::rgb(190, 154, 74)));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 20, 32, 20);
    auto* title = new QLabel(QStringLiteral("XG-Orvo"), this);
    title->setFont(draw::toolkitFont(draw::FontFace::Sans, -13, 700));
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addSpacing(8);
    for (const auto& line : aboutLines()) {
        auto* label = new QLabel(line, this);
        label->setTextFormat(Qt::PlainText);
        label->setFont(draw::toolkitFont(draw::FontFace::Sans, -11));
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
}

void TFabout::mousePressEvent(QMouseEvent*) {
    accept();
}

void TFabout::keyPressEvent(QKeyEvent*) {
    accept();
}

} // namespace app
