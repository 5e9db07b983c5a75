#include "TabStopDelegate.h"

#include <QApplication>
#include <QPainter>

namespace
{

constexpr int FieldGap = 4; // pixels kept free before the next stop

} // namespace

TabStopDelegate::TabStopDelegate(QVector<int> stops, QObject *parent)
    : QStyledItemDelegate(parent), myStops(std::move(stops))
{
}

QVector<TabStopDelegate::Field>
TabStopDelegate::Fields(const QString &row, const QFontMetrics &metrics, int rowWidth) const
{
    QVector<Field> fields;
    const QStringList texts = row.split('\t');
    for (int i = 0; i < texts.size(); ++i) {
        // Text before the first tab starts at the row's edge; a field past
        // the last stop has the rest of the row.
        const int left = i == 0 ? 0 : myStops.value(i - 1, rowWidth);
        const int right = i < myStops.size() ? myStops[i] - FieldGap : rowWidth;
        if (right > left && !texts[i].isEmpty())
            fields.push_back(
                {left, right - left, metrics.elidedText(texts[i], Qt::ElideRight, right - left)});
    }
    return fields;
}

void TabStopDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    // The style draws the row's background and selection; the fields are
    // drawn here, since the style knows nothing of tab stops.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    const QString text = background.text;
    background.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    painter->save();
    painter->setPen(option.palette.color(
        option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect row = option.rect;
    for (const Field &field : Fields(text, option.fontMetrics, row.width()))
        painter->drawText(QRect(row.left() + field.left, row.top(), field.width, row.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, field.text);
    painter->restore();
}
