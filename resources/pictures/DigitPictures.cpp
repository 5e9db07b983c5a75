// The digit strips: twenty seven-segment pictures on black, the colour the
// panel windows leave out when they copy a digit, so a digit shows the
// display well of the background around its segments. Unlit segments glow
// faintly, as on a real display; that also makes a blank position read as
// an empty digit rather than as a hole.

#include "PictureDrawing.h"
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace PictureDrawing
{

namespace
{

// Segments a..g in the usual order: top, upper right, lower right, bottom,
// lower left, upper left, middle.
enum Segment { A, B, C, D, E, F, G, SegmentCount };

using Segments = std::array<bool, SegmentCount>;

constexpr Segments Pattern(const char *lit)
{
    Segments on{};
    for (const char *c = lit; *c; ++c)
        on[*c - 'a'] = true;
    return on;
}

constexpr std::array<Segments, 10> DigitSegments{
    Pattern("abcdef"), Pattern("bc"),     Pattern("abdeg"), Pattern("abcdg"),   Pattern("bcfg"),
    Pattern("acdfg"),  Pattern("acdefg"), Pattern("abc"),   Pattern("abcdefg"), Pattern("abcdfg"),
};

// One segment as an elongated hexagon between two points on the centre
// lines of the figure; the pointed ends leave a small gap at the corners.
QPainterPath SegmentPath(QPointF from, QPointF to, qreal thickness)
{
    const qreal half = thickness / 2.0;
    const qreal gap = 0.45;
    QPainterPath path;
    if (from.y() == to.y()) {
        const qreal y = from.y();
        const qreal x0 = from.x() + gap;
        const qreal x1 = to.x() - gap;
        path.moveTo(x0, y);
        path.lineTo(x0 + half, y - half);
        path.lineTo(x1 - half, y - half);
        path.lineTo(x1, y);
        path.lineTo(x1 - half, y + half);
        path.lineTo(x0 + half, y + half);
    } else {
        const qreal x = from.x();
        const qreal y0 = from.y() + gap;
        const qreal y1 = to.y() - gap;
        path.moveTo(x, y0);
        path.lineTo(x + half, y0 + half);
        path.lineTo(x + half, y1 - half);
        path.lineTo(x, y1);
        path.lineTo(x - half, y1 - half);
        path.lineTo(x - half, y0 + half);
    }
    path.closeSubpath();
    return path;
}

// The figure of one cell: its segments' centre lines form a box whose
// sides lie half a stroke inside the lit area, with whole-pixel stroke
// edges at density 1 so the digits are sharp where it matters most.
struct Figure {
    qreal left, right, top, middle, bottom, thickness;
};

Figure FigureFor(int width, int height)
{
    // 17 x 25 gets 3-pixel strokes, 12 x 21 gets 2-pixel ones; the margins
    // space the digits of a row like those of a real display.
    const qreal thickness = width >= 16 ? 3.0 : 2.0;
    const qreal marginX = width >= 16 ? 3.0 : 2.0;
    const qreal marginY = 2.0;
    const qreal half = thickness / 2.0;
    Figure f{};
    f.thickness = thickness;
    f.left = marginX + half;
    f.right = width - marginX - half;
    f.top = marginY + half;
    f.bottom = height - marginY - half;
    // The middle stroke sits on whole pixels, a half pixel above the exact
    // centre when needed, like the figures of printed digits.
    f.middle = std::floor((f.top + f.bottom) / 2.0 - half) + half;
    return f;
}

void DrawSegments(QPainter &p, const Figure &f, const Segments &on, const QColor &lit,
                  const QColor &unlit)
{
    const QPointF lines[SegmentCount][2] = {
        {{f.left, f.top}, {f.right, f.top}},        {{f.right, f.top}, {f.right, f.middle}},
        {{f.right, f.middle}, {f.right, f.bottom}}, {{f.left, f.bottom}, {f.right, f.bottom}},
        {{f.left, f.middle}, {f.left, f.bottom}},   {{f.left, f.top}, {f.left, f.middle}},
        {{f.left, f.middle}, {f.right, f.middle}},
    };
    p.setPen(Qt::NoPen);
    for (int s = 0; s < SegmentCount; ++s) {
        p.setBrush(on[s] ? lit : unlit);
        p.drawPath(SegmentPath(lines[s][0], lines[s][1], f.thickness));
    }
}

void DrawColon(QPainter &p, const Figure &f, const QColor &lit)
{
    const qreal size = f.thickness;
    const qreal x = std::round((f.left + f.right) / 2.0 - size / 2.0);
    const qreal upper = std::round((f.top + f.middle) / 2.0 - size / 2.0);
    const qreal lower = std::round((f.middle + f.bottom) / 2.0 - size / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(lit);
    p.drawRect(QRectF(x, upper, size, size));
    p.drawRect(QRectF(x, lower, size, size));
}

} // namespace

void DrawDigitStrip(QPainter &p, int cellWidth, int cellHeight, const QColor &lit,
                    const QColor &unlit)
{
    p.fillRect(0, 0, cellWidth * 20, cellHeight, Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    const Figure f = FigureFor(cellWidth, cellHeight);
    for (int picture = 0; picture < 20; ++picture) {
        p.save();
        p.translate(picture * cellWidth, 0);
        if (picture <= 9)
            DrawSegments(p, f, DigitSegments[picture], lit, unlit);
        else if (picture == DigitBlank)
            DrawSegments(p, f, Segments{}, lit, unlit);
        else if (picture == DigitColon)
            DrawColon(p, f, lit);
        else if (picture == DigitUnderscore)
            DrawSegments(p, f, Pattern("d"), lit, unlit);
        else
            DrawSegments(p, f, Pattern("abcdefg"), lit, unlit);
        p.restore();
    }
}

} // namespace PictureDrawing
