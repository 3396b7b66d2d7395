#include "app/popup_list.h"

#include "app/zoom.h"
#include "draw/fonts.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace app {
namespace {

// Item rows and text size of the lists at 100 %.
constexpr int kItemHeight = 15;
constexpr int kTextHeight = 11;

// The room the item view leaves beside an item's text, on each side.
int textMargin(const QListWidget& list) {
    return list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 2;
}

} // namespace

void preparePopupList(QListWidget& list) {
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list.setTextElideMode(Qt::ElideNone);
    list.setFocusPolicy(Qt::StrongFocus);
}

QRect fillPopupList(QListWidget& list, const std::vector<std::string>& items, int selected,
                    const QRect& designed, int zoomPercent, int rightLimit) {
    list.setFont(
        draw::toolkitFont(draw::FontFace::Sans, windowLength(kTextHeight, zoomPercent), 400));
    const QFontMetrics metrics(list.font());
    const int itemHeight = windowLength(kItemHeight, zoomPercent);
    const int margin = textMargin(list);
    list.clear();
    int widest = 0;
    for (const auto& text : items) {
        auto* item = new QListWidgetItem(QString::fromStdString(text), &list);
        const int width = metrics.horizontalAdvance(item->text()) + 2 * margin;
        item->setSizeHint(QSize(width, itemHeight));
        widest = std::max(widest, width);
    }
    if (selected >= 0 && selected < list.count()) {
        list.setCurrentRow(selected);
        list.scrollToItem(list.item(selected), QAbstractItemView::PositionAtCenter);
    }

    QRect place(windowFromSurface(designed.left(), zoomPercent),
                windowFromSurface(designed.top(), zoomPercent),
                windowLength(designed.width(), zoomPercent),
                windowLength(designed.height(), zoomPercent));
    const int frame = 2 * list.frameWidth();
    const bool scrolls = static_cast<int>(items.size()) * itemHeight > place.height() - frame;
    const int scrollBar = scrolls ? list.verticalScrollBar()->sizeHint().width() : 0;
    place.setWidth(std::max(place.width(), widest + frame + scrollBar));
    if (place.right() >= rightLimit) place.moveRight(std::max(rightLimit - 1, place.width() - 1));
    return place;
}

PopupKey popupKeyOf(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PopupKey::Choose;
    case Qt::Key_Escape:
        return PopupKey::Close;
    default:
        return PopupKey::Other;
    }
}

} // namespace app
