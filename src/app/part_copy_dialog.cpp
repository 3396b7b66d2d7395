#include "app/part_copy_dialog.h"

#include "draw/colour.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace app {
namespace {

constexpr int kAllTag = 16;

QDialogButtonBox* okCancel(QDialog* dialog, QPushButton** ok) {
    auto* buttons = new QDialogButtonBox(dialog);
    *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    (*ok)->setObjectName(QStringLiteral("OKBtn"));
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QString targetCaption(int tag) {
    if (tag == kAllTag) return QStringLiteral("All");
    return tag < 9 ? QStringLiteral("  %1").arg(tag + 1) : QString::number(tag + 1);
}

} // namespace

TFP_coper::TFP_coper(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFP_coper"));
    auto* layout = new QVBoxLayout(this);
    auto* panels = new QHBoxLayout;
    const auto groups = image::copyGroups();
    const image::CopyChoice start = image::defaultCopyChoice();
    for (int panel = 0; panel < 2; ++panel) {
        auto* box =
            new QGroupBox(panel == 0 ? QStringLiteral("Group") : QStringLiteral("Parameter"), this);
        auto* boxLayout = new QVBoxLayout(box);
        const int first = panel == 0 ? 0 : image::kGroupPanelCount;
        const int end = panel == 0 ? image::kGroupPanelCount : image::kCopyGroupCount;
        for (int g = first; g < end; ++g) {
            const auto i = static_cast<std::size_t>(g);
            auto* check =
                new QCheckBox(QString::fromUtf8(groups[i].caption.data(),
                                                static_cast<qsizetype>(groups[i].caption.size())),
                              box);
            check->setObjectName(QStringLiteral("CB%1").arg(g + 1));
            check->setChecked(start[i]);
            boxes_[i] = check;
            boxLayout->addWidget(check);
        }
        auto* row = new QHBoxLayout;
        auto* none = new QPushButton(QStringLiteral("None"), box);
        auto* all = new QPushButton(QStringLiteral("All  "), box);
        none->setObjectName(panel == 0 ? QStringLiteral("NoneGroup") : QStringLiteral("NoneParam"));
        all->setObjectName(panel == 0 ? QStringLiteral("AllGroup") : QStringLiteral("AllParam"));
        const bool groupPanel = panel == 0;
        connect(none, &QPushButton::clicked, this,
                [this, groupPanel] { setAll(groupPanel, false); });
        connect(all, &QPushButton::clicked, this, [this, groupPanel] { setAll(groupPanel, true); });
        row->addWidget(none);
        row->addWidget(all);
        boxLayout->addLayout(row);
        boxLayout->addStretch();
        panels->addWidget(box);
    }
    layout->addLayout(panels);

    auto* targetBox = new QGroupBox(QStringLiteral("Copy to"), this);
    auto* grid = new QGridLayout(targetBox);
    auto* exclusive = new QButtonGroup(this);
    for (int tag = 0; tag <= kAllTag; ++tag) {
        auto* button = new QRadioButton(targetCaption(tag), targetBox);
        button->setObjectName(tag == kAllTag ? QStringLiteral("RBAll")
                                             : QStringLiteral("RB%1").arg(tag));
        exclusive->addButton(button, tag);
        targets_[static_cast<std::size_t>(tag)] = button;
        grid->addWidget(button, tag / 8, tag % 8);
        connect(button, &QRadioButton::clicked, this, [this, tag] { RB0Click(tag); });
    }
    layout->addWidget(targetBox);
    layout->addWidget(okCancel(this, &ok_));
}

void TFP_coper::prepare(int source, const std::function<int(int)>& kindOf,
                        const NameColours& colours) {
    setWindowTitle(QStringLiteral("Copy from Part %1").arg(source + 1));
    // A checked button of an exclusive group can only be cleared with the group off.
    auto* exclusive = targets_[0]->group();
    exclusive->setExclusive(false);
    for (int tag = 0; tag <= kAllTag; ++tag) {
        QRadioButton* button = targets_[static_cast<std::size_t>(tag)];
        button->setChecked(false);
        if (tag == kAllTag) continue;
        button->setEnabled(tag != source);
        const int kind = kindOf(tag);
        const int colour = kind == 2 ? colours.drum : kind == 1 ? colours.qs : colours.xg;
        QPalette palette = button->palette();
        palette.setColor(QPalette::WindowText,
                         QColor(draw::fromColorRef(static_cast<std::uint32_t>(colour))));
        palette.setColor(QPalette::ButtonText,
                         QColor(draw::fromColorRef(static_cast<std::uint32_t>(colour))));
        button->setPalette(palette);
    }
    exclusive->setExclusive(true);
    target_ = -1;
    ok_->setEnabled(false);
}

image::CopyChoice TFP_coper::choice() const {
    image::CopyChoice c{};
    for (std::size_t i = 0; i < c.size(); ++i) c[i] = boxes_[i]->isChecked();
    return c;
}

void TFP_coper::RB0Click(int tag) {
    target_ = tag;
    targets_[static_cast<std::size_t>(tag)]->setChecked(true);
    ok_->setEnabled(true);
}

void TFP_coper::setAll(bool groupPanel, bool on) {
    const int first = groupPanel ? 0 : image::kGroupPanelCount;
    const int end = groupPanel ? image::kGroupPanelCount : image::kCopyGroupCount;
    for (int g = first; g < end; ++g) boxes_[static_cast<std::size_t>(g)]->setChecked(on);
}

TFp_ini::TFp_ini(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFp_ini"));
    auto* layout = new QVBoxLayout(this);
    defaultVoice_ = new QCheckBox(QStringLiteral("With Default XG-Voice"), this);
    defaultVoice_->setObjectName(QStringLiteral("CheckBox1"));
    layout->addWidget(defaultVoice_);
    QPushButton* ok = nullptr;
    layout->addWidget(okCancel(this, &ok));
}

void TFp_ini::prepare(int part) {
    setWindowTitle(QStringLiteral("Initialize Part %1").arg(part + 1));
}

bool TFp_ini::withDefaultVoice() const {
    return defaultVoice_->isChecked();
}

} // namespace app
