#include "TextWnd.h"

#include "DivuzApplication.h"
#include "PanelSupport.h"

#include <QCloseEvent>
#include <QPainter>

TextWnd::TextWnd() : PanelWnd("TextWnd", "TextWnd Window") {}

void TextWnd::paintEvent(QPaintEvent * /*event*/)
{
    const DivuzOptions options = PaintOptions();
    const TextWndLayout &layout = options.WndLayout.TextWndLayout;
    QPainter(this).drawPixmap(QPoint(0, 0),
                              PanelSurface(layout.BackBitmap, layout.Rect, devicePixelRatioF()));
}
