#include "PoleWnd.h"

#include "DivuzApplication.h"
#include "DivuzDoc.h"
#include "DivuzViewBase.h"
#include "Errors.h"
#include "Pictures.h"
#include "SignStrips.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace
{

constexpr Place NothingPressed{0, 0, FREE};

// Where the keyboard's cursor starts on an empty board, and where Home puts it.
constexpr QPoint CentreCell(BoardSize / 2, BoardSize / 2);
// The columns as a board is written down: A to T without I.
constexpr const char *ColumnLetters = "ABCDEFGHJKLMNOPQRST";
// The cursor's frame: dark blue outside and white inside, so it stands out
// on the grey board and on the wooden one alike.
const QColor CursorOuter(0, 40, 160);
const QColor CursorInner(255, 255, 255);

// The keys the board takes for itself while it has the keyboard, before any
// shortcut of the window sees them.
bool IsBoardKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_Space:
        return modifiers == Qt::NoModifier;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
    default:
        return false;
    }
}

} // namespace

PoleWnd::PoleWnd() : ViewChildWnd("PoleWnd", "Pole Window")
{
    // Moves without a button clear a preview left behind, as after a
    // release that happened while another window had the mouse.
    setMouseTracking(true);
    // The board holds the keyboard: arrows, Enter and Space play on it.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QCoreApplication::translate("PoleWnd", "Hrací deska"));
}

void PoleWnd::OnUpdate()
{
    switch (GameRecord().SoundEvent) {
    case SoundNone:
    case SoundNewGame:
    case SoundMove:
    case SoundBack:
    case SoundBadMove:
        // The board shows a move at once, before the engine's next answer
        // can keep the event loop busy; the cursor's cell is told anew.
        if (myCursor)
            SetCursor(*myCursor);
        repaint();
        return;
    case SoundSecond:
        return;
    default:
        throw xProgramme("PoleWnd::OnUpdate : Strange myData");
    }
}

Place PoleWnd::PointToPlace(QPoint point, bool leftButton) const
{
    const DivuzOptions options = RequireApplication("PoleWnd::OnLButtonUp").GetOptions();
    const PoleWndLayout &layout = options.WndLayout.PoleWndLayout;
    const std::int32_t playerSign = GameRecord().PlayerSign;
    const std::int32_t sign = leftButton ? playerSign : Opponent(playerSign);

    const int pitch = layout.CellSize + layout.LineWidth;
    if (pitch <= 0)
        return NothingPressed;
    // Integer division truncates toward zero, so the thin band before the
    // first cell still belongs to it.
    const int x = (point.x() - layout.LineWidth - layout.Margin) / pitch;
    const int y = (point.y() - layout.LineWidth - layout.Margin) / pitch;
    if (x < 0 || x >= BoardSize || y < 0 || y >= BoardSize)
        return NothingPressed;
    return {x, y, sign};
}

void PoleWnd::DrawMove(QPainter &dc, const PoleWndLayout &layout, const Place &place,
                       const QImage &krest, const QImage &nol, int picture)
{
    if (place.iZnak != KREST && place.iZnak != NOL)
        throw xProgramme("PoleWnd::DrawMove : Bad iZnak");
    const QImage &strip = place.iZnak == KREST ? krest : nol;
    const int cell = layout.CellSize;
    const int pitch = layout.CellSize + layout.LineWidth;
    const int origin = layout.Margin + layout.LineWidth;
    const qreal dpr = strip.devicePixelRatio();
    const QRectF target(origin + pitch * place.x, origin + pitch * place.y, cell, cell);
    const QRectF source(picture * cell * dpr, 0, cell * dpr, cell * dpr);
    dc.drawImage(target, strip, source);
}

void PoleWnd::paintEvent(QPaintEvent * /*event*/)
{
    // Step 1. The settings and the game, read afresh at every paint.
    const DivuzOptions options = RequireApplication("PoleWnd::MyCreate").GetOptions();
    const PoleWndLayout &layout = options.WndLayout.PoleWndLayout;
    const DataDivuzDoc data = GameRecord();

    // Step 2. A fresh copy of the board picture is the drawing surface, so
    // each paint starts from a clean board.
    // The surface is drawn in layout units at the density it is shown at,
    // so every picture is made at the size it appears and stays sharp.
    const qreal scale = ViewScale(myView);
    const qreal dpr = devicePixelRatioF() * scale;
    QPixmap surface = DivuzPicture(layout.BoardBitmaps[options.IsRenjuStyle ? 1 : 0], dpr);

    // Step 3. The strips carry an alpha channel where the layout names the
    // mask colour.
    int krestBitmap = 0;
    int nolBitmap = 0;
    if (!ChooseSignStrips(layout, options.CurSignSet, data.IsPlayerFirst, data.PlayerSign,
                          krestBitmap, nolBitmap))
        return;
    const QImage krest = DivuzPictureImage(krestBitmap, dpr);
    const QImage nol = DivuzPictureImage(nolBitmap, dpr);
    if (surface.isNull() || krest.isNull() || nol.isNull())
        return;

    // Step 4. Later pictures cover earlier ones; only the preview can share
    // a cell with a stone, and it lies underneath.
    {
        QPainter dc(&surface);
        // Step 4.1. The pressed preview, under any stone on its cell.
        if (PressedPlace.iZnak != FREE)
            DrawMove(dc, layout, PressedPlace, krest, nol, SignGrey);
        // Step 4.2. Entry 0 is the bottom entry of every game, never a move.
        const Stack<HistoryEntry> &history = data.UndoRedoMoves;
        const int size = history.GetCurSize();
        for (int i = 1; i < size - 1; ++i) {
            const HistoryEntry &h = history[i];
            DrawMove(dc, layout, {h.x, h.y, h.iZnak}, krest, nol, SignPlain);
        }
        // Step 4.3. The line's last entry is normally the winning move,
        // which the next step draws as the last move.
        if (data.Winner != FREE)
            for (int i = 0; i < data.WinLine.GetCurSize() - 1; ++i)
                DrawMove(dc, layout, data.WinLine[i], krest, nol, SignRed);
        // Step 4.4. The last move.
        if (size - 1 > 0) {
            const HistoryEntry &last = history[size - 1];
            DrawMove(dc, layout, {last.x, last.y, last.iZnak}, krest, nol, SignRed);
        }
        // Step 4.5. The hint, once the engine has found it.
        if (data.Mode == ModeHint && !data.IsThinking)
            DrawMove(dc, layout, data.FoundMove, krest, nol, SignYellow);
        // Step 4.6. The keyboard's cursor, a frame around its cell.
        if (myCursor) {
            const int pitch = layout.CellSize + layout.LineWidth;
            const int origin = layout.Margin + layout.LineWidth;
            const QRectF cell(origin + pitch * myCursor->x(), origin + pitch * myCursor->y(),
                              layout.CellSize, layout.CellSize);
            dc.setBrush(Qt::NoBrush);
            dc.setPen(QPen(CursorOuter, 2));
            dc.drawRect(cell.adjusted(0, 0, -1, -1).adjusted(0.5, 0.5, -0.5, -0.5));
            dc.setPen(QPen(CursorInner, 1));
            dc.drawRect(cell.adjusted(2, 2, -3, -3).adjusted(0.5, 0.5, 0.5, 0.5));
        }
    }

    // Step 5. One copy to the window.
    QPainter window(this);
    window.scale(scale, scale);
    window.drawPixmap(QPoint(0, 0), surface);
}

QString PoleWnd::CellDescription(int x, int y, std::int32_t sign, std::int32_t playerSign)
{
    const QString cell = QLatin1Char(ColumnLetters[x]) + QString::number(BoardSize - y);
    if (sign == FREE)
        return QCoreApplication::translate("PoleWnd", "%1, volné pole").arg(cell);
    return (sign == playerSign ? QCoreApplication::translate("PoleWnd", "%1, kámen hráče")
                               : QCoreApplication::translate("PoleWnd", "%1, kámen počítače"))
        .arg(cell);
}

bool PoleWnd::event(QEvent *event)
{
    // The window's own shortcuts (the debug-mode arrows) yield to the board
    // while it has the keyboard.
    if (event->type() == QEvent::ShortcutOverride && IsBoardKey(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void PoleWnd::keyPressEvent(QKeyEvent *event)
{
    if (!IsBoardKey(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        MoveCursor(-1, 0);
        break;
    case Qt::Key_Right:
        MoveCursor(1, 0);
        break;
    case Qt::Key_Up:
        MoveCursor(0, -1);
        break;
    case Qt::Key_Down:
        MoveCursor(0, 1);
        break;
    case Qt::Key_Home:
        SetCursor(CentreCell);
        break;
    default: // Enter, Space; Shift+Enter as the right button
        PlayAtCursor(!(event->modifiers() & Qt::ShiftModifier));
        break;
    }
}

void PoleWnd::MoveCursor(int dx, int dy)
{
    // The first key shows the cursor where the game is: on the last move,
    // or in the centre of an empty board.
    if (!myCursor) {
        const Stack<HistoryEntry> &history = GameRecord().UndoRedoMoves;
        const int size = history.GetCurSize();
        SetCursor(size > 1 ? QPoint(history[size - 1].x, history[size - 1].y) : CentreCell);
        return;
    }
    SetCursor(QPoint(std::clamp(myCursor->x() + dx, 0, BoardSize - 1),
                     std::clamp(myCursor->y() + dy, 0, BoardSize - 1)));
}

void PoleWnd::SetCursor(QPoint cell)
{
    myCursor = cell;
    update();
    const DataDivuzDoc data = GameRecord();
    std::int32_t sign = FREE;
    const Stack<HistoryEntry> &history = data.UndoRedoMoves;
    for (int i = 1; i < history.GetCurSize(); ++i)
        if (history[i].x == cell.x() && history[i].y == cell.y())
            sign = history[i].iZnak;
    setAccessibleDescription(CellDescription(cell.x(), cell.y(), sign, data.PlayerSign));
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void PoleWnd::PlayAtCursor(bool leftButton)
{
    if (!myCursor) {
        MoveCursor(0, 0); // the key shows where the cursor is, nothing more
        return;
    }
    const std::int32_t playerSign = GameRecord().PlayerSign;
    const Place p{myCursor->x(), myCursor->y(), leftButton ? playerSign : Opponent(playerSign)};
    if (myView != nullptr && myView->GetDocument() != nullptr)
        myView->GetDocument()->OnMakeMove(p);
}

void PoleWnd::mousePressEvent(QMouseEvent *event)
{
    // The mouse takes over from the keyboard.
    if (myCursor) {
        myCursor.reset();
        update();
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        Press(event, event->button() == Qt::LeftButton);
    else
        QWidget::mousePressEvent(event);
}

void PoleWnd::mouseMoveEvent(QMouseEvent *event)
{
    const Qt::MouseButtons held = event->buttons();
    const Place before = PressedPlace;
    // The preview follows the pointer while its button stays down; once it
    // leaves the grid the place is FREE and stays so until the next press.
    if (held.testFlag(Qt::LeftButton) && PressedPlace.iZnak != FREE)
        PressedPlace = PlaceUnder(event, true);
    else if (held.testFlag(Qt::RightButton) && PressedPlace.iZnak != FREE)
        PressedPlace = PlaceUnder(event, false);
    else
        PressedPlace = NothingPressed;
    if (PressedPlace != before)
        update();
}

void PoleWnd::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        Release(event, event->button() == Qt::LeftButton);
    else
        QWidget::mouseReleaseEvent(event);
}

void PoleWnd::closeEvent(QCloseEvent *event)
{
    PressedPlace = {-1, -1, FREE};
    ViewChildWnd::closeEvent(event);
}

Place PoleWnd::PlaceUnder(const QMouseEvent *event, bool leftButton) const
{
    // The mouse stays with this window from a press to its release, so
    // points outside it arrive too; none of them lies on the grid.
    const QPoint point = event->position().toPoint();
    if (!rect().contains(point))
        return NothingPressed;
    // In layout units, whatever size the board is shown at.
    const QPointF unscaled = event->position() / ViewScale(myView);
    return PointToPlace(QPoint(int(std::floor(unscaled.x())), int(std::floor(unscaled.y()))),
                        leftButton);
}

void PoleWnd::Press(const QMouseEvent *event, bool leftButton)
{
    PressedPlace = PlaceUnder(event, leftButton);
    update();
}

void PoleWnd::Release(const QMouseEvent *event, bool leftButton)
{
    const Place p = PlaceUnder(event, leftButton);
    const bool plays = p.iZnak != FREE && p == PressedPlace;
    // The press ends here, even when the document refuses the move.
    PressedPlace = NothingPressed;
    update();
    if (plays && myView != nullptr && myView->GetDocument() != nullptr)
        myView->GetDocument()->OnMakeMove(p);
}
