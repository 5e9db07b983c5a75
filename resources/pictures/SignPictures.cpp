// The sign strips: four 19 x 19 pictures each, drawn around the centre of
// the cell on a transparent background. The X and O pictures change their
// colour from picture to picture; the stones stay stones and carry a
// coloured ring for the hint (yellow) and the last move or winning line
// (red), with a grey stone for the pressed preview.

#include "PictureDrawing.h"
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace PictureDrawing
{

namespace
{

constexpr int Cell = 19;
constexpr qreal Mid = Cell / 2.0;

// A sign colour: the stroke and the darker edge that keeps it readable on
// both the light tiles and the grey preview.
struct Ink {
    QColor body;
    QColor edge;
};

// Pictures 1..3 of both the X and the O strip.
constexpr int LookCount = 4;
const Ink GreyInk{{150, 150, 150}, {92, 92, 92}};
const Ink YellowInk{{255, 226, 0}, {140, 104, 0}};
const Ink RedInk{{232, 24, 24}, {112, 0, 0}};

// The line is first stroked wide in the edge colour and then narrower in
// the body colour, giving an outlined sign with round ends.
void StrokeOutlined(QPainter &p, const QPainterPath &path, const Ink &ink)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink.edge, 4.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(ink.body, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void DrawCross(QPainter &p, const Ink &ink)
{
    const qreal near = 5.0;
    const qreal far = Cell - 5.0;
    QPainterPath path;
    path.moveTo(near, near);
    path.lineTo(far, far);
    path.moveTo(far, near);
    path.lineTo(near, far);
    StrokeOutlined(p, path, ink);
}

void DrawRing(QPainter &p, const Ink &ink)
{
    QPainterPath path;
    path.addEllipse(QPointF(Mid, Mid), 5.4, 5.4);
    StrokeOutlined(p, path, ink);
}

// A stone lit from the upper left: a radial gradient from the highlight to
// the body colour, with a thin rim so it stands off the board.
void DrawStone(QPainter &p, qreal radius, const QColor &highlight, const QColor &body,
               const QColor &rim)
{
    QRadialGradient light(QPointF(Mid - radius * 0.35, Mid - radius * 0.4), radius * 1.25);
    light.setColorAt(0.0, highlight);
    light.setColorAt(1.0, body);
    p.setPen(QPen(rim, 1.0));
    p.setBrush(light);
    p.drawEllipse(QPointF(Mid, Mid), radius - 0.5, radius - 0.5);
}

// A coloured ring laid over the stone's edge: the stone stays recognisable
// inside, and the ring shows from afar which stones are marked. It ends
// within the stone's own circle, so a marked stone is no larger.
void DrawStoneRing(QPainter &p, const Ink &ink)
{
    const qreal radius = 7.0;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink.edge, 3.0));
    p.drawEllipse(QPointF(Mid, Mid), radius, radius);
    p.setPen(QPen(ink.body, 2.0));
    p.drawEllipse(QPointF(Mid, Mid), radius, radius);
}

const QColor BlackHighlight{120, 120, 124};
const QColor BlackBody{8, 8, 10};
const QColor BlackRim{0, 0, 0};
const QColor WhiteHighlight{255, 255, 255};
const QColor WhiteBody{196, 196, 200};
const QColor WhiteRim{96, 96, 100};

void DrawSign(QPainter &p, int id, int look)
{
    const Ink looks[LookCount][2] = {
        // X                                O
        {{{40, 184, 40}, {0, 80, 0}}, {{40, 80, 240}, {0, 16, 120}}},
        {GreyInk, GreyInk},
        {YellowInk, YellowInk},
        {RedInk, RedInk},
    };
    switch (id) {
    case PictureSignsX:
        DrawCross(p, looks[look][0]);
        return;
    case PictureSignsO:
        DrawRing(p, looks[look][1]);
        return;
    case PictureStonesBlack:
        if (look == SignGrey)
            DrawStone(p, 8.5, QColor(170, 170, 174), QColor(88, 88, 92), QColor(60, 60, 64));
        else
            DrawStone(p, 8.5, BlackHighlight, BlackBody, BlackRim);
        break;
    case PictureStonesWhite:
        if (look == SignGrey)
            DrawStone(p, 8.5, QColor(236, 236, 236), QColor(150, 150, 154), QColor(96, 96, 100));
        else
            DrawStone(p, 8.5, WhiteHighlight, WhiteBody, WhiteRim);
        break;
    default:
        return;
    }
    if (look == SignYellow)
        DrawStoneRing(p, YellowInk);
    else if (look == SignRed)
        DrawStoneRing(p, RedInk);
}

} // namespace

void DrawSignStrip(QPainter &p, int id)
{
    p.setRenderHint(QPainter::Antialiasing);
    for (int look = 0; look < LookCount; ++look) {
        p.save();
        p.translate(look * Cell, 0);
        p.setClipRect(0, 0, Cell, Cell);
        DrawSign(p, id, look);
        p.restore();
    }
}

} // namespace PictureDrawing
