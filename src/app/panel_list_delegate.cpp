#include "app/panel_list_delegate.h"

#include "draw/artwork.h"

#include <QPainter>

namespace app {
namespace {

// The text starts this far right of the item's left edge.
constexpr int kTextIndent = 2;
const QColor kGreyText(128, 128, 128);

} // namespace

void PanelListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const auto& art = draw::artwork();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QImage& background = selected ? art.listSelection : art.graphBackground;
    const QRect item = option.rect;
    const QRect piece(0, 0, std::min(item.width(), background.width()),
                      std::min(item.height(), background.height()));
    painter->save();
    painter->drawImage(item, background, piece);
    const bool enabled = option.state.testFlag(QStyle::State_Enabled);
    painter->setPen(enabled ? QColor(Qt::black) : kGreyText);
    painter->setFont(option.font);
    painter->drawText(item.adjusted(kTextIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

} // namespace app
