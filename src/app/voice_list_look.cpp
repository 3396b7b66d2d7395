#include "app/voice_list_look.h"

#include "draw/colour.h"
#include "draw/palette.h"

#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

namespace app {
namespace {

QColor qColour(draw::Colour c) {
    return QColor(c);
}

// Items drawn like the painted surface: panel colour with a darker line below each item,
// the chosen item in the highlight colour.
class GraphicItemDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        const bool chosen = option.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->fillRect(r, qColour(chosen ? draw::ColHighlight : draw::ColPanel));
        painter->setPen(qColour(draw::ColBronze));
        painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter->setPen(qColour(chosen ? draw::ColBrown : draw::ColBlack));
        painter->setFont(option.font);
        painter->drawText(r.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

constexpr const char* kGraphicProperty = "voiceListGraphic";

} // namespace

void applyVoiceListLook(QListWidget& list, bool graphic, int listColorRef, int columns) {
    const bool wasGraphic = list.property(kGraphicProperty).toBool();
    if (graphic && !wasGraphic) list.setItemDelegate(new GraphicItemDelegate(&list));
    if (!graphic && wasGraphic) list.setItemDelegate(new QStyledItemDelegate(&list));
    list.setProperty(kGraphicProperty, graphic);

    QPalette palette = list.palette();
    const QColor base = graphic
                            ? qColour(draw::ColPanel)
                            : qColour(draw::fromColorRef(static_cast<std::uint32_t>(listColorRef)));
    palette.setColor(QPalette::Base, base);
    list.setPalette(palette);

    if (columns > 1) {
        list.setFlow(QListView::TopToBottom);
        list.setWrapping(true);
        list.setResizeMode(QListView::Adjust);
        list.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    } else {
        list.setFlow(QListView::TopToBottom);
        list.setWrapping(false);
    }
}

} // namespace app
