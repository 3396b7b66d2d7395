#include "drums/drum_part_dialog.h"

#include "draw/artwork.h"
#include "draw/buttons.h"
#include "draw/canvas.h"
#include "draw/frames.h"
#include "draw/palette.h"
#include "draw/text.h"
#include "image/part_modes.h"

namespace drums {
namespace {

constexpr int kTextureRows = 32;
constexpr const char* kNotice = "! This is not an editable Drum Part !";

// A button's caption runs between left and right; its face reaches two pixels beyond.
void padButton(draw::Canvas& canvas, const draw::HitRect& area, const QString& text, bool down) {
    draw::DrawPadButton(canvas, area.left + 2, area.top, area.right - 2, text,
                        down ? draw::ButtonPressed : draw::ButtonUp);
}

} // namespace

DrumPartDialog::DrumPartDialog(const std::string& setup1Voice, const std::string& setup2Voice)
    : image_(kDialogImageWidth, kDialogImageHeight, QImage::Format_RGB32),
      setup1Voice_(setup1Voice), setup2Voice_(setup2Voice) {
    paintBackground();
    paintChoices();
}

void DrumPartDialog::paintBackground() {
    draw::Canvas canvas(image_);
    const QImage& texture = draw::artwork().titleStrip;
    for (int y = 0; y < kDialogImageHeight; y += kTextureRows)
        canvas.blit(0, y, kDialogImageWidth, kTextureRows, texture, 0, 0);
    draw::DrawRaisedFrame(canvas, 5, 5, 222, 22);
    canvas.setTextAlign(draw::TextAlign::Left);
    draw::SansText(canvas, 32, 8, draw::ColHighlight, QString::fromLatin1(kNotice), 400, -11);
    draw::SansText(canvas, 31, 7, draw::ColBlack, QString::fromLatin1(kNotice), 400, -11);
    draw::DrawValueBox(canvas, 5, 28, 222, 53);
    padButton(canvas, kCancelArea, QStringLiteral("CANCEL"), false);
    padButton(canvas, kOkArea, QStringLiteral("OK "), false);
}

void DrumPartDialog::paintChoices() {
    draw::Canvas canvas(image_);
    padButton(canvas, kSetup1Area, QString::fromStdString("Set to " + setup1Voice_),
              choice_ == image::kDrumSetup1Mode);
    padButton(canvas, kSetup2Area, QString::fromStdString("Set to " + setup2Voice_),
              choice_ == image::kDrumSetup2Mode);
    ++choicePaints_;
}

void DrumPartDialog::show() {
    choice_ = image::kDrumSetup1Mode;
    result_ = 0;
    paintChoices();
}

bool DrumPartDialog::mouseDown(int x, int y) {
    if (kSetup1Area.contains(x, y) || kSetup2Area.contains(x, y)) {
        const int wanted =
            kSetup1Area.contains(x, y) ? image::kDrumSetup1Mode : image::kDrumSetup2Mode;
        // The pressed choice stays as it is.
        if (choice_ == wanted) return false;
        choice_ = wanted;
        paintChoices();
        return false;
    }
    if (kCancelArea.contains(x, y)) return true;
    if (kOkArea.contains(x, y)) {
        result_ = choice_;
        return true;
    }
    return false;
}

} // namespace drums
