#pragma once

// The program's help: one help window, opened on the page that a command,
// a dialog's help button or the context help mode asks for. While a modal
// dialog runs, the window opens as that dialog's child, so it can be used
// without closing the dialog.

#include "ContextHelpMode.h"

#include <QPointer>

class HelpWindow;

class DivuzHelp
{
  public:
    DivuzHelp();
    ~DivuzHelp();
    DivuzHelp(const DivuzHelp &) = delete;
    DivuzHelp &operator=(const DivuzHelp &) = delete;

    // "&Témata nápovědy" and F1: the contents.
    void ShowContents();
    // The default help: the welcome page.
    void ShowDefault();
    // The page of a help context number; the contents for one without.
    void ShowContext(int context);
    // Shift+F1: the next click says what to show.
    void EnterContextMode();

    void ShowPage(const QString &page);

    // The help window once it has been opened, else nullptr.
    HelpWindow *Window() const;

  private:
    QPointer<HelpWindow> myWindow;
    ContextHelpMode myMode;
};
