// The pictures of the About box and the splash screen, and the program's
// icon.
//
// All of them share one emblem: a small piece of board with three green X
// on a diagonal and two blue O, the colours the board gives the two signs.
// The installed icon (packaging/divuz.svg) draws the same emblem, so the
// desktop menu, the window and the About box show one picture.

#include "PictureDrawing.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace PictureDrawing
{

namespace
{

const QColor BoardWood{242, 227, 179};
const QColor BoardEdge{120, 84, 40};
const QColor GridInk{150, 118, 70};
const QColor XGreen{0, 150, 40};
const QColor OBlue{20, 70, 200};
const QColor NameInk{24, 40, 120};

void DrawX(QPainter &p, const QPointF &centre, qreal half, qreal width)
{
    p.setPen(QPen(XGreen, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    p.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
}

void DrawO(QPainter &p, const QPointF &centre, qreal half, qreal width)
{
    p.setPen(QPen(OBlue, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, half, half);
}

// Big title text with a soft shadow, centred on (centreX, baseline).
void DrawTitle(QPainter &p, const QString &text, qreal pixelSize, qreal centreX, qreal baseline,
               const QColor &ink)
{
    const QFont font = CaptionFont(pixelSize, true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(centreX - bounds.center().x(), baseline);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(path.translated(pixelSize / 24.0 + 1, pixelSize / 24.0 + 1));
    QLinearGradient fill(0, baseline - bounds.height(), 0, baseline);
    fill.setColorAt(0, ink.lighter(170));
    fill.setColorAt(1, ink);
    p.setBrush(fill);
    p.setPen(QPen(ink.darker(160), pixelSize / 40.0));
    p.drawPath(path);
}

} // namespace

void DrawEmblem(QPainter &p, const QRectF &area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(area.width(), area.height());
    const QRectF square(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    const qreal edge = side / 32.0;
    const QRectF board = square.adjusted(edge, edge, -edge, -edge);

    p.setPen(QPen(BoardEdge, 2 * edge));
    p.setBrush(BoardWood);
    p.drawRoundedRect(board, side / 8, side / 8);

    // Five lines each way make a 4 x 4 grid; the signs sit on crossings.
    const qreal margin = side * 0.16;
    const qreal step = (board.width() - 2 * margin) / 4;
    const QPointF origin = board.topLeft() + QPointF(margin, margin);
    p.setPen(QPen(GridInk, std::max<qreal>(edge, 0.8)));
    for (int i = 0; i <= 4; ++i) {
        p.drawLine(origin + QPointF(i * step, 0), origin + QPointF(i * step, 4 * step));
        p.drawLine(origin + QPointF(0, i * step), origin + QPointF(4 * step, i * step));
    }
    auto at = [&](int x, int y) { return origin + QPointF(x * step, y * step); };
    const qreal half = step * 0.36;
    const qreal pen = std::max<qreal>(step * 0.2, 1.2);
    for (int i = 1; i <= 3; ++i)
        DrawX(p, at(i, i), half, pen);
    DrawO(p, at(3, 1), half, pen);
    DrawO(p, at(1, 3), half, pen);
    p.restore();
}

void DrawNameCaption(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    DrawTitle(p, QStringLiteral("Divuz"), 38, 119, 35, NameInk);
}

void DrawSplash(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, 416, 317);

    // A deep blue evening sky over the board.
    QLinearGradient sky(0, 0, 0, 317);
    sky.setColorAt(0, QColor(18, 34, 92));
    sky.setColorAt(1, QColor(62, 104, 178));
    p.fillRect(all, sky);

    // A slanting strip of board along the bottom, with a few signs on it.
    p.save();
    p.translate(208, 300);
    p.rotate(-8);
    const QRectF strip(-260, -70, 520, 130);
    p.setPen(QPen(BoardEdge, 3));
    p.setBrush(BoardWood);
    p.drawRect(strip);
    p.setPen(QPen(GridInk, 1));
    for (qreal x = strip.left() + 10; x < strip.right(); x += 26)
        p.drawLine(QPointF(x, strip.top()), QPointF(x, strip.bottom()));
    for (qreal y = strip.top() + 10; y < strip.bottom(); y += 26)
        p.drawLine(QPointF(strip.left(), y), QPointF(strip.right(), y));
    for (int i = 0; i < 4; ++i)
        DrawX(p, QPointF(-218 + 26 * i, -60 + 26 * i), 8, 4);
    DrawO(p, QPointF(-140, -60), 8, 4);
    DrawO(p, QPointF(-114, -34), 8, 4);
    p.restore();

    DrawEmblem(p, QRectF(24, 22, 120, 120));
    DrawTitle(p, QStringLiteral("Divuz"), 76, 272, 100, QColor(255, 214, 90));
    p.setPen(QColor(230, 236, 255));
    p.setFont(CaptionFont(17, false));
    p.drawText(QRectF(150, 112, 250, 24), Qt::AlignCenter,
               QCoreApplication::translate("Pictures", "Piškvorky proti počítači"));
    p.setFont(CaptionFont(13, false));
    p.drawText(QRectF(150, 136, 250, 20), Qt::AlignCenter,
               QCoreApplication::translate("Pictures", "Pět v řadě na desce 19 × 19"));

    // The light card the splash window writes its two contact lines on.
    p.setPen(QPen(QColor(120, 120, 140), 1));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(QRectF(160.5, 220.5, 230, 52), 8, 8);
}

} // namespace PictureDrawing
