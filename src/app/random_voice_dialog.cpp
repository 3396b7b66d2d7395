#include "app/random_voice_dialog.h"

#include "app/reentry_guard.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace app {

TFzufall::TFzufall(std::function<void()> next, QWidget* parent)
    : QDialog(parent), next_(std::move(next)) {
    setObjectName(QStringLiteral("TFzufall"));
    setWindowTitle(QStringLiteral("Random"));
    auto* layout = new QHBoxLayout(this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* nextButton = new QPushButton(QStringLiteral("Next"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    nextButton->setObjectName(QStringLiteral("Button3"));
    ok->setObjectName(QStringLiteral("Button1"));
    nextButton->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(nextButton, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(cancel);
    layout->addWidget(nextButton);
    layout->addWidget(ok);
}

void TFzufall::Button3Click() {
    const ReentryGuard guard(working_);
    if (!guard.entered()) return;
    if (next_) next_();
}

} // namespace app
