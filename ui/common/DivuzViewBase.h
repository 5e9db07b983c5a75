#pragma once

// What the child windows of the view know of it: a widget to live in, the
// document to read the game from, and the size it is shown at. The view
// itself (ui/frame) derives from this, so the board and panel windows need
// nothing of the frame.

#include "WndLayout.h"

#include <QRect>
#include <QWidget>

#include <cmath>

class CDivuzDoc;

class CDivuzViewBase : public QWidget
{
  public:
    using QWidget::QWidget;

    virtual CDivuzDoc *GetDocument() const = 0;

    // The size the view is shown at, as a factor of its layout: the zoom,
    // made smaller where the screen has no room for it; 1 at 100 %.
    qreal Scale() const { return myScale; }

  protected:
    qreal myScale = 1.0;
};

// The scale of a child window's view; 1 without a view.
inline qreal ViewScale(const CDivuzViewBase *view)
{
    return view != nullptr ? view->Scale() : 1.0;
}

// A layout rectangle at a scale. Its edges are rounded one by one, so
// windows that meet in the layout still meet, and at 1 it is the layout's.
inline QRect ScaledRect(const LayoutRect &r, qreal scale)
{
    const auto at = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
    return QRect(QPoint(at(r.left), at(r.top)), QPoint(at(r.right) - 1, at(r.bottom) - 1));
}
