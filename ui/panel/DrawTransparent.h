#pragma once

// Drawing a picture so that the pixels of one colour let the target show
// through: the digits are drawn on black and the level captions on white,
// and only the strokes should land on the panel.

#include <QColor>
#include <QImage>

class QPainter;

// A copy of bitmap in which every pixel of the colour transparent is fully
// transparent; the density of bitmap is kept. Null for a null bitmap.
QImage WithoutKeyColor(const QImage &bitmap, const QColor &transparent);

// Draws bitmap with its top-left corner at the logical point (x, y), the
// pixels of the colour transparent leaving the target unchanged; bitmap
// itself is left as it is. False, with nothing drawn, for a null bitmap.
bool DrawTransparent(QPainter &dc, const QImage &bitmap, int x, int y, const QColor &transparent);
