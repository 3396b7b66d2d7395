#pragma once
// The progress of "Get From Module": a bar that follows the requests answered or given up,
// and "Cancel". The dialog drives the reader: its timer tells it that time passed, and the
// module's answers reach it through received(). It closes by itself once the reading ends.

#include "files/module_readback.h"

#include <QDialog>
#include <QTimer>

#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace app {

class ReadbackDialog final : public QDialog {
  public:
    static constexpr int kTickMs = 20;

    ReadbackDialog(files::ModuleReadback& reader, QWidget* parent);

    // Sends the first request; false when the port refused it (see error()).
    bool start();
    // An answer from the module's input.
    void received(const std::vector<std::uint8_t>& message);
    // The timer's turn: the reader learns that time passed and the bar follows.
    void tick();

    // What the port raised while reading; the reading ended there.
    const std::string& error() const { return error_; }
    QLabel& label() const { return *label_; }
    QProgressBar& bar() const { return *bar_; }
    QPushButton& cancelButton() const { return *cancel_; }

    // Cancel, Escape and the close button stop the reading at once.
    void reject() override;

  private:
    template <typename Step> void step(Step&& action);

    files::ModuleReadback& reader_;
    QLabel* label_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    QTimer timer_;
    std::string error_;
};

} // namespace app
