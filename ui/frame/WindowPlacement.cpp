#include "WindowPlacement.h"

#include <algorithm>

namespace
{

// The window sits this far above the middle of the screen.
constexpr int AboveMiddle = 70;

} // namespace

QPoint PlaceOnScreen(const QRect &screen, const QRect &available, const QSize &client,
                     const QMargins &frame)
{
    const QSize outer = client.grownBy(frame);
    const int x = screen.left() + (screen.width() - outer.width()) / 2;
    const int y = screen.top() + (screen.height() - outer.height()) / 2 - AboveMiddle;
    return MoveInside(available, QPoint(x, y), outer) + QPoint(frame.left(), frame.top());
}

QPoint MoveInside(const QRect &available, const QPoint &topLeft, const QSize &frame)
{
    // The far edge first, so that a frame larger than the area keeps its
    // top-left corner, where the title bar and the menu are, on the screen.
    const auto clamp = [](int at, int first, int length, int size) {
        return std::max(std::min(at, first + length - size), first);
    };
    return {clamp(topLeft.x(), available.left(), available.width(), frame.width()),
            clamp(topLeft.y(), available.top(), available.height(), frame.height())};
}
