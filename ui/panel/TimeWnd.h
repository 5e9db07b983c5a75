#pragma once

// The thinking times as hh:mm:ss clocks: the player's on the left, the
// computer's on the right.

#include <QWidget>

class CDivuzViewBase;

class TimeWnd : public QWidget
{
  public:
    TimeWnd();

    // Null view: true, nothing is made. Otherwise the window becomes a
    // visible child of view at the layout's Rect. Throws xProgramme
    // "TimeWnd::MyCreate : No Application?" without an application object.
    bool MyCreate(CDivuzViewBase *view);
    // Repaints on the clock's once-a-second event and on the plain update;
    // the other game events leave the clocks as they are.
    void OnUpdate(int hint = 0);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    CDivuzViewBase *myView = nullptr;
};
