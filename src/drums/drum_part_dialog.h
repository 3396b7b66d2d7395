#pragma once
// `TDrTst`: asked when the drum editor opens on a normal part. The painted image `ig2`
// offers to make the part play drum setup 1 or 2; "OK " takes the choice, "CANCEL" none.
// This is the dialog's picture and logic; drum_part_window.h shows it as a modal window.

#include "draw/hit_rect.h"

#include <QImage>

#include <string>

namespace drums {

inline constexpr int kDialogImageWidth = 228;
inline constexpr int kDialogImageHeight = 82;

class DrumPartDialog {
  public:
    // The two setups' drum voice names ("D1:..." and "D2:...").
    DrumPartDialog(const std::string& setup1Voice, const std::string& setup2Voice);

    // Every show starts on setup 1 with no result.
    void show();
    // A press on `ig2`; true when the dialog closes.
    bool mouseDown(int x, int y);

    // `DrumChoice`: 2 for setup 1, 3 for setup 2.
    int choice() const { return choice_; }
    // `DrumDialogResult`: 0 cancelled, else the chosen part mode.
    int result() const { return result_; }
    const QImage& image() const { return image_; }
    // How often the choice buttons have been drawn.
    int choicePaints() const { return choicePaints_; }

    static constexpr draw::HitRect kSetup1Area{13, 33, 110, 47};
    static constexpr draw::HitRect kSetup2Area{118, 33, 215, 47};
    static constexpr draw::HitRect kCancelArea{60, 60, 110, 74};
    static constexpr draw::HitRect kOkArea{118, 60, 168, 74};

  private:
    void paintBackground();
    void paintChoices();

    QImage image_;
    std::string setup1Voice_;
    std::string setup2Voice_;
    int choice_ = 2;
    int result_ = 0;
    int choicePaints_ = 0;
};

} // namespace drums
