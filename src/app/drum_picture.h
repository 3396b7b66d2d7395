#pragma once
// The drum editor as the README and --screenshot show it: open on the tenth part with the
// Standard Kit and the key of note 36 selected, its lists drawn where they stand.

#include <QImage>

namespace app {

class TFXg;

// Opens the drum editor on the tenth part with note 36 selected; false when it stays closed.
bool showDrumEditorPicture(TFXg& window);
// Draws the drum editor's shown lists onto a picture of its panel.
void drawDrumLists(TFXg& window, QImage& picture);

} // namespace app
