#include "PanelSupport.h"

#include "DivuzApplication.h"
#include "DivuzDoc.h"
#include "DivuzViewBase.h"
#include "Pictures.h"

DivuzOptions PaintOptions()
{
    // Every paint of the presentation names the same place when the
    // application object is missing.
    return RequireApplication("PoleWnd::MyCreate").GetOptions();
}

QPixmap PanelSurface(int backBitmap, const LayoutRect &rect, qreal devicePixelRatio)
{
    QPixmap surface = DivuzPicture(backBitmap, devicePixelRatio);
    if (!surface.isNull())
        return surface;
    const QSize size = ToQRect(rect).size();
    surface = QPixmap(size * devicePixelRatio);
    surface.setDevicePixelRatio(devicePixelRatio);
    surface.fill(QColor(192, 192, 192));
    return surface;
}
