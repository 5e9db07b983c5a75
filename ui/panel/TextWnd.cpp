#include "TextWnd.h"

#include "DivuzApplication.h"
#include "PanelSupport.h"

#include <QCloseEvent>
#include <QPainter>

TextWnd::TextWnd()
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool TextWnd::MyCreate(CDivuzViewBase *view)
{
    if (view == nullptr)
        return true;
    myView = view;
    const DivuzOptions options = RequireApplication("TextWnd::MyCreate").GetOptions();
    return CreatePanelWindow(*this, view, options.WndLayout.TextWndLayout.Rect, "TextWnd Window");
}

void TextWnd::paintEvent(QPaintEvent * /*event*/)
{
    const DivuzOptions options = PaintOptions();
    const TextWndLayout &layout = options.WndLayout.TextWndLayout;
    QPainter(this).drawPixmap(QPoint(0, 0),
                              PanelSurface(layout.BackBitmap, layout.Rect, devicePixelRatioF()));
}

void TextWnd::closeEvent(QCloseEvent *event)
{
    myView = nullptr;
    QWidget::closeEvent(event);
}
