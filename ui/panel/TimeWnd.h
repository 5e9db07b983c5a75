#pragma once

// The thinking times as hh:mm:ss clocks: the player's on the left, the
// computer's on the right.

#include "ViewChildWnd.h"

class TimeWnd : public ViewChildWnd
{
  public:
    TimeWnd();

    // Repaints on the clock's once-a-second event and on the plain update;
    // the other game events leave the clocks as they are.
    void OnUpdate();

  protected:
    LayoutRect RectOf(const WndLayout &layout) const override { return layout.TimeWndLayout.Rect; }
    void paintEvent(QPaintEvent *event) override;
};
