#pragma once
// `TEcop` "Copy Element": which element of the edited voice goes over which.

#include <QDialog>

#include <array>

class QRadioButton;

namespace app {

class TEcop final : public QDialog {
    Q_OBJECT
  public:
    explicit TEcop(QWidget* parent = nullptr);

    // Elements 3 and 4 only with four elements; the current element is the source and the
    // destination offered is checked.
    void prepare(int currentElement, bool fourElements);
    int source() const { return source_; }
    int destination() const { return destination_; }

    void Rs1Click(int tag);
    void Rd1Click(int tag);

  private:
    std::array<QRadioButton*, 4> sources_{};
    std::array<QRadioButton*, 4> destinations_{};
    int source_ = 0;
    int destination_ = 1;
};

} // namespace app
