#include "PoleWnd.h"

#include "Pictures.h"
#include "UiTestSupport.h"

#include <QPainter>
#include <QTest>

#include <tuple>
#include <utility>

namespace
{

using Shown = std::pair<int, int>; // strip id and picture; {0, 0} an empty cell

QPoint Centre(int x, int y)
{
    return {4 + 20 * x + 9, 4 + 20 * y + 9};
}

// What the board shows at cell (x, y), found by laying every sign picture
// over the board picture (over the plain one of its strip for a stone drawn
// again in colour); {-1, -1} when nothing matches.
Shown PictureAt(const QImage &board, int x, int y, bool overPlain = false)
{
    const QRect cell(4 + 20 * x, 4 + 20 * y, 19, 19);
    const QImage shown = board.copy(cell).convertToFormat(QImage::Format_RGB32);
    const QImage empty = DivuzPictureImage(PictureBoardTiles).copy(cell);
    if (shown == empty)
        return {0, 0};
    for (int strip : {PictureSignsX, PictureSignsO, PictureStonesBlack, PictureStonesWhite})
        for (int look = SignPlain; look <= SignRed; ++look) {
            QImage expected = empty.convertToFormat(QImage::Format_RGB32);
            QPainter dc(&expected);
            const auto lay = [&](int picture) {
                dc.drawImage(QPoint(0, 0), DivuzPictureImage(strip),
                             DivuzPictureCellRect(strip, picture));
            };
            if (overPlain)
                lay(SignPlain);
            lay(look);
            dc.end();
            if (shown == expected)
                return {strip, look};
        }
    return {-1, -1};
}

using PoleWndTest = UiTest;

TEST_F(PoleWndTest, MovesArePlayedWhereTheButtonIsReleasedOnTheGrid)
{
    Start();
    PoleWnd *pole = &view->pole;
    const std::int32_t me = view->Data().PlayerSign;
    EXPECT_EQ(pole->PointToPlace({0, 3}, true), (Place{0, 0, me}));
    EXPECT_EQ(pole->PointToPlace({23, 24}, true), (Place{0, 1, me}));
    EXPECT_EQ(pole->PointToPlace({383, 383}, false), (Place{18, 18, Opponent(me)}));
    EXPECT_EQ(pole->PointToPlace({384, 100}, true), (Place{0, 0, FREE}));
    for (const QPoint band : {QPoint(385, 100), QPoint(100, 386)})
        QTest::mouseClick(pole, Qt::LeftButton, {}, band);
    EXPECT_FALSE(view->Data().IsThinking);

    // A click on the last pixel of cell (3, 5); the computer answers.
    const auto history = [this] { return view->Data().UndoRedoMoves; };
    QTest::mouseClick(pole, Qt::LeftButton, {}, {4 + 20 * 3, 22 + 20 * 5});
    ASSERT_TRUE(view->Settle());
    ASSERT_EQ(history().GetCurSize(), 3);
    EXPECT_EQ(std::tuple(history()[1].x, history()[1].y, history()[1].iZnak), std::tuple(3, 5, me));

    QTest::mousePress(pole, Qt::LeftButton, {}, Centre(2, 2));
    QTest::mouseMove(pole, Centre(4, 4));
    QTest::mouseRelease(pole, Qt::LeftButton, {}, Centre(4, 4));
    ASSERT_TRUE(view->Settle());
    ASSERT_EQ(history().GetCurSize(), 5);
    EXPECT_EQ(std::pair(history()[3].x, history()[3].y), std::pair(4, 4));

    // Leaving the grid with the button held cancels the press.
    QTest::mousePress(pole, Qt::LeftButton, {}, Centre(6, 6));
    QTest::mouseMove(pole, {385, 130});
    QTest::mouseMove(pole, Centre(6, 6));
    QTest::mouseRelease(pole, Qt::LeftButton, {}, Centre(6, 6));
    EXPECT_FALSE(view->Data().IsThinking);
    EXPECT_EQ(history().GetCurSize(), 5);
}

TEST_F(PoleWndTest, ComputerBeginsInBlackAndTheLastMoveAndTheWinningLineShowRed)
{
    app.myOptions.CurSignSet = 1;
    app.myOptions.WhoBeginsMode = 1;
    Start();
    PoleWnd *pole = &view->pole;
    EXPECT_EQ(PictureAt(pole->grab().toImage(), 0, 0), Shown(0, 0));
    EXPECT_EQ(PictureAt(pole->grab().toImage(), 9, 9), Shown(PictureStonesBlack, SignRed));

    view->myDoc.OnGameEditmode();
    QTest::mousePress(pole, Qt::LeftButton, {}, Centre(7, 7));
    EXPECT_EQ(PictureAt(pole->grab().toImage(), 7, 7), Shown(PictureStonesWhite, SignGrey));
    QTest::mouseRelease(pole, Qt::LeftButton, {}, {386, 386});
    EXPECT_EQ(PictureAt(pole->grab().toImage(), 7, 7), Shown(0, 0));

    for (int x = 0; x < 5; ++x) {
        QTest::mouseClick(pole, Qt::LeftButton, {}, Centre(x, 0));
        ASSERT_TRUE(view->Settle());
    }
    ASSERT_EQ(view->Data().GameMode, PlayerWon);
    const QImage board = pole->grab().toImage();
    EXPECT_EQ(PictureAt(board, 9, 9), Shown(PictureStonesBlack, SignPlain));
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(PictureAt(board, x, 0, x < 4), Shown(PictureStonesWhite, SignRed)) << x;
}

} // namespace
