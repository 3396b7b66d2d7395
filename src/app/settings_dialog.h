#pragma once
// `TFSets` "Settings": synth type, device number and handshake, start and exit actions,
// editor options, colours and the voice list style, on four pages. The dialog holds no
// settings of its own: it shows them when opened and applies them, in a fixed order, on
// "OK". Its creation at start-up also runs the start actions.

#include "app/settings_choice.h"

#include <QColor>
#include <QDialog>

#include <functional>
#include <optional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace app {

class TFSets final : public QDialog {
    Q_OBJECT
  public:
    explicit TFSets(QWidget* parent = nullptr);

    // Picks a colour, starting from the current one; nothing when the user cancels.
    using ColourPicker = std::function<std::optional<QColor>(const QColor& current)>;
    // The colour dialog with its full custom-colour area unless replaced (tests).
    void setColourPicker(ColourPicker picker) { picker_ = std::move(picker); }
    // "Help" opens the topic "X_Settings" through this.
    void setHelp(std::function<void()> help) { help_ = std::move(help); }

    // Opening: every control from the choice, the " QS300 Trouble " controls enabled for
    // "QS300" only, the list style and colour marked, the samples drawn.
    void showChoice(const SettingsChoice& choice);
    // What the controls hold now.
    SettingsChoice choice() const;

    // `RadioB1Click`: the " QS300 Trouble " controls follow the synth type chosen.
    void RadioB1Click();
    // The style radio buttons: the graphic style enables the offset, the plain style
    // the colour panels.
    void listStyleClicked();

  private:
    void buildSynthPage(QWidget* page);
    void buildMiscPage(QWidget* page);
    void buildColourPage(QWidget* page);
    void buildSelectorPage(QWidget* page);
    QPushButton* addSample(QWidget* parent, const QString& name, int* colour, int kind);
    void drawSamples();
    void pickColour(int* colour);

    SettingsChoice shown_;
    ColourPicker picker_;
    std::function<void()> help_;

    QRadioButton* synth_[3] = {};
    QComboBox* device_ = nullptr;
    QGroupBox* trouble_ = nullptr;
    QComboBox* timeout_ = nullptr;
    QCheckBox* timeoutCheck_ = nullptr;
    QCheckBox* multiParameter_ = nullptr;
    QCheckBox* autoload_ = nullptr;
    QCheckBox* localOff_ = nullptr;
    QCheckBox* xgReset_ = nullptr;
    QCheckBox* localOn_ = nullptr;
    QCheckBox* autoEg_ = nullptr;
    QCheckBox* qsData_ = nullptr;
    QCheckBox* xgDefault_ = nullptr;
    QRadioButton* poti_[3] = {};
    struct Sample {
        QPushButton* button;
        int* colour;
        int kind; // 0 name, 1 section text, 2 section line
        QString text;
    };
    std::vector<Sample> samples_;
    QSpinBox* offset_ = nullptr;
    QRadioButton* graphic_ = nullptr;
    QRadioButton* plain_ = nullptr;
    QPushButton* panel1_ = nullptr;
    QPushButton* panel2_ = nullptr;
};

} // namespace app
