#include "TextWnd.h"

#include "DivuzApplication.h"
#include "PanelSupport.h"
#include "Pictures.h"
#include "SignStrips.h"

#include <QCloseEvent>
#include <QPainter>

namespace
{

// The sign pictures: this size, in the room after each caption, the
// player's in the left half and the computer's in the right one.
constexpr int SignSize = 13;
constexpr int PlayerSignLeft = 99;
constexpr int ComputerSignLeft = 223;

} // namespace

TextWnd::TextWnd() : ViewChildWnd("TextWnd", "TextWnd Window") {}

void TextWnd::OnUpdate()
{
    if (GameRecord().SoundEvent != SoundSecond)
        update();
}

void TextWnd::paintEvent(QPaintEvent * /*event*/)
{
    const DivuzOptions options = PaintOptions();
    const TextWndLayout &layout = options.WndLayout.TextWndLayout;
    const qreal dpr = PictureRatio();
    QPainter dc(this);
    ScaleToView(dc);
    dc.drawPixmap(QPoint(0, 0), PanelSurface(layout.BackBitmap, layout.Rect, dpr));

    // Whose sign is whose, in the pictures the board shows them with.
    const DataDivuzDoc data = GameRecord();
    const PoleWndLayout &board = options.WndLayout.PoleWndLayout;
    int krestBitmap = 0;
    int nolBitmap = 0;
    if (!ChooseSignStrips(board, options.CurSignSet, data.IsPlayerFirst, data.PlayerSign,
                          krestBitmap, nolBitmap))
        return;
    const auto drawSign = [&](std::int32_t sign, int left) {
        const QImage strip = DivuzPictureImage(sign == KREST ? krestBitmap : nolBitmap, dpr);
        const int cell = board.CellSize;
        const QRectF source(SignPlain * cell * dpr, 0, cell * dpr, cell * dpr);
        const int top = (layout.Rect.bottom - layout.Rect.top - SignSize) / 2;
        dc.setRenderHint(QPainter::SmoothPixmapTransform);
        dc.drawImage(QRectF(left, top, SignSize, SignSize), strip, source);
    };
    drawSign(data.PlayerSign, PlayerSignLeft);
    drawSign(Opponent(data.PlayerSign), ComputerSignLeft);
}
