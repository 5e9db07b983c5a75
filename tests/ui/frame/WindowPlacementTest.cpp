// Where the main window goes when the program starts, on every kind of
// screen.

#include "WindowPlacement.h"

#include <gtest/gtest.h>

TEST(WindowPlacementTest, FrameStaysWithinReachOnEveryScreen)
{
    // A 1280 x 1024 screen: centred, 70 pixels above the middle.
    const QRect large(0, 0, 1280, 1024);
    EXPECT_EQ(PlaceOnScreen(large, large, QSize(640, 480)), QPoint(320, 202));
    // The same screen at scale 2: the formula would put the top at -86.
    const QRect scaled(0, 0, 640, 512);
    EXPECT_EQ(PlaceOnScreen(scaled, scaled, QSize(640, 524)), QPoint(0, 0));
    // A panel at the top takes 30 pixels; a second screen to the right.
    EXPECT_EQ(PlaceOnScreen(QRect(1280, 0, 800, 600), QRect(1280, 30, 800, 570), QSize(700, 500)),
              QPoint(1330, 30));
}

// The window manager's frame counts: the title bar (20 pixels here) and the
// borders lie on the screen too, and the client area goes inside them.
TEST(WindowPlacementTest, TheTitleBarStaysOnTheScreen)
{
    const QMargins openbox(1, 20, 1, 1);
    const QSize window(626, 522);
    // 800 x 600: centred across, the formula's top (-42) moved down to 0.
    const QRect small(0, 0, 800, 600);
    EXPECT_EQ(PlaceOnScreen(small, small, window, openbox), QPoint(87, 20));
    // 1280 x 1024 at scale factor 2: 640 x 512 logical pixels, less than the
    // frame's 543 in height; the title bar and the menu stay in reach.
    const QRect scaled(0, 0, 640, 512);
    EXPECT_EQ(PlaceOnScreen(scaled, scaled, window, openbox), QPoint(7, 20));
    // A large screen: the whole frame centred, 70 pixels above the middle.
    const QRect large(0, 0, 1920, 1080);
    EXPECT_EQ(PlaceOnScreen(large, large, window, openbox), QPoint(647, 218));
}
