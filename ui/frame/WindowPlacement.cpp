#include "WindowPlacement.h"

#include <algorithm>

QPoint PlaceOnScreen(const QRect &screen, const QRect &available, const QSize &frame)
{
    const int x = screen.left() + (screen.width() - frame.width()) / 2;
    const int y = screen.top() + (screen.height() - frame.height()) / 2 - 70;
    // The far edge first, so that a frame larger than the area keeps its
    // top-left corner, where the menu is, on the screen.
    const auto clamp = [](int at, int first, int length, int size) {
        return std::max(std::min(at, first + length - size), first);
    };
    return {clamp(x, available.left(), available.width(), frame.width()),
            clamp(y, available.top(), available.height(), frame.height())};
}
