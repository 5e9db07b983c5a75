#pragma once

// Where the main window goes when the program starts.

#include <QPoint>
#include <QRect>
#include <QSize>

// The top-left corner for a frame of the given size: centred on the
// screen and a little above the middle, then moved into the screen's
// available area (never above or left of it), so the menu and toolbar are
// always within reach, even on a screen smaller than the window.
QPoint PlaceOnScreen(const QRect &screen, const QRect &available, const QSize &frame);
