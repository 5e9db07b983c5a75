#include "DigitDisplay.h"
#include "Pictures.h"
#include "UiTestSupport.h"

#include <QPainter>
#include <QTest>

namespace
{

using PanelWindowsTest = UiTest;

TEST_F(PanelWindowsTest, ChancesColumnsStepAThirtiethAndStopExactlyOnTheShares)
{
    // Steps until the column stands still; at most 30 from empty to full.
    const auto glide = [](double &shown, double to) {
        int steps = 0;
        while (StepToward(shown, to) && steps <= 30)
            ++steps;
        return steps;
    };
    double shown = 0.0;
    EXPECT_EQ(glide(shown, 1.0), 30);
    EXPECT_EQ(shown, 1.0);
    EXPECT_EQ(BarRect({67, 23, 83, 60}, shown).top, 23);
    EXPECT_EQ(glide(shown, 0.2), 24);
    EXPECT_EQ(shown, 0.2);

    Start();
    QTest::mouseClick(&view->pole, Qt::LeftButton, {}, {100, 100});
    ASSERT_TRUE(view->Settle());
    const DataDivuzDoc d = view->Data();
    ASSERT_TRUE(d.PlayerSign == NOL && d.Price1 + d.Price2 == 150);
    PriceWnd &price = view->price;
    price.LeftShown = price.RightShown = 0.0;
    int ticks = 0;
    while (price.OnTimer() && ticks <= 30)
        ++ticks;
    EXPECT_LE(ticks, 30);
    EXPECT_EQ(price.LeftShown, d.Price2 / 150.0);
    EXPECT_EQ(price.RightShown, d.Price1 / 150.0);
}

TEST_F(PanelWindowsTest, ClockWindowShowsThePlayersTimeOnTheLeft)
{
    Start();
    for (int i = 0; i < 650; ++i)
        view->myDoc.OnTimePulse();
    ASSERT_EQ(view->Data().PlayerTime, 650);

    const TimeWndLayout &layout = app.myOptions.WndLayout.TimeWndLayout;
    QImage expected = DivuzPictureImage(layout.BackBitmap).convertToFormat(QImage::Format_RGB32);
    QPainter dc(&expected);
    ClockDisplay player, computer;
    player.LoadClock(layout.DigitBitmap);
    computer.LoadClock(layout.DigitBitmap);
    player.SetValue(65);
    player.DrawClock(layout.RectB, dc);
    computer.DrawClock(layout.RectA, dc);
    dc.end();
    EXPECT_EQ(view->time.grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
}

} // namespace
