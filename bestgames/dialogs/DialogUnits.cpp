#include "DialogUnits.h"

#include <QFontMetrics>

DialogUnits::DialogUnits(const QFont &font)
{
    // The average width is taken over the letters, rounded to whole pixels,
    // as the dialog designs assume.
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    myBaseX = (letters / 26 + 1) / 2;
    myBaseY = metrics.height();
}

int DialogUnits::X(int units) const
{
    return units * myBaseX / 4;
}

int DialogUnits::Y(int units) const
{
    return units * myBaseY / 8;
}
