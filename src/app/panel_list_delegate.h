#pragma once
// How the drum editor's kit and key lists draw their items: on a piece of the list
// selection bar when selected, else on a piece of the graph background, the text over it
// without a background of its own; greyed while the list takes no clicks.

#include <QStyledItemDelegate>

namespace app {

class PanelListDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace app
