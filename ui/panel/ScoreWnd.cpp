#include "ScoreWnd.h"

#include "DigitDisplay.h"
#include "DivuzApplication.h"
#include "PanelSupport.h"

#include <QCloseEvent>
#include <QPainter>

ScoreWnd::ScoreWnd() : ViewChildWnd("ScoreWnd", "ScoreWnd Window") {}

void ScoreWnd::OnUpdate()
{
    if (GameRecord().SoundEvent != SoundSecond)
        update();
}

void ScoreWnd::paintEvent(QPaintEvent * /*event*/)
{
    // Step 1. The settings and the game, read afresh at every paint.
    const DivuzOptions options = PaintOptions();
    const ScoreWndLayout &layout = options.WndLayout.ScoreWndLayout;
    const DataDivuzDoc data = GameRecord();
    const qreal dpr = PictureRatio();

    // Step 2. A strip that cannot be loaded leaves its display empty.
    DigitDisplay player;
    DigitDisplay computer;
    player.LoadStrip(layout.DigitBitmap, layout.DigitCount, dpr);
    computer.LoadStrip(layout.DigitBitmap, layout.DigitCount, dpr);

    // Steps 3 to 5. The counts on the background, computer's first.
    QPixmap surface = PanelSurface(layout.BackBitmap, layout.Rect, dpr);
    player.SetValue(data.PlayerWins);
    computer.SetValue(data.ComputerWins);
    {
        QPainter dc(&surface);
        computer.DrawNumber(layout.RectB, dc);
        player.DrawNumber(layout.RectA, dc);
    }

    // Step 6. One copy to the window.
    QPainter dc(this);
    ScaleToView(dc).drawPixmap(QPoint(0, 0), surface);
}
