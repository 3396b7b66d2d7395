#pragma once
// The "Info ..." window: the program's name, what it edits and its version. A click or a
// key closes it.

#include <QDialog>
#include <QStringList>

namespace app {

// The lines under the program's name, in order.
QStringList aboutLines();

class TFabout final : public QDialog {
    Q_OBJECT
  public:
    explicit TFabout(QWidget* parent = nullptr);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace app
