// The toolbar strip: nine 16 x 15 buttons in the toolbar's order (new game,
// open, save as, undo, redo, hint, edit mode, options, best players) on a
// transparent background. They share one outline colour per hue and one
// light direction (upper left) so they look like a set.

#include "PictureDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace PictureDrawing
{

namespace
{

constexpr int ButtonWidth = 16;
constexpr int ButtonHeight = 15;

const QColor Outline{60, 60, 68};

QPen Thin(const QColor &c)
{
    return QPen(c, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// A blank sheet with a folded corner and a grid on it: a fresh board.
void DrawNewGame(QPainter &p)
{
    QPainterPath sheet;
    sheet.moveTo(2.5, 0.5);
    sheet.lineTo(9.5, 0.5);
    sheet.lineTo(13.5, 4.5);
    sheet.lineTo(13.5, 14.5);
    sheet.lineTo(2.5, 14.5);
    sheet.closeSubpath();
    p.setPen(Thin(Outline));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(9.5, 0.5);
    fold.lineTo(9.5, 4.5);
    fold.lineTo(13.5, 4.5);
    p.setBrush(QColor(214, 214, 220));
    p.drawPath(fold);
    // Grid lines on whole pixels, so they stay single sharp lines.
    p.setPen(Thin(QColor(120, 150, 210)));
    for (qreal at : {6.5, 9.5, 12.5})
        p.drawLine(QPointF(4.5, at), QPointF(11.5, at));
    for (qreal at : {5.5, 8.5, 11.5})
        p.drawLine(QPointF(at, 6.5), QPointF(at, 12.5));
}

// An opened yellow folder.
void DrawOpen(QPainter &p)
{
    const QColor edge(132, 92, 8);
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(5.5, 3.5);
    back.lineTo(6.5, 4.5);
    back.lineTo(12.5, 4.5);
    back.lineTo(12.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.setPen(Thin(edge));
    p.setBrush(QColor(226, 178, 52));
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(4.5, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(12.5, 13.5);
    front.closeSubpath();
    QLinearGradient lit(0, 7, 0, 14);
    lit.setColorAt(0, QColor(255, 232, 128));
    lit.setColorAt(1, QColor(244, 200, 72));
    p.setBrush(lit);
    p.drawPath(front);
}

// A floppy disk with a white label and the metal shutter.
void DrawSaveAs(QPainter &p)
{
    QPainterPath body;
    body.moveTo(1.5, 0.5);
    body.lineTo(12.5, 0.5);
    body.lineTo(14.5, 2.5);
    body.lineTo(14.5, 14.5);
    body.lineTo(1.5, 14.5);
    body.closeSubpath();
    p.setPen(Thin(QColor(16, 36, 96)));
    p.setBrush(QColor(52, 96, 190));
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1, 8, 6));
    p.setBrush(QColor(150, 170, 210));
    p.drawRect(QRectF(5, 3, 6, 1));
    p.drawRect(QRectF(5, 5, 6, 1));
    p.setBrush(QColor(200, 204, 212));
    p.drawRect(QRectF(4, 9, 8, 5));
    p.setBrush(QColor(52, 96, 190));
    p.drawRect(QRectF(9, 10, 2, 3));
}

// A bent arrow, turning back to the left for undo or ahead to the right for
// redo (mirrored).
void DrawTurnArrow(QPainter &p, bool mirrored)
{
    if (mirrored) {
        p.translate(ButtonWidth, 0);
        p.scale(-1, 1);
    }
    const QColor ink(28, 92, 200);
    const QColor edge(10, 40, 110);
    QPainterPath arc;
    arc.moveTo(12.8, 12.0);
    arc.cubicTo(15.0, 7.0, 12.0, 3.6, 8.4, 3.6);
    arc.cubicTo(6.6, 3.6, 5.2, 4.4, 4.6, 6.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(edge, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(0.8, 5.0);
    head.lineTo(8.0, 5.0);
    head.lineTo(4.4, 10.6);
    head.closeSubpath();
    p.setPen(QPen(edge, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(head);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
}

// A lit bulb: the engine's advice.
void DrawHint(QPainter &p)
{
    QRadialGradient glow(QPointF(6.5, 4.5), 6.5);
    glow.setColorAt(0, QColor(255, 255, 214));
    glow.setColorAt(1, QColor(250, 204, 20));
    QPainterPath bulb;
    bulb.moveTo(5.5, 10.5);
    bulb.cubicTo(5.5, 8.5, 3.0, 7.5, 3.0, 5.0);
    bulb.cubicTo(3.0, 2.5, 5.2, 0.5, 8.0, 0.5);
    bulb.cubicTo(10.8, 0.5, 13.0, 2.5, 13.0, 5.0);
    bulb.cubicTo(13.0, 7.5, 10.5, 8.5, 10.5, 10.5);
    bulb.closeSubpath();
    p.setPen(Thin(QColor(140, 100, 0)));
    p.setBrush(glow);
    p.drawPath(bulb);
    p.setPen(Thin(Outline));
    p.setBrush(QColor(176, 176, 184));
    p.drawRect(QRectF(5.5, 10.5, 5, 3));
    p.drawLine(QPointF(5.5, 12.0), QPointF(10.5, 12.0));
    p.setPen(Qt::NoPen);
    p.setBrush(Outline);
    p.drawRect(QRectF(7, 13.5, 2, 1.5));
}

// A pencil: setting up a position by hand.
void DrawEdit(QPainter &p)
{
    p.translate(8, 7.5);
    p.rotate(-45);
    // Drawn lying along the x axis, point to the left.
    const qreal half = 2.4;
    QPainterPath wood;
    wood.moveTo(-8.0, 0);
    wood.lineTo(-4.5, -half);
    wood.lineTo(-4.5, half);
    wood.closeSubpath();
    p.setPen(QPen(Outline, 0.8));
    p.setBrush(QColor(236, 200, 150));
    p.drawPath(wood);
    QPainterPath lead;
    lead.moveTo(-8.0, 0);
    lead.lineTo(-6.6, -0.95);
    lead.lineTo(-6.6, 0.95);
    lead.closeSubpath();
    p.setBrush(Outline);
    p.drawPath(lead);
    QLinearGradient shine(0, -half, 0, half);
    shine.setColorAt(0, QColor(255, 230, 110));
    shine.setColorAt(1, QColor(220, 150, 0));
    p.setBrush(shine);
    p.drawRect(QRectF(-4.5, -half, 9.0, 2 * half));
    p.setBrush(QColor(170, 170, 180));
    p.drawRect(QRectF(4.5, -half, 1.6, 2 * half));
    p.setBrush(QColor(236, 120, 130));
    p.drawRoundedRect(QRectF(6.1, -half, 2.2, 2 * half), 0.8, 0.8);
}

// A gear wheel: the settings.
void DrawOptions(QPainter &p)
{
    const QPointF centre(8.0, 7.5);
    const int teeth = 8;
    const qreal outer = 7.0, inner = 5.0;
    QPainterPath wheel;
    for (int i = 0; i < teeth * 4; ++i) {
        // Each tooth: two points on the outer circle, two on the inner one.
        const qreal angle = (i - 0.5) * std::numbers::pi * 2 / (teeth * 4);
        const qreal radius = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (i == 0)
            wheel.moveTo(at);
        else
            wheel.lineTo(at);
    }
    wheel.closeSubpath();
    wheel.addEllipse(centre, 2.2, 2.2);
    wheel.setFillRule(Qt::OddEvenFill);
    QLinearGradient steel(0, 0, 0, ButtonHeight);
    steel.setColorAt(0, QColor(196, 204, 220));
    steel.setColorAt(1, QColor(96, 108, 132));
    p.setPen(QPen(QColor(40, 46, 60), 0.9));
    p.setBrush(steel);
    p.drawPath(wheel);
}

// A gold cup: the best players.
void DrawBestPlayers(QPainter &p)
{
    const QColor edge(130, 88, 0);
    QLinearGradient gold(2, 0, 14, 0);
    gold.setColorAt(0, QColor(255, 236, 140));
    gold.setColorAt(0.45, QColor(250, 200, 40));
    gold.setColorAt(1, QColor(196, 136, 0));
    p.setPen(QPen(edge, 1.2));
    p.setBrush(Qt::NoBrush);
    // Handles, drawn first so the bowl covers their inner ends.
    p.drawArc(QRectF(1.2, 1.8, 5.0, 5.4), 90 * 16, 180 * 16);
    p.drawArc(QRectF(9.8, 1.8, 5.0, 5.4), -90 * 16, 180 * 16);
    QPainterPath bowl;
    bowl.moveTo(3.5, 0.5);
    bowl.lineTo(12.5, 0.5);
    bowl.cubicTo(12.5, 6.0, 10.5, 8.5, 8.0, 8.5);
    bowl.cubicTo(5.5, 8.5, 3.5, 6.0, 3.5, 0.5);
    bowl.closeSubpath();
    p.setPen(Thin(edge));
    p.setBrush(gold);
    p.drawPath(bowl);
    p.drawRect(QRectF(7.0, 8.5, 2.0, 3.0));
    p.drawRect(QRectF(4.5, 11.5, 7.0, 2.5));
}

} // namespace

void DrawToolbar(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    void (*const buttons[])(QPainter &) = {
        DrawNewGame,
        DrawOpen,
        DrawSaveAs,
        [](QPainter &q) { DrawTurnArrow(q, false); },
        [](QPainter &q) { DrawTurnArrow(q, true); },
        DrawHint,
        DrawEdit,
        DrawOptions,
        DrawBestPlayers,
    };
    int index = 0;
    for (auto draw : buttons) {
        p.save();
        p.translate(index * ButtonWidth, 0);
        p.setClipRect(0, 0, ButtonWidth, ButtonHeight);
        draw(p);
        p.restore();
        ++index;
    }
}

} // namespace PictureDrawing
