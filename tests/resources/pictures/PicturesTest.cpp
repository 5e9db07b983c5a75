#include "Pictures.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <map>

namespace
{

constexpr int SignStrips[] = {131, 132, 146, 147};
constexpr int DigitStrips[] = {145, 157};
const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255);

// Picture `index` of strip id at density dpr, in physical pixels.
QImage Cell(int id, int index, qreal dpr)
{
    const QRect r = DivuzPictureCellRect(id, index);
    return DivuzPictureImage(id, dpr)
        .copy(qRound(r.x() * dpr), qRound(r.y() * dpr), qRound(r.width() * dpr),
              qRound(r.height() * dpr))
        .convertToFormat(QImage::Format_ARGB32);
}

// Whether every pixel of the logical rectangle r of picture id is colour c.
bool AllPixels(int id, const QRect &r, QRgb c)
{
    const QImage image = DivuzPictureImage(id).convertToFormat(QImage::Format_ARGB32);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != c)
                return false;
    return true;
}

// The sizes the windows' layout is built on: every id listed once, at its
// logical size at densities one and two, strips split into their cells.
TEST(Pictures, EveryPictureIsListedOnceWithItsSizesAndCells)
{
    std::map<int, QSize> expected{
        {128, {144, 15}}, {131, {76, 19}},   {132, {76, 19}},  {133, {387, 387}}, {138, {239, 78}},
        {139, {239, 41}}, {140, {239, 59}},  {141, {239, 59}}, {145, {240, 21}},  {146, {76, 19}},
        {147, {76, 19}},  {154, {387, 387}}, {157, {340, 25}}, {217, {239, 41}},  {164, {416, 317}},
        {170, {74, 71}},  {201, {238, 42}},
    };
    for (int id = 206; id <= 216; ++id)
        expected[id] = {150, 26};
    std::map<int, QSize> listed;
    for (int id : DivuzPictureIds())
        listed[id] = DivuzPictureSize(id);
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(DivuzPictureIds().size(), expected.size());

    // Equal cells side by side.
    std::map<int, int> cells{{128, 9}, {131, 4},  {132, 4}, {146, 4},
                             {147, 4}, {145, 20}, {157, 20}};
    for (const auto &[id, size] : expected) {
        SCOPED_TRACE(id);
        const int n = cells.emplace(id, 1).first->second, w = size.width() / n;
        ASSERT_EQ(DivuzPictureCellCount(id), n);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(DivuzPictureCellRect(id, i), QRect(i * w, 0, w, size.height())) << i;
        for (qreal dpr : {1.0, 2.0}) {
            const QPixmap pixmap = DivuzPicture(id, dpr);
            ASSERT_FALSE(pixmap.isNull());
            EXPECT_EQ(pixmap.size(), size * dpr);
            EXPECT_EQ(pixmap.devicePixelRatio(), dpr);
            EXPECT_EQ(DivuzPictureImage(id, dpr).size(), size * dpr);
            EXPECT_EQ(DivuzPictureKeyed(id, dpr).size(), size * dpr);
        }
    }
    // An unknown id or density gives nothing.
    EXPECT_TRUE(DivuzPicture(129).isNull());
    EXPECT_EQ(DivuzPictureCellCount(129), 0);
    EXPECT_TRUE(DivuzPicture(133, 0.0).isNull());
    EXPECT_TRUE(DivuzPictureCellRect(131, 4).isEmpty());
}

// Each look of a sign is transparent at the corners and opaque at the
// centre, differs from the other looks, and stands on magenta when keyed.
TEST(Pictures, SignLooksAreDistinctShapesOnATransparentOrMagentaGround)
{
    const QRgb magenta = qRgb(255, 0, 255);
    for (int id : SignStrips) {
        const QImage keyed = DivuzPictureKeyedImage(id).convertToFormat(QImage::Format_ARGB32);
        EXPECT_FALSE(DivuzPictureKeyedImage(id).hasAlphaChannel());
        EXPECT_EQ(DivuzPictureKeyColor(id).rgb(), magenta);
        for (int look = 0; look < 4; ++look) {
            SCOPED_TRACE(testing::Message() << id << " look " << look);
            EXPECT_EQ(keyed.pixel(19 * look, 0), magenta);
            EXPECT_NE(keyed.pixel(19 * look + 9, id == 132 ? 4 : 9), magenta);
            for (int other = 0; other < look; ++other)
                EXPECT_NE(Cell(id, look, 1.0), Cell(id, other, 1.0)) << other;
            for (qreal dpr : {1.0, 2.0}) {
                const QImage cell = Cell(id, look, dpr);
                const int last = cell.width() - 1;
                for (const QPoint corner :
                     {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
                    EXPECT_EQ(qAlpha(cell.pixel(corner)), 0) << dpr;
                // The X has its crossing at the centre, the O its stroke
                // around it, the stones their body.
                const QPoint probe = id == 132 ? QPoint(cell.width() / 2, qRound(4.5 * dpr))
                                               : QPoint(cell.width() / 2, cell.height() / 2);
                EXPECT_EQ(qAlpha(cell.pixel(probe)), 255) << dpr;
            }
        }
    }
}

TEST(Pictures, DigitPicturesDifferFromEachOtherAndStandOnBlack)
{
    for (int id : DigitStrips) {
        EXPECT_EQ(DivuzPictureKeyColor(id).rgb(), Black);
        for (qreal dpr : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << id << " dpr " << dpr);
            // Digits, blank, colon and underscore are all distinct ...
            for (int a = 0; a <= DigitUnderscore; ++a)
                for (int b = a + 1; b <= DigitUnderscore; ++b)
                    EXPECT_NE(Cell(id, a, dpr), Cell(id, b, dpr)) << a << " vs " << b;
            // ... the all-lit pictures all show an 8.
            for (int lit = DigitAllLit; lit < 20; ++lit)
                EXPECT_EQ(Cell(id, lit, dpr), Cell(id, 8, dpr)) << lit;
        }
        for (int index = 0; index < 20; ++index) {
            const QImage cell = Cell(id, index, 1.0);
            EXPECT_EQ(cell.pixel(0, 0), Black) << id << " " << index;
            EXPECT_EQ(cell.pixel(cell.width() - 1, cell.height() - 1), Black);
        }
    }
}

TEST(Pictures, BoardLinesLieBetweenTheCells)
{
    for (int id : {133, 154}) {
        SCOPED_TRACE(id);
        const QImage board = DivuzPictureImage(id).convertToFormat(QImage::Format_ARGB32);
        // Line k at 3 + 20k, crossings included; cell x from 4 + 20x.
        for (int k = 0; k <= 19; ++k)
            EXPECT_LT(qGray(board.pixel(3 + 20 * k, 3 + 20 * k)), 110) << k;
        for (int x = 0; x < 19; ++x)
            EXPECT_GT(qGray(board.pixel(13 + 20 * x, 13 + 20 * x)), 170) << x;
    }
}

TEST(Pictures, PanelDigitsColumnsAndCaptionsFallIntoClearFields)
{
    // Where the score window puts its two rows of two digits.
    EXPECT_TRUE(AllPixels(141, QRect(43, 18, 34, 25), Black));
    EXPECT_TRUE(AllPixels(141, QRect(158, 18, 34, 25), Black));
    // Where the clock window puts its two clocks of eight positions.
    EXPECT_TRUE(AllPixels(140, QRect(17, 20, 96, 21), Black));
    EXPECT_TRUE(AllPixels(140, QRect(127, 20, 96, 21), Black));
    // The full reach of each chances column holds nothing but the dark well
    // and the faint outline of the full column.
    const QImage price = DivuzPictureImage(138).convertToFormat(QImage::Format_ARGB32);
    for (const QRect &reach : {QRect(59, 15, 24, 45), QRect(169, 15, 24, 45)})
        for (int y = reach.top(); y <= reach.bottom(); ++y)
            for (int x = reach.left(); x <= reach.right(); ++x)
                ASSERT_LT(qGray(price.pixel(x, y)), 110) << x << ", " << y;
    // The level captions stand on white, like the field they are put in.
    EXPECT_TRUE(AllPixels(217, QRect(85, 6, 150, 26), White));
    for (int id = 206; id <= 216; ++id) {
        EXPECT_EQ(DivuzPictureKeyColor(id).rgb(), White);
        EXPECT_TRUE(AllPixels(id, QRect(0, 0, 150, 2), White)) << id;
        EXPECT_FALSE(AllPixels(id, QRect(0, 0, 150, 26), White)) << id;
    }
}

} // namespace

// Text and pixmaps need a QGuiApplication; without a display the tests run
// on the offscreen platform.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
