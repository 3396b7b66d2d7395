#include "app/readback_dialog.h"

#include "files/module_readback_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace app {

namespace {
const QString kTitle = QStringLiteral("Get From Module");
const QString kReading = QStringLiteral("Reading The Module ...");
const QString kCancel = QStringLiteral("Cancel");
constexpr int kBarWidth = 280;
} // namespace

ReadbackDialog::ReadbackDialog(files::ModuleReadback& reader, QWidget* parent)
    : QDialog(parent), reader_(reader), label_(new QLabel(kReading, this)),
      bar_(new QProgressBar(this)), cancel_(new QPushButton(kCancel, this)) {
    setObjectName(QStringLiteral("ReadbackDialog"));
    setWindowTitle(kTitle);
    bar_->setObjectName(QStringLiteral("ReadbackProgress"));
    bar_->setMinimumWidth(kBarWidth);
    bar_->setRange(0, reader_.requestsPlanned());
    bar_->setValue(0);
    cancel_->setObjectName(QStringLiteral("ReadbackCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    connect(cancel_, &QPushButton::clicked, this, &ReadbackDialog::reject);
    connect(&timer_, &QTimer::timeout, this, &ReadbackDialog::tick);
}

bool ReadbackDialog::start() {
    step([this] { reader_.start(); });
    if (reader_.running()) timer_.start(kTickMs);
    return error_.empty();
}

void ReadbackDialog::received(const std::vector<std::uint8_t>& message) {
    step([&] { reader_.received(message); });
}

void ReadbackDialog::tick() {
    step([this] { reader_.timePassed(); });
}

template <typename Step> void ReadbackDialog::step(Step&& action) {
    if (!reader_.running()) return;
    try {
        action();
    } catch (const std::exception& e) {
        // The port failed: the reader has stopped; the command tells the user.
        error_ = e.what();
    }
    if (const auto* request = reader_.waitingFor())
        label_->setText(QString::fromStdString(files::readingText(*request)));
    bar_->setMaximum(reader_.requestsPlanned());
    bar_->setValue(reader_.requestsDone());
    if (reader_.running()) return;
    timer_.stop();
    accept();
}

void ReadbackDialog::reject() {
    reader_.cancel();
    timer_.stop();
    QDialog::reject();
}

} // namespace app
