#pragma once

// The header of the panel: "PLAYER" over the left halves of the windows
// below and "COMPUTER" over the right ones. Nothing in it changes.

#include "PanelWnd.h"

class TextWnd : public PanelWnd
{
  public:
    TextWnd();

    // Game events change nothing shown here.
    void OnUpdate(int /*hint*/ = 0) {}

  protected:
    LayoutRect RectOf(const WndLayout &layout) const override { return layout.TextWndLayout.Rect; }
    void paintEvent(QPaintEvent *event) override;
};
