#pragma once

// The chances: two red columns, the player's share of the evaluation on
// the left and the computer's on the right. The columns glide to a new
// share under the window's own 100 ms timer rather than jump.

#include "ViewChildWnd.h"

#include <QBasicTimer>

#include <cstdint>

class QPainter;

class PriceWnd : public ViewChildWnd
{
  public:
    PriceWnd();

    // Repaints on every game event but the clock's second; it does not move
    // the columns, only the timer does.
    void OnUpdate();
    // One tick of the timer: both columns step toward the document's
    // shares, and the window repaints when either moved. True when one did.
    bool OnTimer();

    // Heights now drawn, as parts of the full column height; both start
    // empty and return to empty when the window is closed.
    double RightShown = 0.0;
    double LeftShown = 0.0;

  protected:
    LayoutRect RectOf(const WndLayout &layout) const override { return layout.PriceWndLayout.Rect; }
    void paintEvent(QPaintEvent *event) override;
    // Starts the window's timer; false when it cannot be started.
    bool OnCreated() override;
    void timerEvent(QTimerEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    QBasicTimer myTimer;
};

// Moves current one thirtieth of the full height toward target, stopping
// exactly on it; a current above the full height is first brought down to
// it. True when the step changed current toward target.
bool StepToward(double &current, double target);

// The part of rect a column of height f (1.0 = full) covers, standing on
// rect's bottom edge.
LayoutRect BarRect(const LayoutRect &rect, double f);

// A column seen from the upper left: its front face is the rectangle, the
// top and left side faces slant back by half its width. Colours are layout
// values 0x00BBGGRR.
void DrawPriceBar(QPainter &dc, int left, int top, int right, int bottom, std::int32_t topColor,
                  std::int32_t sideColor, std::int32_t frontColor);
