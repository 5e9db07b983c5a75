#pragma once

// Where the main window goes when the program starts.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// The top-left corner of the client area for a window whose client area has
// the given size and whose window manager adds the given frame (title bar
// and borders) around it. The whole frame is centred on the screen and a
// little above the middle, then moved into the screen's available area
// (never above or left of it), so the title bar, the menu and the toolbar
// are always within reach, even on a screen smaller than the window.
QPoint PlaceOnScreen(const QRect &screen, const QRect &available, const QSize &client,
                     const QMargins &frame = {});

// The top-left corner that keeps a frame of the given size and corner inside
// the available area, moved as little as it can be; a frame larger than the
// area keeps its top-left corner on it.
QPoint MoveInside(const QRect &available, const QPoint &topLeft, const QSize &frame);
