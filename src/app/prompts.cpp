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

void QtPrompts::runModal(QDialog& dialog) {
    dialog.exec();
}

bool QtPrompts::question(QWidget* parent, const QString& text) {
    return QMessageBox::warning(parent, kCaption, text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

} // namespace app
