#pragma once

// The panel's top window: "Level :" and the caption of the current
// strength setting, read from the options at every paint, so a new level
// shows as soon as the view repaints.

#include <QWidget>

class CDivuzViewBase;

class LevelWnd : public QWidget
{
  public:
    LevelWnd();

    // Null view: true, nothing is made. Otherwise the window becomes a
    // visible child of view at the layout's Rect. Throws xProgramme
    // "LevelWnd::MyCreate : No Application?" without an application object.
    bool MyCreate(CDivuzViewBase *view);
    // Game events change nothing shown here.
    void OnUpdate(int /*hint*/ = 0) {}

  protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    CDivuzViewBase *myView = nullptr;
};
