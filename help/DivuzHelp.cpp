#include "DivuzHelp.h"

#include "HelpContexts.h"
#include "HelpWindow.h"

#include <QApplication>

DivuzHelp::DivuzHelp() : myMode([this](const QString &page) { ShowPage(page); }) {}

DivuzHelp::~DivuzHelp()
{
    delete myWindow.data();
}

HelpWindow *DivuzHelp::Window() const
{
    return myWindow;
}

void DivuzHelp::ShowContents()
{
    ShowPage(QString::fromLatin1(HelpContentsPage));
}

void DivuzHelp::ShowDefault()
{
    ShowPage(QString::fromLatin1(HelpDefaultPage));
}

void DivuzHelp::ShowContext(int context)
{
    ShowPage(HelpPageForContext(context));
}

void DivuzHelp::EnterContextMode()
{
    myMode.Enter();
}

void DivuzHelp::ShowPage(const QString &page)
{
    // A modal dialog blocks every window but its own children.
    QWidget *owner = QApplication::activeModalWidget();
    if (!myWindow)
        myWindow = new HelpWindow(owner);
    else if (myWindow->parentWidget() != owner)
        myWindow->setParent(owner, myWindow->windowFlags());
    myWindow->ShowPage(page);
    myWindow->show();
    myWindow->raise();
    myWindow->activateWindow();
}
