#include "app/element_buttons.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace app {

QGroupBox* elementButtons(QWidget* parent, const QString& title, const QString& namePrefix,
                          std::array<QRadioButton*, 4>& buttons,
                          const std::function<void(int)>& clicked) {
    auto* box = new QGroupBox(title, parent);
    auto* row = new QHBoxLayout(box);
    auto* exclusive = new QButtonGroup(box);
    for (int tag = 0; tag < 4; ++tag) {
        auto* button = new QRadioButton(QString::number(tag + 1), box);
        button->setObjectName(namePrefix + QString::number(tag + 1));
        exclusive->addButton(button, tag);
        buttons[static_cast<std::size_t>(tag)] = button;
        row->addWidget(button);
        QObject::connect(button, &QRadioButton::clicked, box, [clicked, tag] { clicked(tag); });
    }
    return box;
}

void prepareElementButtons(std::array<QRadioButton*, 4>& buttons, bool fourElements, int checked) {
    for (int tag = 0; tag < 4; ++tag)
        buttons[static_cast<std::size_t>(tag)]->setEnabled(tag < 2 || fourElements);
    if (checked >= 0 && checked < 4) buttons[static_cast<std::size_t>(checked)]->setChecked(true);
}

} // namespace app
