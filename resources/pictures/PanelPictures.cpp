// The backgrounds of the information panel and the level captions.
//
// Every panel window is a raised light grey slab with a classic 2-pixel
// bevel, the same grey the view fills its spare area with, so the column
// reads as one set of stacked panels. The score, clock and chances windows
// carry an etched frame with their caption centred on its top edge and an
// etched divider below the caption between the player's half (left) and
// the computer's (right). The digits and columns that the windows draw
// into these backgrounds land in sunken black wells: black is also the
// colour the windows leave out of a digit picture, so the segments sit on
// the well seamlessly.
//
// The wells follow where the windows centre their contents (each row of
// digits is centred in its layout rectangle; each column stands on the
// bottom of its rectangle and leans its top and side faces 8 pixels to the
// upper left), not the rectangles themselves, which are wider than the
// score digits and narrower than the clocks.

#include "PictureDrawing.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace PictureDrawing
{

namespace
{

constexpr int PanelWidth = 239;

// Rows of digits as the score and clock windows place them: the centre of
// the layout rectangle, less half the row.
struct Row {
    int centreX, centreY, count, cellWidth, cellHeight;
    QRect Bounds() const
    {
        const int width = count * cellWidth;
        return {centreX - width / 2, centreY - cellHeight / 2, width, cellHeight};
    }
};

// Score: two 17 x 25 positions centred in (10,10)-(110,50) and
// (130,10)-(220,50).
constexpr Row ScorePlayer{60, 30, 2, 17, 25};
constexpr Row ScoreComputer{175, 30, 2, 17, 25};
// Clocks: eight 12 x 21 positions; the player's centred in (15,10)-(115,50),
// the computer's in (130,10)-(220,50).
constexpr Row TimePlayer{65, 30, 8, 12, 21};
constexpr Row TimeComputer{175, 30, 8, 12, 21};

// The chances columns: front faces (67,23)-(83,60) and (177,23)-(193,60),
// leaning d = 8 pixels to the upper left.
constexpr QRect PriceFrontLeft(67, 23, 16, 37);
constexpr QRect PriceFrontRight(177, 23, 16, 37);
constexpr int PriceLean = 8;

void Hline(QPainter &p, int x0, int x1, int y, const QColor &c)
{
    p.fillRect(x0, y, x1 - x0 + 1, 1, c);
}

void Vline(QPainter &p, int x, int y0, int y1, const QColor &c)
{
    p.fillRect(x, y0, 1, y1 - y0 + 1, c);
}

// The raised slab: face colour with a light top-left and a dark
// bottom-right edge, two pixels deep.
void Slab(QPainter &p, int width, int height)
{
    p.fillRect(0, 0, width, height, Face);
    const int r = width - 1;
    const int b = height - 1;
    Hline(p, 0, r - 1, 0, Light);
    Vline(p, 0, 0, b - 1, Light);
    Hline(p, 0, r, b, DarkShadow);
    Vline(p, r, 0, b, DarkShadow);
    Hline(p, 1, r - 2, 1, SoftLight);
    Vline(p, 1, 1, b - 2, SoftLight);
    Hline(p, 1, r - 1, b - 1, Shadow);
    Vline(p, r - 1, 1, b - 1, Shadow);
}

// A sunken well whose interior is exactly `inside`, with a 2-pixel border
// around it: dark at the top and left, light at the bottom and right.
void Well(QPainter &p, const QRect &inside, const QColor &fill)
{
    p.fillRect(inside, fill);
    const int l = inside.left() - 1, t = inside.top() - 1;
    const int r = inside.right() + 1, b = inside.bottom() + 1;
    Hline(p, l - 1, r, t - 1, Shadow);
    Vline(p, l - 1, t - 1, b, Shadow);
    Hline(p, l, r - 1, t, DarkShadow);
    Vline(p, l, t, b - 1, DarkShadow);
    Hline(p, l - 1, r + 1, b + 1, Light);
    Vline(p, r + 1, t - 1, b + 1, Light);
    Hline(p, l, r, b, SoftLight);
    Vline(p, r, t, b, SoftLight);
}

// An etched line pair: a shadow line with a light line right below or
// right of it, as group frames and dividers of a classic panel.
void EtchedHline(QPainter &p, int x0, int x1, int y)
{
    Hline(p, x0, x1, y, Shadow);
    Hline(p, x0 + 1, x1 + 1, y + 1, Light);
}

void EtchedVline(QPainter &p, int x, int y0, int y1)
{
    Vline(p, x, y0, y1, Shadow);
    Vline(p, x + 1, y0 + 1, y1 + 1, Light);
}

// Draws text with its capital letters centred on (centreX, centreY); the
// capitals, not the descenders, decide where a caption looks centred.
void CenteredText(QPainter &p, const QFont &font, const QColor &ink, const QString &text,
                  qreal centreX, qreal centreY)
{
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    const qreal baseline = std::round(centreY + metrics.capHeight() / 2.0);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QPointF(std::round(centreX - width / 2.0), baseline), text);
}

// The etched frame with its caption centred on the top edge and the
// divider between the halves running from below the caption to the bottom.
void CaptionedFrame(QPainter &p, int height, const QString &caption)
{
    Slab(p, PanelWidth, height);
    const int left = 5, right = PanelWidth - 7, top = 8, bottom = height - 8;
    EtchedHline(p, left, right, top);
    EtchedHline(p, left, right, bottom);
    EtchedVline(p, left, top, bottom);
    EtchedVline(p, right, top, bottom);

    const QFont font = CaptionFont(12, true);
    const QFontMetricsF metrics(font);
    const qreal centre = PanelWidth / 2.0;
    const qreal gap = std::ceil(metrics.horizontalAdvance(caption) / 2.0) + 4;
    p.fillRect(QRectF(centre - gap, top, 2 * gap, 2), Face);
    CenteredText(p, font, CaptionInk, caption, centre, top + 0.5);

    const int divider = PanelWidth / 2;
    EtchedVline(p, divider, top + 8, bottom - 2);
}

} // namespace

QFont CaptionFont(qreal pixelSize, bool bold)
{
    QFont font;
    // Liberation Sans has Arial's metrics; the others are fallbacks of the
    // same kind for systems without it.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void DrawLevelCaption(QPainter &p, const QString &text)
{
    p.fillRect(0, 0, 150, 26, Qt::white);
    p.setRenderHint(QPainter::TextAntialiasing);
    CenteredText(p, CaptionFont(15, true), CaptionInk, text, 75, 13);
}

void DrawLevelBack(QPainter &p)
{
    Slab(p, PanelWidth, 41);
    // The level caption is drawn at (85, 6) with white left out, so the
    // field under it is white too and the caption's soft edges blend in.
    const QRect field(85, 6, 150, 26);
    p.fillRect(field, Qt::white);
    Hline(p, field.left() - 1, field.right(), field.top() - 1, Shadow);
    Vline(p, field.left() - 1, field.top() - 1, field.bottom(), Shadow);
    Hline(p, field.left() - 1, field.right() + 1, field.bottom() + 1, Light);
    Vline(p, field.right() + 1, field.top() - 1, field.bottom() + 1, Light);
    Hline(p, field.left() - 2, field.right() + 1, field.top() - 2, Shadow);
    Vline(p, field.left() - 2, field.top() - 2, field.bottom() + 1, Shadow);

    p.setRenderHint(QPainter::TextAntialiasing);
    CenteredText(p, CaptionFont(15, true), CaptionInk,
                 QCoreApplication::translate("Pictures", "Level :"), (8 + field.left() - 3) / 2.0,
                 field.center().y() + 0.5);
}

void DrawHeaderBack(QPainter &p)
{
    Slab(p, PanelWidth, 41);
    const int divider = PanelWidth / 2;
    EtchedVline(p, divider, 7, 32);
    // The captions stand over the middles of what the windows below show
    // in each half, not over the middles of the halves.
    const QFont font = CaptionFont(15, true);
    CenteredText(p, font, CaptionInk, QCoreApplication::translate("Pictures", "PLAYER"), 63, 20.5);
    CenteredText(p, font, CaptionInk, QCoreApplication::translate("Pictures", "COMPUTER"), 177,
                 20.5);
}

void DrawScoreBack(QPainter &p)
{
    CaptionedFrame(p, 59, QCoreApplication::translate("Pictures", "Score"));
    for (const Row &row : {ScorePlayer, ScoreComputer}) {
        const QRect digits = row.Bounds();
        Well(p, digits.adjusted(-8, -3, 8, 3), Qt::black);
    }
}

void DrawTimeBack(QPainter &p)
{
    CaptionedFrame(p, 59, QCoreApplication::translate("Pictures", "Time"));
    for (const Row &row : {TimePlayer, TimeComputer}) {
        const QRect digits = row.Bounds();
        Well(p, digits.adjusted(-2, -2, 2, 2), Qt::black);
    }
}

void DrawPriceBack(QPainter &p)
{
    CaptionedFrame(p, 78, QCoreApplication::translate("Pictures", "Chances"));
    p.setRenderHint(QPainter::Antialiasing);
    for (const QRect &front : {PriceFrontLeft, PriceFrontRight}) {
        // The whole reach of the column, faces leaning left included.
        const QRect reach(front.left() - PriceLean, front.top() - PriceLean,
                          front.width() + PriceLean, front.height() + PriceLean);
        Well(p, reach.adjusted(-5, -3, 5, 3), Qt::black);

        // A faint outline of the full column shows the scale the live
        // column fills: the front face, the edges of the top and side faces.
        const qreal l = front.left() + 0.5, r = front.right() + 0.5;
        const qreal t = front.top() + 0.5, b = front.bottom() + 0.5;
        QPainterPath ghost;
        ghost.addRect(QRectF(l, t, r - l, b - t));
        ghost.moveTo(l, t);
        ghost.lineTo(l - PriceLean, t - PriceLean);
        ghost.lineTo(r - PriceLean, t - PriceLean);
        ghost.lineTo(r, t);
        ghost.moveTo(l - PriceLean, t - PriceLean);
        ghost.lineTo(l - PriceLean, b - PriceLean);
        ghost.lineTo(l, b);
        p.setPen(QPen(QColor(96, 96, 100), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(ghost);
    }
}

} // namespace PictureDrawing
