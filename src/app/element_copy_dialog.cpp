#include "app/element_copy_dialog.h"

#include "app/element_buttons.h"
#include "midi/qs_voice_edit.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace app {

TEcop::TEcop(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TEcop"));
    setWindowTitle(QStringLiteral("Copy Element"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(elementButtons(this, QStringLiteral(" Source Element "), QStringLiteral("Rs"),
                                     sources_, [this](int tag) { Rs1Click(tag); }));
    layout->addWidget(elementButtons(this, QStringLiteral(" Destination Element "),
                                     QStringLiteral("Rd"), destinations_,
                                     [this](int tag) { Rd1Click(tag); }));
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("Button1"));
    cancel->setObjectName(QStringLiteral("Button2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TEcop::prepare(int currentElement, bool fourElements) {
    source_ = currentElement;
    destination_ = midi::copyDestinationFor(currentElement, fourElements);
    prepareElementButtons(sources_, fourElements, source_);
    prepareElementButtons(destinations_, fourElements, destination_);
}

void TEcop::Rs1Click(int tag) {
    source_ = tag;
}

void TEcop::Rd1Click(int tag) {
    destination_ = tag;
}

} // namespace app
