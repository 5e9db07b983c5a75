#pragma once

// Dialog units, the measure the dialogs are designed in: across, a quarter
// of the font's average character width; down, an eighth of its height. A
// dialog laid out in them keeps its proportions in whatever font it gets.

#include <QFont>
#include <QSize>

class DialogUnits
{
  public:
    explicit DialogUnits(const QFont &font);

    int X(int units) const;
    int Y(int units) const;
    QSize Size(int width, int height) const { return QSize(X(width), Y(height)); }

  private:
    int myBaseX;
    int myBaseY;
};
