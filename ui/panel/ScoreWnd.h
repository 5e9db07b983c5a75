#pragma once

// The score: games won by the player (left) and by the computer (right),
// the last two digits of each count.

#include <QWidget>

class CDivuzViewBase;

class ScoreWnd : public QWidget
{
  public:
    ScoreWnd();

    // Null view: true, nothing is made. Otherwise the window becomes a
    // visible child of view at the layout's Rect. Throws xProgramme
    // "ScoreWnd::MyCreate : No Application?" without an application object.
    bool MyCreate(CDivuzViewBase *view);
    // Repaints on every game event; the clock's second does not change
    // the score.
    void OnUpdate(int hint = 0);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    CDivuzViewBase *myView = nullptr;
};
