#include "DigitDisplay.h"

#include "DrawTransparent.h"
#include "Pictures.h"

#include <QPainter>

bool DigitDisplay::LoadStrip(int bitmapId, int positions, qreal devicePixelRatio)
{
    myPositions = positions;
    myPictures = QImage();
    const QSize size = DivuzPictureSize(bitmapId);
    if (!size.isValid())
        return false;
    const int width = size.width() / StripPictures;
    if (width == 0)
        return false;
    const QImage strip = DivuzPictureImage(bitmapId, devicePixelRatio);
    if (strip.isNull())
        return false;
    myWidth = width;
    myHeight = size.height();
    myPictures = WithoutKeyColor(strip, Qt::black);
    return true;
}

std::vector<int> DigitDisplay::NumberPictures() const
{
    std::vector<int> pictures;
    std::int32_t value = myValue;
    for (int p = 0; p < myPositions; ++p) {
        int digit = value % 10;
        value /= 10;
        // Leading zeros are blank; the rightmost position always shows.
        if (value == 0 && digit == 0 && p > 0)
            digit = DigitBlank;
        pictures.push_back(digit);
    }
    return pictures;
}

void DigitDisplay::DrawNumber(const LayoutRect &rect, QPainter &dc) const
{
    const std::vector<int> pictures = NumberPictures();
    for (int p = 0; p < int(pictures.size()); ++p)
        DrawPicture(dc, rect, p, pictures[p]);
}

void DigitDisplay::DrawPicture(QPainter &dc, const LayoutRect &rect, int position,
                               int picture) const
{
    if (myPictures.isNull() || picture < 0 || picture >= StripPictures)
        return;
    // The row of all positions is centred in rect; halves truncate.
    const int x =
        (myPositions * myWidth) / 2 - (position + 1) * myWidth + (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2 - myHeight / 2;
    const qreal dpr = myPictures.devicePixelRatio();
    dc.drawImage(QRectF(x, y, myWidth, myHeight), myPictures,
                 QRectF(picture * myWidth * dpr, 0, myWidth * dpr, myHeight * dpr));
}

std::array<int, 8> ClockDisplay::ClockPictures() const
{
    const std::int32_t s = myValue;
    return {s % 10,        (s / 10) % 6, DigitColon,      (s / 60) % 10,
            (s / 600) % 6, DigitColon,   (s / 3600) % 10, (s / 36000) % 24};
}

void ClockDisplay::DrawClock(const LayoutRect &rect, QPainter &dc) const
{
    const std::array<int, 8> pictures = ClockPictures();
    for (int p = 0; p < myPositions && p < int(pictures.size()); ++p)
        DrawPicture(dc, rect, p, pictures[p]);
}
