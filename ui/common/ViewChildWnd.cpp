#include "ViewChildWnd.h"

#include "DivuzApplication.h"
#include "DivuzDoc.h"
#include "DivuzViewBase.h"

#include <QCloseEvent>
#include <QPainter>

#include <string>

ViewChildWnd::ViewChildWnd(const char *className, const char *windowName)
    : myClassName(className), myWindowName(windowName)
{
    // Every paint covers the whole window, so nothing needs erasing.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ViewChildWnd::MyCreate(CDivuzViewBase *view)
{
    if (view == nullptr)
        return true;
    myView = view;
    const std::string where = std::string(myClassName) + "::MyCreate";
    const DivuzOptions options = RequireApplication(where).GetOptions();
    setParent(view);
    setObjectName(QString::fromLatin1(myWindowName));
    setWindowTitle(QString::fromLatin1(myWindowName));
    setGeometry(ScaledRect(RectOf(options.WndLayout), ViewScale(view)));
    show();
    update();
    return OnCreated();
}

void ViewChildWnd::FitToView()
{
    // Every window names the same place when the application object is
    // missing, as the paints do.
    if (myView != nullptr)
        setGeometry(
            ScaledRect(RectOf(RequireApplication("PoleWnd::MyCreate").GetOptions().WndLayout),
                       myView->Scale()));
}

QPainter &ViewChildWnd::ScaleToView(QPainter &dc) const
{
    dc.scale(ViewScale(myView), ViewScale(myView));
    return dc;
}

qreal ViewChildWnd::PictureRatio() const
{
    return devicePixelRatioF() * ViewScale(myView);
}

DataDivuzDoc ViewChildWnd::GameRecord() const
{
    DataDivuzDoc data;
    if (myView != nullptr && myView->GetDocument() != nullptr)
        myView->GetDocument()->GetData(data);
    return data;
}

void ViewChildWnd::closeEvent(QCloseEvent *event)
{
    myView = nullptr;
    QWidget::closeEvent(event);
}
