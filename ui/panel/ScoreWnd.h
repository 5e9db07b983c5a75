#pragma once

// The score: games won by the player (left) and by the computer (right),
// the last two digits of each count.

#include "ViewChildWnd.h"

class ScoreWnd : public ViewChildWnd
{
  public:
    ScoreWnd();

    // Repaints on every game event; the clock's second does not change
    // the score.
    void OnUpdate();

  protected:
    LayoutRect RectOf(const WndLayout &layout) const override { return layout.ScoreWndLayout.Rect; }
    void paintEvent(QPaintEvent *event) override;
};
