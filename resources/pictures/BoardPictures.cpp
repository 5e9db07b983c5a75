// The two board looks. Both share the geometry of the board window: a
// 3-pixel margin, then 19 cells of 19 pixels with a 1-pixel line before
// each and after the last, so line k lies at pixel 3 + 20k and cell x
// covers pixels 4 + 20x to 22 + 20x. Everything is drawn as whole logical
// pixels, which stay sharp at every integer density.

#include "PictureDrawing.h"

#include <QLinearGradient>
#include <QPainter>

namespace PictureDrawing
{

namespace
{

constexpr int BoardSize = 387;
constexpr int Margin = 3;
constexpr int Pitch = 20; // cell size plus line width
constexpr int CellSize = 19;
constexpr int CellCount = 19;

constexpr int LinePos(int k)
{
    return Margin + Pitch * k;
}
constexpr int CellPos(int x)
{
    return Margin + 1 + Pitch * x;
}

// Draws the 3-pixel margin as a raised rim around the whole board.
void DrawRim(QPainter &p, const QColor &light, const QColor &mid, const QColor &dark)
{
    const QColor top[3] = {light, mid, mid.darker(115)};
    const QColor bottom[3] = {dark, dark.lighter(130), mid.darker(115)};
    for (int i = 0; i < Margin; ++i) {
        const int far = BoardSize - 1 - i;
        const int len = BoardSize - 2 * i;
        p.fillRect(i, i, len, 1, top[i]);
        p.fillRect(i, i, 1, len, top[i]);
        p.fillRect(i, far, len, 1, bottom[i]);
        p.fillRect(far, i, 1, len, bottom[i]);
    }
}

} // namespace

void DrawTileBoard(QPainter &p)
{
    // Dark lines everywhere first; the tiles then leave only the 1-pixel
    // gaps between them.
    const QColor line(52, 52, 56);
    p.fillRect(0, 0, BoardSize, BoardSize, line);
    DrawRim(p, QColor(150, 150, 150), QColor(110, 110, 112), QColor(30, 30, 32));

    // Each tile is a small raised button: a faint vertical shading on the
    // face and a 2-pixel bevel, light at the top and left, dark at the
    // bottom and right, like the unopened fields of a classic desktop game.
    QLinearGradient shade(0, 0, 0, CellSize);
    shade.setColorAt(0.0, QColor(206, 206, 206));
    shade.setColorAt(1.0, QColor(186, 186, 186));
    for (int y = 0; y < CellCount; ++y) {
        for (int x = 0; x < CellCount; ++x) {
            const int left = CellPos(x);
            const int top = CellPos(y);
            const int right = left + CellSize - 1;
            const int bottom = top + CellSize - 1;
            p.save();
            p.translate(left, top);
            p.fillRect(0, 0, CellSize, CellSize, shade);
            p.restore();
            // Outer bevel.
            p.fillRect(left, top, CellSize, 1, Light);
            p.fillRect(left, top, 1, CellSize, Light);
            p.fillRect(left + 1, bottom, CellSize - 1, 1, QColor(110, 110, 110));
            p.fillRect(right, top + 1, 1, CellSize - 1, QColor(110, 110, 110));
            // Inner bevel.
            p.fillRect(left + 1, top + 1, CellSize - 3, 1, QColor(232, 232, 232));
            p.fillRect(left + 1, top + 1, 1, CellSize - 3, QColor(232, 232, 232));
            p.fillRect(left + 2, bottom - 1, CellSize - 3, 1, QColor(156, 156, 156));
            p.fillRect(right - 1, top + 2, 1, CellSize - 3, QColor(156, 156, 156));
        }
    }
}

void DrawDottedBoard(QPainter &p)
{
    // One flat grey with the grid drawn as dots on every other pixel, so
    // the lines read as a light guide and the signs stand out.
    const QColor face(198, 198, 198);
    const QColor dot(88, 88, 92);
    p.fillRect(0, 0, BoardSize, BoardSize, face);
    DrawRim(p, QColor(236, 236, 236), QColor(214, 214, 214), QColor(112, 112, 112));

    const int first = LinePos(0);
    const int last = LinePos(CellCount);
    // The outer lines are solid, closing the playing area.
    p.fillRect(first, first, last - first + 1, 1, dot);
    p.fillRect(first, last, last - first + 1, 1, dot);
    p.fillRect(first, first, 1, last - first + 1, dot);
    p.fillRect(last, first, 1, last - first + 1, dot);
    // Dots on the odd pixels: the lines lie on odd pixels too, so every
    // crossing carries a dot and the pattern is the same along both axes.
    for (int k = 1; k < CellCount; ++k) {
        const int at = LinePos(k);
        for (int i = first + 2; i < last; i += 2) {
            p.fillRect(i, at, 1, 1, dot);
            p.fillRect(at, i, 1, 1, dot);
        }
    }
}

} // namespace PictureDrawing
