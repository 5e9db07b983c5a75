#include "LevelWnd.h"

#include "DivuzApplication.h"
#include "DrawTransparent.h"
#include "PanelSupport.h"
#include "Pictures.h"

#include <QCloseEvent>
#include <QPainter>

LevelWnd::LevelWnd() : ViewChildWnd("LevelWnd", "LevelWnd Window") {}

void LevelWnd::paintEvent(QPaintEvent * /*event*/)
{
    // Step 1. The level as the options say now.
    const DivuzOptions options = PaintOptions();
    const LevelWndLayout &layout = options.WndLayout.LevelWndLayout;
    const qreal dpr = PictureRatio();

    // Step 2. The background with "Level :".
    QPainter dc(this);
    ScaleToView(dc);
    dc.drawPixmap(QPoint(0, 0), PanelSurface(layout.BackBitmap, layout.Rect, dpr));

    // Step 3. A level outside the table leaves the window without caption.
    if (options.Level < 0 || options.Level >= LevelCount)
        return;
    DrawTransparent(dc, DivuzPictureImage(layout.LevelBitmaps[options.Level], dpr), layout.BitmapX,
                    layout.BitmapY, Qt::white);
}
