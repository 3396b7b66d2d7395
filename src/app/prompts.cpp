#include "app/prompts.h"

#include <QDialog>
#include <QMessageBox>

namespace app {

namespace {
const QString kCaption = QStringLiteral("XG-Orvo");
}

void QtPrompts::message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kCaption, text);
}

void QtPrompts::error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kCaption, text);
}

bool QtPrompts::confirm(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kCaption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtPrompts::runModal(QDialog& dialog) {
    dialog.exec();
}

} // namespace app
