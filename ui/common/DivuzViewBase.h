#pragma once

// What the child windows of the view know of it: a widget to live in and
// the document to read the game from. The view itself (ui/frame) derives
// from this, so the board and panel windows need nothing of the frame.

#include <QWidget>

class CDivuzDoc;

class CDivuzViewBase : public QWidget
{
  public:
    using QWidget::QWidget;

    virtual CDivuzDoc *GetDocument() const = 0;
};
