#include "TimeWnd.h"

#include "DigitDisplay.h"
#include "DivuzApplication.h"
#include "PanelSupport.h"

#include <QCloseEvent>
#include <QPainter>

TimeWnd::TimeWnd() : ViewChildWnd("TimeWnd", "TimeWnd Window") {}

void TimeWnd::OnUpdate()
{
    const std::int32_t event = GameRecord().SoundEvent;
    if (event == SoundNone || event == SoundSecond)
        update();
}

void TimeWnd::paintEvent(QPaintEvent * /*event*/)
{
    // Step 1. The settings and the game, read afresh at every paint.
    const DivuzOptions options = PaintOptions();
    const TimeWndLayout &layout = options.WndLayout.TimeWndLayout;
    const DataDivuzDoc data = GameRecord();
    const qreal dpr = PictureRatio();

    // Steps 2 and 3. A strip that cannot be loaded leaves its clock empty.
    QPixmap surface = PanelSurface(layout.BackBitmap, layout.Rect, dpr);
    ClockDisplay player;
    ClockDisplay computer;
    player.LoadClock(layout.DigitBitmap, dpr);
    computer.LoadClock(layout.DigitBitmap, dpr);

    // Step 4. The document counts tenths of a second.
    player.SetValue(data.PlayerTime / 10);
    computer.SetValue(data.ComputerTime / 10);

    // Step 5. RectB is the left half here, RectA the right one.
    {
        QPainter dc(&surface);
        player.DrawClock(layout.RectB, dc);
        computer.DrawClock(layout.RectA, dc);
    }

    // Step 6. One copy to the window.
    QPainter dc(this);
    ScaleToView(dc).drawPixmap(QPoint(0, 0), surface);
}
