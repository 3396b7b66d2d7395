#pragma once
// The surface's pop-up lists are ordinary list widgets. They are drawn in the program's
// list face, enlarged with the surface, and made wide enough for their longest item, so
// that no item is cut and no horizontal scroll bar appears.

#include <QRect>
#include <string>
#include <vector>

class QListWidget;

namespace app {

// Face, frame and scroll bar rules of a new list.
void preparePopupList(QListWidget& list);

// Fills the list with the items at the zoom, makes `selected` current and returns where the
// list goes: at the designed place (surface pixels), widened to its longest item and moved
// left where it would pass `rightLimit` (window pixels).
QRect fillPopupList(QListWidget& list, const std::vector<std::string>& items, int selected,
                    const QRect& designed, int zoomPercent, int rightLimit);

// What a key does in a shown list: Enter chooses the current item as a click does, Escape
// closes the list without a change; the arrow keys are the list's own.
enum class PopupKey { Other, Choose, Close };
PopupKey popupKeyOf(int key);

} // namespace app
