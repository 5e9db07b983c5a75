#pragma once

// The header of the panel: "PLAYER" over the left halves of the windows
// below and "COMPUTER" over the right ones, each with a small picture of the
// sign that side plays now; it changes with every game and sign set.

#include "ViewChildWnd.h"

class TextWnd : public ViewChildWnd
{
  public:
    TextWnd();

    // A game event may have given the sides other signs (a new or opened
    // game); the clock's second changes nothing here.
    void OnUpdate();

  protected:
    LayoutRect RectOf(const WndLayout &layout) const override { return layout.TextWndLayout.Rect; }
    void paintEvent(QPaintEvent *event) override;
};
