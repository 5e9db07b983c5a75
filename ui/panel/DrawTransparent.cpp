#include "DrawTransparent.h"

#include <QPainter>

QImage WithoutKeyColor(const QImage &bitmap, const QColor &transparent)
{
    if (bitmap.isNull())
        return {};
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    // Compared without alpha: the key is a colour of the picture, and a
    // pixel that is already transparent stays so either way.
    const QRgb key = transparent.rgb() & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(bitmap.devicePixelRatio());
    return image;
}

bool DrawTransparent(QPainter &dc, const QImage &bitmap, int x, int y, const QColor &transparent)
{
    const QImage keyed = WithoutKeyColor(bitmap, transparent);
    if (keyed.isNull())
        return false;
    dc.drawImage(QPoint(x, y), keyed);
    return true;
}
