#pragma once
// `TFzufall` "Random": "Next" plays a new random proposal, "OK" keeps the one heard,
// "Cancel" keeps the edited voice.

#include <QDialog>

#include <functional>

namespace app {

class TFzufall final : public QDialog {
    Q_OBJECT
  public:
    // `next` makes and plays a proposal.
    TFzufall(std::function<void()> next, QWidget* parent = nullptr);

    void Button3Click();

  private:
    std::function<void()> next_;
    bool working_ = false;
};

} // namespace app
