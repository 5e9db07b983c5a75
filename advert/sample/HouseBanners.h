#pragma once

// The game's own banners, drawn in code: playing tips, the keyboard
// shortcuts, the tournament and the best-games table. Each is a full
// banner of AdvertWidth x AdvertHeight pixels.

#include <QPoint>

class QPainter;

int HouseBannerCount();

// Draws banner index (taken modulo the count) with its top-left corner at
// topLeft.
void DrawHouseBanner(QPainter &painter, int index, QPoint topLeft);
