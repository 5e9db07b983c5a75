#include "WndLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

// The seven rectangles tile the 626 x 387 view: a typo in any of them leaves
// a gap or an overlap, which changes the covered area or the bounds.
TEST(WndLayoutTest, StandardRectanglesTileTheView)
{
    const WndLayout l = StandardWndLayout();
    const LayoutRect rects[] = {l.PoleWndLayout.Rect,  l.TextWndLayout.Rect, l.SpareLayout.Rect,
                                l.ScoreWndLayout.Rect, l.TimeWndLayout.Rect, l.PriceWndLayout.Rect,
                                l.LevelWndLayout.Rect};
    LayoutRect bounds = rects[0];
    long area = 0;
    for (const LayoutRect &r : rects) {
        ASSERT_TRUE(r.left < r.right && r.top < r.bottom);
        bounds = {std::min(bounds.left, r.left), std::min(bounds.top, r.top),
                  std::max(bounds.right, r.right), std::max(bounds.bottom, r.bottom)};
        area += long(r.right - r.left) * (r.bottom - r.top);
    }
    EXPECT_TRUE(bounds.left == 0 && bounds.top == 0 && bounds.right == 626 && bounds.bottom == 387);
    EXPECT_EQ(area, 626L * 387);
    const PoleWndLayout &pole = l.PoleWndLayout;
    EXPECT_LE(pole.Margin + pole.LineWidth + pole.CellCount * (pole.CellSize + pole.LineWidth),
              pole.Rect.right);
}
