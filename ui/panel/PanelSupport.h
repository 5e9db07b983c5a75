#pragma once

// What the panel windows' paints share: where they read the game and the
// options from, and the surface each paint starts on.

#include "DivuzOptions.h"
#include "Records.h"

#include <QColor>
#include <QPixmap>
#include <QRect>

#include <cstdint>

class CDivuzViewBase;

// The options record, as every panel paint reads it.
DivuzOptions PaintOptions();

// The background picture at the density, or a grey surface the size of
// rect when the picture is missing, so the numbers still show.
QPixmap PanelSurface(int backBitmap, const LayoutRect &rect, qreal devicePixelRatio);

inline QRect ToQRect(const LayoutRect &r)
{
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A layout colour 0x00BBGGRR.
inline QColor LayoutColor(std::int32_t bgr)
{
    return {bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF};
}
