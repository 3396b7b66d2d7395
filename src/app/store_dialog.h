#pragma once
// `TQstore`: where a voice goes in the user bank. Four columns of the 128 current user
// voice names; "Store" is enabled only once a place has been chosen.

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace app {

class TQstore final : public QDialog {
    Q_OBJECT
  public:
    // `voiceName`: the 10-character name of the voice being stored; `userVoices`: the
    // texts of the user voice list, one per bank place.
    TQstore(const std::string& voiceName, const std::vector<std::string>& userVoices,
            QWidget* parent = nullptr);

    // The chosen bank place, or -1.
    int chosen() const;
    QListWidget* list() const { return list_; }
    QPushButton* storeButton() const { return store_; }

  private:
    void ListB18Click();

    QListWidget* list_ = nullptr;
    QPushButton* store_ = nullptr;
};

} // namespace app
