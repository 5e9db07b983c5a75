#pragma once

// The drawing routines behind Pictures.h, one per kind of picture. Each one
// paints in logical pixels on a painter whose device already carries the
// pixel density, and covers the whole picture (transparent parts included),
// so it can be called on an uninitialised surface.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace PictureDrawing
{

// Colours shared by the board, the panel and the toolbar: the classic light
// grey desktop face with its bevel shades. The view fills its spare panel
// area with Face, so the panel windows match it.
inline const QColor Face{192, 192, 192};
inline const QColor Light{255, 255, 255};
inline const QColor SoftLight{223, 223, 223};
inline const QColor Shadow{128, 128, 128};
inline const QColor DarkShadow{64, 64, 64};
inline const QColor CaptionInk{0, 0, 128};

// A sans-serif face close to Arial at a size in logical pixels.
QFont CaptionFont(qreal pixelSize, bool bold);

// The board looks, 387 x 387.
void DrawTileBoard(QPainter &p);
void DrawDottedBoard(QPainter &p);

// A strip of four 19 x 19 sign pictures (plain, grey, yellow, red) on a
// transparent background; id is one of 131, 132, 146, 147.
void DrawSignStrip(QPainter &p, int id);

// A strip of twenty seven-segment pictures of cellWidth x cellHeight on
// black; lit segments in lit, unlit ones faintly in unlit.
void DrawDigitStrip(QPainter &p, int cellWidth, int cellHeight, const QColor &lit,
                    const QColor &unlit);

// A 150 x 26 level caption on white.
void DrawLevelCaption(QPainter &p, const QString &text);

// The panel window backgrounds.
void DrawLevelBack(QPainter &p);
void DrawHeaderBack(QPainter &p);
void DrawScoreBack(QPainter &p);
void DrawTimeBack(QPainter &p);
void DrawPriceBack(QPainter &p);

// The nine toolbar buttons, 16 x 15 each, on a transparent background.
void DrawToolbar(QPainter &p);

// The program's emblem, a square centred in area on a transparent
// background: the logo (170) and the icon.
void DrawEmblem(QPainter &p, const QRectF &area);
// The program's name as a 238 x 42 caption on a transparent background.
void DrawNameCaption(QPainter &p);
// The splash screen, 416 x 317, with a light card left free for the two
// contact lines the splash window writes over it.
void DrawSplash(QPainter &p);

} // namespace PictureDrawing
