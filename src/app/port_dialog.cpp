#include "app/port_dialog.h"

#include "midi/device_names.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace app {

namespace {

void fill(QListWidget* list, const std::vector<std::string>& lines, int selected) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const auto& line : lines) list->addItem(QString::fromStdString(line));
    list->setCurrentRow(selected);
}

} // namespace

TXmidif::TXmidif(midi::MidiPort& port, midi::PortNameStore& store, Prompts& prompts,
                 QWidget* parent)
    : QDialog(parent), port_(port), logic_(port, store), prompts_(prompts),
      ListBox1(new QListWidget(this)), ListBox2(new QListWidget(this)),
      Button1(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("XG-Orvo Midi Port"));
    setObjectName(QStringLiteral("TXmidif"));
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Midi In"), this), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Midi Out"), this), 0, 1);
    layout->addWidget(ListBox1, 1, 0);
    layout->addWidget(ListBox2, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    resize(480, 260);

    connect(ListBox1, &QListWidget::currentRowChanged, this, &TXmidif::selectionChanged);
    connect(ListBox2, &QListWidget::currentRowChanged, this, &TXmidif::selectionChanged);
    connect(Button1, &QPushButton::clicked, this, &TXmidif::Button1Click);
}

bool TXmidif::FormCreate() {
    const auto startup = logic_.FormCreate();
    fillLists();
    if (!startup.error.empty()) prompts_.error(this, QString::fromStdString(startup.error));
    return startup.showDialog;
}

void TXmidif::fillLists() {
    fill(ListBox1, port_.inputLines(), port_.selectedInputLine());
    fill(ListBox2, port_.outputLines(), port_.selectedOutputLine());
    // What the dialog shows before the user touches it is what Escape goes back to.
    shownInputLine_ = port_.selectedInputLine();
    shownOutputLine_ = port_.selectedOutputLine();
}

void TXmidif::refreshLists() {
    // The selection stays on the same device, also when two identical interfaces show the
    // same name; a device that is gone leaves "NONE" selected.
    const auto inputsBefore = port_.inputLines();
    const auto outputsBefore = port_.outputLines();
    const auto inputLine = static_cast<std::size_t>(port_.selectedInputLine());
    const auto outputLine = static_cast<std::size_t>(port_.selectedOutputLine());
    port_.FillDeviceLists();
    const int input = midi::findSameDevice(inputsBefore, inputLine, port_.inputLines());
    const int output = midi::findSameDevice(outputsBefore, outputLine, port_.outputLines());
    port_.selectLines(std::max(0, input), std::max(0, output));
    fillLists();
}

void TXmidif::selectionChanged() {
    // A list without a selection counts as "NONE".
    port_.selectLines(std::max(0, ListBox1->currentRow()), std::max(0, ListBox2->currentRow()));
}

void TXmidif::Button1Click() {
    reportErrors(prompts_, this, [this] { logic_.Button1Click(); });
    accept();
}

void TXmidif::done(int result) {
    QDialog::done(result);
    if (result == QDialog::Rejected) {
        // Escape or the close button: the devices stay as they are, and so does the
        // selection the next showing starts from.
        port_.selectLines(shownInputLine_, shownOutputLine_);
        fillLists();
        return;
    }
    reportErrors(prompts_, this, [this] { logic_.FormClose(); });
}

} // namespace app
