#include "app/store_dialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace app {
namespace {
constexpr int kWidth = 730;
constexpr int kHeight = 502;
constexpr int kRowsPerColumn = 32;
} // namespace

TQstore::TQstore(const std::string& voiceName, const std::vector<std::string>& userVoices,
                 QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TQstore"));
    setWindowTitle(QStringLiteral("Store >") + QString::fromStdString(voiceName) +
                   QStringLiteral("< to ..."));
    resize(kWidth, kHeight);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListB18"));
    // Four columns of 32, filled top to bottom.
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    for (const auto& text : userVoices) list_->addItem(QString::fromStdString(text));
    const int rowHeight = (kHeight - 80) / kRowsPerColumn;
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setSizeHint(QSize((kWidth - 40) / 4, rowHeight));
    list_->setCurrentRow(-1);
    list_->clearSelection();

    store_ = new QPushButton(QStringLiteral("Store"), this);
    store_->setObjectName(QStringLiteral("Button1"));
    store_->setEnabled(false);
    store_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button2"));

    connect(list_, &QListWidget::itemClicked, this, [this] { ListB18Click(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { ListB18Click(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { ListB18Click(); });
    connect(store_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(store_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
}

void TQstore::ListB18Click() {
    store_->setEnabled(list_->currentRow() >= 0);
}

int TQstore::chosen() const {
    return list_->currentRow();
}

} // namespace app
