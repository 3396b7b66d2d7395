#pragma once
// `TEscan` "Element Scan": the preset or user voice names, "<" and ">" through their
// elements, each one played on the module, and "Copy" into the destination element of the
// edited voice. The dialog stays open after a copy; "Close" ends it.

#include "image/synth_image.h"
#include "midi/qs_element_scan.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace app {

class TEscan final : public QDialog {
    Q_OBJECT
  public:
    // `copied` runs after "Copy" changed the edited voice.
    TEscan(midi::QsElementScan& scan, const image::VoiceBank& userBank,
           std::function<void()> copied, QWidget* parent = nullptr);

    // Before showing: the destinations offered, the names of the list shown and the
    // remembered voice selected and played.
    void prepare(bool fourElements);

    void ListBox1Click(int row);
    void RadioButtonClick(bool user);
    void CheckBox1Click(bool solo);
    void Rd1Click(int tag);
    void Button3Click(); // "<"
    void Button4Click(); // ">"
    void Button1Click(); // "Copy"

  private:
    void fillList();
    void showSelection();

    midi::QsElementScan& scan_;
    const image::VoiceBank& userBank_;
    std::function<void()> copied_;
    QListWidget* list_ = nullptr;
    QRadioButton* preset_ = nullptr;
    QRadioButton* user_ = nullptr;
    QCheckBox* solo_ = nullptr;
    QLabel* source_ = nullptr;
    std::array<QRadioButton*, 4> destinations_{};
    bool working_ = false;
};

} // namespace app
