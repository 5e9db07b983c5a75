#pragma once

// The base of the view's child windows, the board and the five panel
// windows: each is an opaque child of the view at the rectangle its layout
// names, reads the game from the view while it has one, and forgets the view
// when it is closed.

#include "Records.h"
#include "WndLayout.h"

#include <QWidget>

class CDivuzViewBase;
class QPainter;

class ViewChildWnd : public QWidget
{
  public:
    // Null view: true, nothing is made. Otherwise the window becomes a
    // visible child of view at its layout rectangle. Throws xProgramme
    // "<Class>::MyCreate : No Application?" without an application object.
    bool MyCreate(CDivuzViewBase *view);
    // Takes the window's rectangle at the view's scale again.
    void FitToView();

  protected:
    // className names the window in error texts, windowName is its title.
    ViewChildWnd(const char *className, const char *windowName);

    // The window's rectangle in the view.
    virtual LayoutRect RectOf(const WndLayout &layout) const = 0;
    // Runs once the window stands in the view; false when the window cannot
    // do its work (it exists anyway).
    virtual bool OnCreated() { return true; }

    // A copy of the game record; a fresh one without a view or document.
    DataDivuzDoc GameRecord() const;
    // A paint draws in layout units: the painter takes the view's scale,
    // and pictures are made at PictureRatio, so they are drawn at the size
    // they are shown and stay sharp.
    QPainter &ScaleToView(QPainter &dc) const;
    qreal PictureRatio() const;

    void closeEvent(QCloseEvent *event) override;

    CDivuzViewBase *myView = nullptr;

  private:
    const char *myClassName;
    const char *myWindowName;
};
