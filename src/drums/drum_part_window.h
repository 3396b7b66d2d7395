#pragma once
// The drum part dialog as a borderless modal window: the painted image on maroon, placed
// beside the editor's part page.

#include "drums/drum_part_dialog.h"

#include <QDialog>

namespace drums {

class DrumPartWindow final : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 235;
    static constexpr int kClientHeight = 90;
    static constexpr int kImageX = 3;
    static constexpr int kImageY = 4;

    DrumPartWindow(const std::string& setup1Voice, const std::string& setup2Voice,
                   QWidget* parent = nullptr);

    // `DrumDialogResult` after the window closed: 0, 2 or 3.
    int drumDialogResult() const { return dialog_.result(); }
    DrumPartDialog& dialog() { return dialog_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    DrumPartDialog dialog_;
};

} // namespace drums
