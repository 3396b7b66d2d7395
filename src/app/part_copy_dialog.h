#pragma once
// `TFP_coper` "Copy from Part N": which groups of the current part to copy, and to which
// part or to all others. `TFp_ini` "Initialize Part N": the part back to its defaults,
// with or without the default voice.

#include "image/part_copy.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace app {

class TFP_coper final : public QDialog {
    Q_OBJECT
  public:
    explicit TFP_coper(QWidget* parent = nullptr);

    // The name colours of the settings (Windows colour values).
    struct NameColours {
        int xg;
        int qs;
        int drum;
    };
    // Prepares the dialog for copying from `source`: caption, its own target disabled, the
    // targets coloured as their voices, no target chosen and "OK" disabled.
    // `kindOf(p)` is 0 for an XG voice, 1 for a QS300 voice, 2 for a drum part.
    void prepare(int source, const std::function<int(int)>& kindOf, const NameColours& colours);
    // The check boxes as they stand. They keep their state from one copy to the next.
    image::CopyChoice choice() const;
    // The chosen target: 0..15, 16 for "All", -1 when none has been clicked.
    int target() const { return target_; }

    // `RB0Click`: the clicked button's tag becomes the target and "OK" is enabled.
    void RB0Click(int tag);
    void setAll(bool groupPanel, bool on);

  private:
    std::array<QCheckBox*, image::kCopyGroupCount> boxes_{};
    std::array<QRadioButton*, 17> targets_{};
    QPushButton* ok_ = nullptr;
    int target_ = -1;
};

class TFp_ini final : public QDialog {
    Q_OBJECT
  public:
    explicit TFp_ini(QWidget* parent = nullptr);
    void prepare(int part);
    bool withDefaultVoice() const;

  private:
    QCheckBox* defaultVoice_ = nullptr;
};

} // namespace app
