#include "app/drum_picture.h"

#include "app/editor_window.h"
#include "image/synth_image.h"

#include <QListWidget>
#include <QPainter>

namespace app {
namespace {
constexpr int kPictureNote = 36;
}

bool showDrumEditorPicture(TFXg& window) {
    window.editor().selectPart(image::kDrumPartIndex);
    window.toggleDrumEditor();
    if (!window.panels().isOpen(editor::Panel::DrumEditor)) return false;
    window.drums().SelectDrumNote(kPictureNote);
    return true;
}

void drawDrumLists(TFXg& window, QImage& picture) {
    const editor::HitRect place = editor::Panels::placeOf(editor::Panel::DrumEditor);
    QPainter painter(&picture);
    for (editor::PopupList id : {drums::kKitList1, drums::kKitList2, drums::kKeyList}) {
        QListWidget* list = window.popupList(id);
        if (!list || list->isHidden()) continue;
        const QRect geometry = list->geometry();
        const QPoint topLeft = window.surfacePointOf(geometry.topLeft());
        const QPoint bottomRight = window.surfacePointOf(geometry.bottomRight());
        painter.drawPixmap(QRect(topLeft - QPoint(place.left, place.top),
                                 bottomRight - QPoint(place.left, place.top)),
                           list->grab());
    }
}

} // namespace app
