#include "app/settings_picture.h"

#include "app/settings_dialog.h"

#include <QPixmap>
#include <QTabWidget>

namespace app {

QImage settingsPicture(TFSets& dialog, const files::Settings& settings) {
    dialog.showChoice(choiceFromSettings(settings));
    if (auto* pages = dialog.findChild<QTabWidget*>()) pages->setCurrentIndex(0);
    dialog.adjustSize();
    return dialog.grab().toImage();
}

} // namespace app
