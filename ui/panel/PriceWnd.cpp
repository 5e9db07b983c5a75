#include "PriceWnd.h"

#include "DivuzApplication.h"
#include "PanelSupport.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPolygon>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int TimerPeriodMs = 100;
// The chance points of the two sides add up to this.
constexpr double FullShare = 150.0;
// Far below one pixel of any column, far above the rounding of a sum of steps.
constexpr double RoundingSlack = 1e-9;

} // namespace

PriceWnd::PriceWnd() : ViewChildWnd("PriceWnd", "Price Window") {}

bool PriceWnd::OnCreated()
{
    myTimer.start(TimerPeriodMs, this);
    return myTimer.isActive();
}

void PriceWnd::OnUpdate()
{
    if (GameRecord().SoundEvent != SoundSecond)
        update();
}

bool PriceWnd::OnTimer()
{
    // Step 1. Price1 is KREST's share and Price2 NOL's; the left column
    // always shows the player's side.
    const DataDivuzDoc data = GameRecord();
    const double krest = data.Price1 / FullShare;
    const double nol = data.Price2 / FullShare;
    const bool playerIsNol = data.PlayerSign == NOL;
    const double leftTarget = playerIsNol ? nol : krest;
    const double rightTarget = playerIsNol ? krest : nol;

    // Steps 2 and 3. Both columns step, whatever the first one did.
    const bool rightMoved = StepToward(RightShown, rightTarget);
    const bool leftMoved = StepToward(LeftShown, leftTarget);
    if (rightMoved || leftMoved)
        update();
    return rightMoved || leftMoved;
}

void PriceWnd::paintEvent(QPaintEvent * /*event*/)
{
    // Step 1. Only the layout is read: the columns show what the timer moved.
    const DivuzOptions options = PaintOptions();
    const PriceWndLayout &layout = options.WndLayout.PriceWndLayout;

    // Steps 2 and 3. The background, then the left and the right column.
    QPixmap surface = PanelSurface(layout.BackBitmap, layout.Rect, PictureRatio());
    {
        QPainter dc(&surface);
        const LayoutRect left = BarRect(layout.RectA, LeftShown);
        DrawPriceBar(dc, left.left, left.top, left.right, left.bottom, layout.TopColor,
                     layout.SideColor, layout.FrontColor);
        const LayoutRect right = BarRect(layout.RectB, RightShown);
        DrawPriceBar(dc, right.left, right.top, right.right, right.bottom, layout.TopColor,
                     layout.SideColor, layout.FrontColor);
    }

    // Step 4. One copy to the window.
    QPainter dc(this);
    ScaleToView(dc).drawPixmap(QPoint(0, 0), surface);
}

void PriceWnd::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == myTimer.timerId())
        OnTimer();
    else
        QWidget::timerEvent(event);
}

void PriceWnd::closeEvent(QCloseEvent *event)
{
    RightShown = 0.0;
    LeftShown = 0.0;
    ViewChildWnd::closeEvent(event);
}

bool StepToward(double &current, double target)
{
    // Step 1. Bringing an overfull column down to full is no move of its own.
    if (current > 1.0)
        current = 1.0;

    // Steps 2 to 5. One step toward the target, never past it.
    const double step = 1.0 / 30.0;
    if (target < current)
        current = std::max(current - step, target);
    else if (target > current)
        current = std::min(current + step, target);
    else
        return false;
    // Thirty thirtieths add up to a hair below 1.0; without landing here the
    // full column would lack its top pixel for one more tick.
    if (std::abs(current - target) < RoundingSlack)
        current = target;
    return true;
}

LayoutRect BarRect(const LayoutRect &rect, double f)
{
    const int h = static_cast<int>((rect.bottom - rect.top) * std::min(f, 1.0));
    return {rect.left, rect.bottom - h, rect.right, rect.bottom};
}

void DrawPriceBar(QPainter &dc, int left, int top, int right, int bottom, std::int32_t topColor,
                  std::int32_t sideColor, std::int32_t frontColor)
{
    const int d = (right - left) / 2;
    dc.save();
    dc.setPen(Qt::NoPen);

    // Step 1. The top face.
    dc.setBrush(LayoutColor(topColor));
    dc.drawPolygon(QPolygon({{left - d, top - d}, {left + d, top - d}, {right, top}, {left, top}}),
                   Qt::OddEvenFill);
    // Step 2. The left side face.
    dc.setBrush(LayoutColor(sideColor));
    dc.drawPolygon(
        QPolygon({{left - d, top - d}, {left, top}, {left, bottom}, {left - d, bottom - d}}),
        Qt::OddEvenFill);
    // Step 3. The front face; right and bottom lie just outside it.
    dc.fillRect(QRect(left, top, right - left, bottom - top), LayoutColor(frontColor));

    dc.restore();
}
