#pragma once
// The element radio groups of the element dialogs: four buttons "1" ... "4" with tags 0..3.

#include <QString>

#include <array>
#include <functional>

class QGroupBox;
class QRadioButton;
class QWidget;

namespace app {

// A group box `title` of buttons named `namePrefix`1 ... 4 calling `clicked` with the tag.
QGroupBox* elementButtons(QWidget* parent, const QString& title, const QString& namePrefix,
                          std::array<QRadioButton*, 4>& buttons,
                          const std::function<void(int)>& clicked);
// Elements 3 and 4 enabled only with four elements, and `checked` checked.
void prepareElementButtons(std::array<QRadioButton*, 4>& buttons, bool fourElements, int checked);

} // namespace app
