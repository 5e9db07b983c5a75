#pragma once

// The panel's top window: "Level :" and the caption of the current
// strength setting, read from the options at every paint, so a new level
// shows as soon as the view repaints.

#include "ViewChildWnd.h"

class LevelWnd : public ViewChildWnd
{
  public:
    LevelWnd();

    // Game events change nothing shown here.
    void OnUpdate() {}

  protected:
    LayoutRect RectOf(const WndLayout &layout) const override { return layout.LevelWndLayout.Rect; }
    void paintEvent(QPaintEvent *event) override;
};
