#pragma once

// Rows of digit pictures: the score's two-digit counts (DigitDisplay) and
// the hh:mm:ss clocks (ClockDisplay). Each lives for one paint: it takes
// its pictures from a digit strip, is given a value and draws it centred
// in a rectangle.

#include "WndLayout.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

class QPainter;

class DigitDisplay
{
  public:
    // Pictures of a digit strip, left to right.
    static constexpr int StripPictures = 20;

    DigitDisplay() = default;
    virtual ~DigitDisplay() = default;

    // Takes the twenty pictures of strip bitmapId, drawn for the density,
    // black transparent, and shows positions digits. False when the strip
    // is unknown or too narrow for twenty pictures; the display then draws
    // nothing.
    bool LoadStrip(int bitmapId, int positions, qreal devicePixelRatio = 1.0);
    void SetValue(std::int32_t value) { myValue = value; }

    // The picture of each position, rightmost first: the value's last
    // digits, leading zeros blank but a single 0 kept. Empty without
    // positions.
    std::vector<int> NumberPictures() const;
    // Draws NumberPictures centred in rect.
    void DrawNumber(const LayoutRect &rect, QPainter &dc) const;

    int Width() const { return myWidth; }
    int Height() const { return myHeight; }
    int Positions() const { return myPositions; }

  protected:
    // Draws picture at position (0 the rightmost) of a row centred in rect;
    // an index outside the strip draws nothing.
    void DrawPicture(QPainter &dc, const LayoutRect &rect, int position, int picture) const;

    int myWidth = 1;
    int myHeight = 1;
    int myPositions = 0;
    QImage myPictures; // the strip, black made transparent
    std::int32_t myValue = 0;
};

// Eight positions reading hh:mm:ss for a value in seconds.
class ClockDisplay : public DigitDisplay
{
  public:
    bool LoadClock(int bitmapId, qreal devicePixelRatio = 1.0)
    {
        return LoadStrip(bitmapId, ClockPositions, devicePixelRatio);
    }

    // The picture of each position, rightmost first; hours wrap at 24.
    std::array<int, 8> ClockPictures() const;
    // Draws ClockPictures centred in rect, no position blank.
    void DrawClock(const LayoutRect &rect, QPainter &dc) const;

  private:
    static constexpr int ClockPositions = 8;
};
