#pragma once

// Draws a list row whose text is fields separated by tabs the way a list
// box with tab stops shows it: the text after the n-th tab starts at the
// n-th stop. A field too long for the room before the next stop (or the
// row's end) is cut short with "…".

#include <QStyledItemDelegate>
#include <QVector>

class TabStopDelegate : public QStyledItemDelegate
{
  public:
    // Stops in pixels from the row's left edge, increasing.
    explicit TabStopDelegate(QVector<int> stops, QObject *parent = nullptr);

    // A field as it is drawn: from left (pixels from the row's edge), in
    // width pixels, the text elided to fit.
    struct Field {
        int left;
        int width;
        QString text;
    };
    QVector<Field> Fields(const QString &row, const QFontMetrics &metrics, int rowWidth) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

  private:
    QVector<int> myStops;
};
