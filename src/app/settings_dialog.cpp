#include "app/settings_dialog.h"

#include "draw/colour.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app {
namespace {

constexpr int kSampleWidth = 110;
constexpr int kSampleHeight = 22;

QColor colourOf(int colorRef) {
    return QColor(draw::fromColorRef(static_cast<std::uint32_t>(colorRef)));
}

int colorRefOf(const QColor& colour) {
    return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromUtf8(name));
    return box;
}

QRadioButton* radio(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    return button;
}

QGroupBox* group(QWidget* parent, const char* title) {
    return new QGroupBox(QString::fromUtf8(title), parent);
}

void styleListPanel(QPushButton* panel, int colorRef) {
    panel->setCheckable(true);
    panel->setAutoExclusive(true);
    panel->setMinimumSize(110, 24);
    const QString colour = colourOf(colorRef).name();
    panel->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 2px outset %1; }"
                                        "QPushButton:checked { border: 2px inset %1; }"
                                        "QPushButton:disabled { color: gray; }")
                             .arg(colour));
}

} // namespace

TFSets::TFSets(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFSets"));
    setWindowTitle(QStringLiteral("Settings"));
    picker_ = [this](const QColor& current) -> std::optional<QColor> {
        QColorDialog dialog(current, this);
        dialog.setOption(QColorDialog::DontUseNativeDialog, false);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.selectedColor();
    };

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    const char* pages[] = {"Synth", "Misc", "Color", "Selector"};
    QWidget* made[4] = {};
    for (int i = 0; i < 4; ++i) {
        made[i] = new QWidget(tabs);
        tabs->addTab(made[i], QString::fromUtf8(pages[i]));
    }
    buildSynthPage(made[0]);
    buildMiscPage(made[1]);
    buildColourPage(made[2]);
    buildSelectorPage(made[3]);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    auto* help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    help->setObjectName(QStringLiteral("HelpBtn"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (help_) help_();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

void TFSets::buildSynthPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* synth = group(page, " Synth ");
    auto* synthLayout = new QVBoxLayout(synth);
    const char* names[] = {"RadioB1", "RadioB2", "RadioB3"};
    const char* captions[] = {"DB-50 XG or compatible", "QS300", "Other XG"};
    for (int i = 0; i < 3; ++i) {
        synth_[i] = radio(synth, names[i], captions[i]);
        synthLayout->addWidget(synth_[i]);
        connect(synth_[i], &QRadioButton::clicked, this, &TFSets::RadioB1Click);
    }
    layout->addWidget(synth);

    auto* deviceBox = group(page, " Device ID ");
    auto* deviceLayout = new QVBoxLayout(deviceBox);
    device_ = new QComboBox(deviceBox);
    device_->setObjectName(QStringLiteral("ComboB0"));
    for (int n = 1; n <= 16; ++n) device_->addItem(QStringLiteral("%1").arg(n, 2, 10, QChar('0')));
    deviceLayout->addWidget(device_);
    layout->addWidget(deviceBox);

    trouble_ = group(page, " QS300 Trouble ");
    auto* troubleLayout = new QVBoxLayout(trouble_);
    timeout_ = new QComboBox(trouble_);
    timeout_->setObjectName(QStringLiteral("ComboB1"));
    for (int k = 1; k <= 20; ++k) timeout_->addItem(QStringLiteral("%1 ms").arg(k * 100));
    timeoutCheck_ = checkBox(trouble_, "CheckB1", "Check Timeout");
    multiParameter_ = checkBox(trouble_, "CheckBox5", "Multi Parameter Change");
    troubleLayout->addWidget(timeout_);
    troubleLayout->addWidget(timeoutCheck_);
    troubleLayout->addWidget(multiParameter_);
    layout->addWidget(trouble_);
    layout->addStretch();
}

void TFSets::buildMiscPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* onStart = group(page, " On Start ");
    auto* startLayout = new QVBoxLayout(onStart);
    autoload_ = checkBox(onStart, "CheckBL1", "Autoload.QVB  (QS300 Voice Bank)");
    localOff_ = checkBox(onStart, "CheckBL2", "QS300 Local Off");
    xgReset_ = checkBox(onStart, "CheckBox2", "XG-Reset");
    for (QCheckBox* box : {autoload_, localOff_, xgReset_}) startLayout->addWidget(box);
    layout->addWidget(onStart);

    auto* onExit = group(page, " On Exit ");
    auto* exitLayout = new QVBoxLayout(onExit);
    localOn_ = checkBox(onExit, "CheckBL3", "QS300 Local On");
    exitLayout->addWidget(localOn_);
    layout->addWidget(onExit);

    auto* qsEditor = group(page, " QS300 Editor ");
    auto* qsLayout = new QVBoxLayout(qsEditor);
    autoEg_ = checkBox(qsEditor, "CheckBox1", "Auto EG Data");
    qsLayout->addWidget(autoEg_);
    layout->addWidget(qsEditor);

    auto* xgEditor = group(page, " XG Editor ");
    auto* xgLayout = new QVBoxLayout(xgEditor);
    qsData_ = checkBox(xgEditor, "CheckBox3", "Get QS300 Part Data");
    xgDefault_ = checkBox(xgEditor, "CheckBox4", "Reset XG Default");
    xgLayout->addWidget(qsData_);
    xgLayout->addWidget(xgDefault_);
    layout->addWidget(xgEditor);
    layout->addStretch();
}

QPushButton* TFSets::addSample(QWidget* parent, const QString& name, int* colour, int kind) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFlat(true);
    button->setIconSize(QSize(kSampleWidth, kSampleHeight));
    button->setFixedSize(kSampleWidth + 8, kSampleHeight + 6);
    connect(button, &QPushButton::clicked, this, [this, colour] { pickColour(colour); });
    static const char* kNameSamples[] = {"Grand Piano", "Crystal Lake", "Standard Kit"};
    const QString text = kind == 0   ? QString::fromUtf8(kNameSamples[samples_.size() % 3])
                         : kind == 1 ? QStringLiteral("FILTER")
                                     : QString();
    samples_.push_back({button, colour, kind, text});
    return button;
}

void TFSets::buildColourPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* poti = group(page, " Poti Color ");
    auto* potiLayout = new QHBoxLayout(poti);
    const char* names[] = {"RadioButton1", "RadioButton2", "RadioButton3"};
    const char* captions[] = {"Yellow", "Red", "Silver"};
    for (int i = 0; i < 3; ++i) {
        poti_[i] = radio(poti, names[i], captions[i]);
        potiLayout->addWidget(poti_[i]);
    }
    layout->addWidget(poti);

    auto* names_ = group(page, " Name Color ");
    auto* nameLayout = new QGridLayout(names_);
    const char* labels[] = {"XG", "QS", "Drums"};
    int* colours[] = {&shown_.xgColor, &shown_.qsColor, &shown_.drumColor};
    for (int i = 0; i < 3; ++i) {
        nameLayout->addWidget(new QLabel(QString::fromUtf8(labels[i]), names_), i, 0);
        nameLayout->addWidget(addSample(names_, QStringLiteral("iig%1").arg(i + 1), colours[i], 0),
                              i, 1);
    }
    layout->addWidget(names_);

    const char* sectionTitles[] = {" XG Section ", "QS Section "};
    for (int s = 0; s < 2; ++s) {
        auto* section = group(page, sectionTitles[s]);
        auto* sectionLayout = new QGridLayout(section);
        for (int k = 0; k < 2; ++k) {
            const int index = s * 2 + k;
            sectionLayout->addWidget(
                new QLabel(k == 0 ? QStringLiteral("Text") : QStringLiteral("Line"), section), 0,
                k * 2);
            sectionLayout->addWidget(
                addSample(section, QStringLiteral("Imcol%1").arg(index + 1),
                          &sectionSetting(shown_, static_cast<SectionColour>(index)),
                          k == 0 ? 1 : 2),
                0, k * 2 + 1);
        }
        layout->addWidget(section);
    }
    layout->addStretch();
}

void TFSets::buildSelectorPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* offsetBox = group(page, " Offset  ");
    auto* offsetLayout = new QVBoxLayout(offsetBox);
    offset_ = new QSpinBox(offsetBox);
    offset_->setObjectName(QStringLiteral("UpDown1"));
    offset_->setRange(0, kMaxListOffset);
    // The number is read-only: only the arrows change it.
    if (auto* edit = offset_->findChild<QLineEdit*>()) {
        edit->setReadOnly(true);
        edit->setObjectName(QStringLiteral("Edit1"));
    }
    auto* note = new QLabel(QStringLiteral("Change this value if the QS300 listbox doesn't have 32 "
                                           "entries in a column. See helpfile ..."),
                            offsetBox);
    note->setWordWrap(true);
    offsetLayout->addWidget(offset_);
    offsetLayout->addWidget(note);
    layout->addWidget(offsetBox);

    auto* typeBox = group(page, " Type ");
    auto* typeLayout = new QVBoxLayout(typeBox);
    graphic_ = radio(typeBox, "RadioButton4", "Graphic listbox");
    plain_ = radio(typeBox, "RadioButton5", "Normal listbox (faster)");
    typeLayout->addWidget(graphic_);
    typeLayout->addWidget(plain_);
    connect(graphic_, &QRadioButton::clicked, this, &TFSets::listStyleClicked);
    connect(plain_, &QRadioButton::clicked, this, &TFSets::listStyleClicked);
    layout->addWidget(typeBox);

    auto* colourBox = group(page, " Color ");
    auto* colourLayout = new QHBoxLayout(colourBox);
    panel1_ = new QPushButton(QStringLiteral("Grand Piano"), colourBox);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel2_ = new QPushButton(QStringLiteral("Grand Piano"), colourBox);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    styleListPanel(panel1_, kListColourBlue);
    styleListPanel(panel2_, kListColourCyan);
    colourLayout->addWidget(panel1_);
    colourLayout->addWidget(panel2_);
    layout->addWidget(colourBox);
    layout->addStretch();
}

void TFSets::showChoice(const SettingsChoice& choice) {
    shown_ = choice;
    for (int i = 0; i < 3; ++i) synth_[i]->setChecked(choice.synthType == i);
    device_->setCurrentIndex(choice.deviceNumber);
    timeout_->setCurrentIndex(choice.timeout);
    timeoutCheck_->setChecked(choice.timeoutCheck);
    multiParameter_->setChecked(choice.multiParameterChange);
    autoload_->setChecked(choice.autoloadQsBank);
    localOff_->setChecked(choice.qsLocalOff);
    xgReset_->setChecked(choice.xgReset);
    localOn_->setChecked(choice.qsLocalOn);
    autoEg_->setChecked(choice.autoEg);
    qsData_->setChecked(choice.qsData);
    xgDefault_->setChecked(choice.xgDefault);
    for (int i = 0; i < 3; ++i) poti_[i]->setChecked(choice.potiColor == i + 1);
    offset_->setValue(choice.listOffset);
    // FormShow: the chosen list colour pressed in, the style checked, the samples drawn.
    (choice.listColor == kListColourCyan ? panel2_ : panel1_)->setChecked(true);
    (choice.listType == 0 ? graphic_ : plain_)->setChecked(true);
    RadioB1Click();
    listStyleClicked();
    drawSamples();
}

SettingsChoice TFSets::choice() const {
    SettingsChoice c = shown_; // the colours picked so far
    c.synthType = synth_[2]->isChecked() ? 2 : synth_[1]->isChecked() ? 1 : 0;
    c.deviceNumber = device_->currentIndex();
    c.timeout = timeout_->currentIndex();
    c.timeoutCheck = timeoutCheck_->isChecked();
    c.multiParameterChange = multiParameter_->isChecked();
    c.autoloadQsBank = autoload_->isChecked();
    c.qsLocalOff = localOff_->isChecked();
    c.xgReset = xgReset_->isChecked();
    c.qsLocalOn = localOn_->isChecked();
    c.autoEg = autoEg_->isChecked();
    c.qsData = qsData_->isChecked();
    c.xgDefault = xgDefault_->isChecked();
    c.potiColor = poti_[0]->isChecked() ? 1 : poti_[2]->isChecked() ? 3 : 2;
    c.listType = plain_->isChecked() ? 1 : 0;
    c.listOffset = offset_->value();
    c.listColor = panel1_->isChecked() ? kListColourBlue : kListColourCyan;
    return c;
}

void TFSets::RadioB1Click() {
    const bool qs300 = synth_[1]->isChecked();
    for (QWidget* control :
         std::initializer_list<QWidget*>{timeout_, timeoutCheck_, multiParameter_})
        control->setEnabled(qs300);
}

void TFSets::listStyleClicked() {
    const bool graphic = graphic_->isChecked();
    panel1_->setEnabled(!graphic);
    panel2_->setEnabled(!graphic);
    offset_->setEnabled(graphic);
}

void TFSets::drawSamples() {
    for (const Sample& sample : samples_) {
        QPixmap picture(kSampleWidth, kSampleHeight);
        picture.fill(palette().color(QPalette::Window));
        QPainter painter(&picture);
        const QColor colour = colourOf(*sample.colour);
        painter.setPen(colour);
        if (sample.kind == 2) {
            painter.fillRect(4, kSampleHeight / 2 - 1, kSampleWidth - 8, 2, colour);
        } else {
            QFont font = painter.font();
            font.setBold(sample.kind == 1);
            painter.setFont(font);
            painter.drawText(picture.rect(), Qt::AlignCenter, sample.text);
        }
        painter.end();
        sample.button->setIcon(QIcon(picture));
    }
}

void TFSets::pickColour(int* colour) {
    if (!picker_) return;
    const auto picked = picker_(colourOf(*colour));
    if (!picked || !picked->isValid()) return;
    *colour = colorRefOf(*picked);
    drawSamples();
}

} // namespace app
