#pragma once

// The board window: the 19 x 19 board with every move of the game, the last
// move, the winning line and a hint marked in colour, and the mouse turned
// into moves for the document. It keeps no game state of its own; each
// paint reads the game record and the options afresh.

#include "Records.h"
#include "ViewChildWnd.h"
#include "WndLayout.h"

#include <optional>

class CDivuzViewBase;
class QImage;
class QPainter;

class PoleWnd : public ViewChildWnd
{
  public:
    // Made without a parent; MyCreate places it in the view. Held by value
    // in the view, it is destroyed before the view's own widget part.
    PoleWnd();

    // Called by the view on every document update. Game events repaint at
    // once, the clock's once-a-second event does not; throws xProgramme
    // "PoleWnd::OnUpdate : Strange myData" for an unknown SoundEvent.
    void OnUpdate();

    // The cell under a point of the window in layout units (as at 100 %),
    // with the sign the button plays:
    // the player's for the left button, the opponent's for the right one.
    // (0, 0, FREE) outside the grid.
    Place PointToPlace(QPoint point, bool leftButton) const;

    // Draws picture of the place's strip at its cell, transparently; krest
    // and nol are the strips of the two signs. Throws xProgramme
    // "PoleWnd::DrawMove : Bad iZnak" for a place of neither sign.
    static void DrawMove(QPainter &dc, const PoleWndLayout &layout, const Place &place,
                         const QImage &krest, const QImage &nol, int picture);

    // The keyboard's cursor: the cell the arrow keys have reached, while it
    // is shown (from the first arrow key to the next mouse click).
    std::optional<QPoint> Cursor() const { return myCursor; }
    // A cell as assistive technology reads it: column letter A-T without I,
    // row 1-19 from the bottom, and what lies on it.
    static QString CellDescription(int x, int y, std::int32_t sign, std::int32_t playerSign);

  protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    LayoutRect RectOf(const WndLayout &layout) const override { return layout.PoleWndLayout.Rect; }

  private:
    Place PlaceUnder(const QMouseEvent *event, bool leftButton) const;
    void Press(const QMouseEvent *event, bool leftButton);
    void Release(const QMouseEvent *event, bool leftButton);
    // Moves the keyboard's cursor (showing it first where the game is) and
    // tells assistive technology which cell it is on.
    void MoveCursor(int dx, int dy);
    void SetCursor(QPoint cell);
    // Enter and Space: a click of the button on the cursor's cell.
    void PlayAtCursor(bool leftButton);

    // The cell shown as pressed and the sign a release there plays; FREE
    // while nothing is pressed.
    Place PressedPlace{-1, -1, FREE};
    std::optional<QPoint> myCursor;
};
