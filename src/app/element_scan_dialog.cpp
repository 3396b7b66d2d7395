#include "app/element_scan_dialog.h"

#include "app/element_buttons.h"
#include "app/reentry_guard.h"
#include "image/qs300_factory.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace app {

namespace {

QString nameOf(const image::VoiceRecord& record) {
    QString name;
    for (int i = 0; i < image::kVoiceNameSize; ++i) {
        const auto c = static_cast<char>(record[static_cast<std::size_t>(i)] & 0x7F);
        name += QChar::fromLatin1(c >= ' ' ? c : ' ');
    }
    return name;
}

QPushButton* button(QWidget* parent, const QString& text, const QString& name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TEscan::TEscan(midi::QsElementScan& scan, const image::VoiceBank& userBank,
               std::function<void()> copied, QWidget* parent)
    : QDialog(parent), scan_(scan), userBank_(userBank), copied_(std::move(copied)) {
    setObjectName(QStringLiteral("TEscan"));
    setWindowTitle(QStringLiteral("Element Scan"));
    auto* layout = new QHBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) ListBox1Click(row);
    });
    layout->addWidget(list_);

    auto* side = new QVBoxLayout;
    auto* lists = new QHBoxLayout;
    preset_ = new QRadioButton(QStringLiteral("Preset"), this);
    user_ = new QRadioButton(QStringLiteral("User"), this);
    preset_->setObjectName(QStringLiteral("RadioButton1"));
    user_->setObjectName(QStringLiteral("RadioButton2"));
    connect(preset_, &QRadioButton::clicked, this, [this] { RadioButtonClick(false); });
    connect(user_, &QRadioButton::clicked, this, [this] { RadioButtonClick(true); });
    lists->addWidget(preset_);
    lists->addWidget(user_);
    side->addLayout(lists);
    solo_ = new QCheckBox(QStringLiteral("Solo"), this);
    solo_->setObjectName(QStringLiteral("CheckBox1"));
    connect(solo_, &QCheckBox::clicked, this, [this](bool on) { CheckBox1Click(on); });
    side->addWidget(solo_);
    side->addWidget(elementButtons(this, QStringLiteral(" Destination Element "),
                                   QStringLiteral("Rd"), destinations_,
                                   [this](int tag) { Rd1Click(tag); }));
    auto* steps = new QHBoxLayout;
    auto* back = button(this, QStringLiteral("<"), QStringLiteral("Button3"));
    source_ = new QLabel(QStringLiteral("1"), this);
    source_->setObjectName(QStringLiteral("Label1"));
    source_->setAlignment(Qt::AlignCenter);
    auto* forward = button(this, QStringLiteral(">"), QStringLiteral("Button4"));
    connect(back, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(forward, &QPushButton::clicked, this, [this] { Button4Click(); });
    steps->addWidget(back);
    steps->addWidget(source_);
    steps->addWidget(forward);
    side->addLayout(steps);
    auto* copy = button(this, QStringLiteral("Copy"), QStringLiteral("Button1"));
    connect(copy, &QPushButton::clicked, this, [this] { Button1Click(); });
    side->addWidget(copy);
    side->addStretch();
    auto* close = button(this, QStringLiteral("Close"), QStringLiteral("Button2"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    side->addWidget(close);
    layout->addLayout(side);
}

void TEscan::prepare(bool fourElements) {
    prepareElementButtons(destinations_, fourElements, scan_.destination());
    // The names are read at every showing: the voice bank may have been loaded meanwhile.
    fillList();
    scan_.start();
    showSelection();
}

void TEscan::fillList() {
    const QSignalBlocker block(list_);
    list_->clear();
    const image::VoiceBank& voices = scan_.userList() ? userBank_ : image::factoryPresetBank();
    for (const auto& record : voices) list_->addItem(nameOf(record));
}

void TEscan::showSelection() {
    const QSignalBlocker block(list_);
    list_->setCurrentRow(scan_.index());
    source_->setText(QString::number(scan_.sourceElement()));
    (scan_.userList() ? user_ : preset_)->setChecked(true);
    solo_->setChecked(scan_.solo());
    destinations_[static_cast<std::size_t>(scan_.destination())]->setChecked(true);
}

void TEscan::ListBox1Click(int row) {
    const ReentryGuard guard(working_);
    // A click refused meanwhile must not leave its button showing a choice not made.
    if (!guard.entered()) return showSelection();
    scan_.select(row);
    showSelection();
}

void TEscan::RadioButtonClick(bool user) {
    const ReentryGuard guard(working_);
    // A click refused meanwhile must not leave its button showing a choice not made.
    if (!guard.entered()) return showSelection();
    if (user == scan_.userList()) return;
    scan_.showList(user);
    fillList();
    showSelection();
}

void TEscan::CheckBox1Click(bool solo) {
    const ReentryGuard guard(working_);
    // A click refused meanwhile must not leave its button showing a choice not made.
    if (!guard.entered()) return showSelection();
    scan_.setSolo(solo);
}

void TEscan::Rd1Click(int tag) {
    const ReentryGuard guard(working_);
    // A click refused meanwhile must not leave its button showing a choice not made.
    if (!guard.entered()) return showSelection();
    scan_.setDestination(tag);
}

void TEscan::Button3Click() {
    const ReentryGuard guard(working_);
    if (!guard.entered()) return;
    scan_.back();
    showSelection();
}

void TEscan::Button4Click() {
    const ReentryGuard guard(working_);
    if (!guard.entered()) return;
    scan_.forward();
    showSelection();
}

void TEscan::Button1Click() {
    const ReentryGuard guard(working_);
    if (!guard.entered()) return;
    scan_.copyHeldElement();
    if (copied_) copied_();
}

} // namespace app
