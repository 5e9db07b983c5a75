#pragma once

// The header of the panel: "PLAYER" over the left halves of the windows
// below and "COMPUTER" over the right ones. Nothing in it changes.

#include <QWidget>

class CDivuzViewBase;

class TextWnd : public QWidget
{
  public:
    TextWnd();

    // Null view: true, nothing is made. Otherwise the window becomes a
    // visible child of view at the layout's Rect. Throws xProgramme
    // "TextWnd::MyCreate : No Application?" without an application object.
    bool MyCreate(CDivuzViewBase *view);
    // Game events change nothing shown here.
    void OnUpdate(int /*hint*/ = 0) {}

  protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    CDivuzViewBase *myView = nullptr;
};
