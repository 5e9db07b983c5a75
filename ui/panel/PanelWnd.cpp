#include "PanelWnd.h"

#include "DivuzApplication.h"
#include "DivuzViewBase.h"
#include "PanelSupport.h"

#include <QCloseEvent>
#include <QPainter>

#include <string>

PanelWnd::PanelWnd(const char *className, const char *windowName)
    : myClassName(className), myWindowName(windowName)
{
    // Every paint covers the whole window, so nothing needs erasing.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool PanelWnd::MyCreate(CDivuzViewBase *view)
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

void PanelWnd::FitToView()
{
    if (myView != nullptr)
        setGeometry(ScaledRect(RectOf(PaintOptions().WndLayout), myView->Scale()));
}

QPainter &PanelWnd::ScaleToView(QPainter &dc) const
{
    dc.scale(ViewScale(myView), ViewScale(myView));
    return dc;
}

qreal PanelWnd::PictureRatio() const
{
    return devicePixelRatioF() * ViewScale(myView);
}

DataDivuzDoc PanelWnd::GameRecord() const
{
    return GameRecordOf(myView);
}

void PanelWnd::closeEvent(QCloseEvent *event)
{
    myView = nullptr;
    QWidget::closeEvent(event);
}
