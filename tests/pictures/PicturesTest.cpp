#include "Pictures.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <map>
#include <memory>

namespace
{

// Text and pixmaps need a QGuiApplication; without a display the tests run
// on the offscreen platform.
class GuiEnvironment : public testing::Environment
{
  public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        myApp = std::make_unique<QGuiApplication>(myArgc, myArgv);
    }
    void TearDown() override { myApp.reset(); }

  private:
    int myArgc = 1;
    char myName[16] = "pictures_tests";
    char *myArgv[2] = {myName, nullptr};
    std::unique_ptr<QGuiApplication> myApp;
};

const auto *const guiEnvironment = testing::AddGlobalTestEnvironment(new GuiEnvironment);

// The sizes the windows' layout is built on.
const std::map<int, QSize> &ExpectedSizes()
{
    static const std::map<int, QSize> sizes = [] {
        std::map<int, QSize> s{
            {128, {144, 15}}, {131, {76, 19}},  {132, {76, 19}},  {133, {387, 387}},
            {138, {239, 78}}, {139, {239, 41}}, {140, {239, 59}}, {141, {239, 59}},
            {145, {240, 21}}, {146, {76, 19}},  {147, {76, 19}},  {154, {387, 387}},
            {157, {340, 25}}, {217, {239, 41}},
        };
        for (int id = 206; id <= 216; ++id)
            s[id] = {150, 26};
        return s;
    }();
    return sizes;
}

constexpr int SignStrips[] = {131, 132, 146, 147};
constexpr int DigitStrips[] = {145, 157};

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

TEST(Pictures, EveryIdIsListedOnce)
{
    std::map<int, QSize> listed;
    for (int id : DivuzPictureIds())
        listed[id] = DivuzPictureSize(id);
    EXPECT_EQ(listed, ExpectedSizes());
    EXPECT_EQ(DivuzPictureIds().size(), ExpectedSizes().size());
}

TEST(Pictures, EveryPictureHasItsLogicalSizeAtDensitiesOneAndTwo)
{
    for (const auto &[id, size] : ExpectedSizes()) {
        SCOPED_TRACE(id);
        for (qreal dpr : {1.0, 2.0}) {
            const QPixmap pixmap = DivuzPicture(id, dpr);
            ASSERT_FALSE(pixmap.isNull());
            EXPECT_EQ(pixmap.size(), size * dpr);
            EXPECT_EQ(pixmap.devicePixelRatio(), dpr);
            EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), size);
            EXPECT_EQ(DivuzPictureImage(id, dpr).size(), size * dpr);
            EXPECT_EQ(DivuzPictureKeyed(id, dpr).size(), size * dpr);
        }
    }
}

TEST(Pictures, UnknownIdOrDensityGivesNothing)
{
    EXPECT_TRUE(DivuzPicture(129).isNull());
    EXPECT_FALSE(DivuzPictureSize(129).isValid());
    EXPECT_EQ(DivuzPictureCellCount(129), 0);
    EXPECT_TRUE(DivuzPicture(133, 0.0).isNull());
    EXPECT_TRUE(DivuzPictureCellRect(131, 4).isEmpty());
}

TEST(Pictures, StripsSplitIntoTheirCells)
{
    EXPECT_EQ(DivuzPictureCellCount(128), 9);
    EXPECT_EQ(DivuzPictureCellRect(128, 8), QRect(128, 0, 16, 15));
    for (int id : SignStrips) {
        EXPECT_EQ(DivuzPictureCellCount(id), 4);
        EXPECT_EQ(DivuzPictureCellRect(id, 3), QRect(57, 0, 19, 19));
    }
    EXPECT_EQ(DivuzPictureCellRect(157, 19), QRect(323, 0, 17, 25));
    EXPECT_EQ(DivuzPictureCellRect(145, 11), QRect(132, 0, 12, 21));
    EXPECT_EQ(DivuzPictureCellCount(133), 1);
}

TEST(Pictures, SignCellsAreTransparentAtTheCornersAndOpaqueAtTheCentre)
{
    for (int id : SignStrips) {
        for (qreal dpr : {1.0, 2.0}) {
            for (int look = 0; look < 4; ++look) {
                SCOPED_TRACE(testing::Message() << id << " look " << look << " dpr " << dpr);
                const QImage cell = Cell(id, look, dpr);
                const int last = cell.width() - 1;
                EXPECT_EQ(qAlpha(cell.pixel(0, 0)), 0);
                EXPECT_EQ(qAlpha(cell.pixel(last, 0)), 0);
                EXPECT_EQ(qAlpha(cell.pixel(0, last)), 0);
                EXPECT_EQ(qAlpha(cell.pixel(last, last)), 0);
                // The X has its crossing at the centre, the O its stroke
                // around it, the stones their body.
                const QPoint probe = id == 132 ? QPoint(cell.width() / 2, qRound(4.5 * dpr))
                                               : QPoint(cell.width() / 2, cell.height() / 2);
                EXPECT_EQ(qAlpha(cell.pixel(probe)), 255);
            }
        }
    }
}

TEST(Pictures, KeyedSignsStandOnMagenta)
{
    const QRgb magenta = qRgb(255, 0, 255);
    for (int id : SignStrips) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(DivuzPictureKeyedImage(id).hasAlphaChannel());
        const QImage keyed = DivuzPictureKeyedImage(id).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(DivuzPictureKeyColor(id).rgb(), magenta);
        for (int look = 0; look < 4; ++look) {
            EXPECT_EQ(keyed.pixel(19 * look, 0), magenta);
            EXPECT_NE(keyed.pixel(19 * look + 9, id == 132 ? 4 : 9), magenta);
        }
    }
}

TEST(Pictures, SignLooksDifferFromEachOther)
{
    for (int id : SignStrips)
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                EXPECT_NE(Cell(id, a, 1.0), Cell(id, b, 1.0)) << id << ": " << a << ", " << b;
}

TEST(Pictures, DigitPicturesDifferFromEachOther)
{
    for (int id : DigitStrips) {
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
    }
}

TEST(Pictures, DigitsStandOnTheBlackThePanelLeavesOut)
{
    for (int id : DigitStrips) {
        EXPECT_EQ(DivuzPictureKeyColor(id).rgb(), qRgb(0, 0, 0));
        for (int index = 0; index < 20; ++index) {
            const QImage cell = Cell(id, index, 1.0);
            EXPECT_EQ(cell.pixel(0, 0), qRgb(0, 0, 0)) << id << " " << index;
            EXPECT_EQ(cell.pixel(cell.width() - 1, cell.height() - 1), qRgb(0, 0, 0));
        }
    }
}

TEST(Pictures, LevelCaptionsStandOnWhite)
{
    for (int id = 206; id <= 216; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(DivuzPictureKeyColor(id).rgb(), qRgb(255, 255, 255));
        EXPECT_TRUE(AllPixels(id, QRect(0, 0, 150, 2), qRgb(255, 255, 255)));
        EXPECT_FALSE(AllPixels(id, QRect(0, 0, 150, 26), qRgb(255, 255, 255)));
    }
}

TEST(Pictures, BoardLinesLieBetweenTheCells)
{
    for (int id : {133, 154}) {
        SCOPED_TRACE(id);
        const QImage board = DivuzPictureImage(id).convertToFormat(QImage::Format_ARGB32);
        // Line k at 3 + 20k, crossings included; cell x from 4 + 20x.
        for (int k = 0; k <= 19; ++k) {
            const int line = 3 + 20 * k;
            EXPECT_LT(qGray(board.pixel(line, line)), 110) << k;
        }
        for (int x = 0; x < 19; ++x) {
            const int centre = 4 + 20 * x + 9;
            EXPECT_GT(qGray(board.pixel(centre, centre)), 170) << x;
        }
    }
}

TEST(Pictures, DigitsAndColumnsFallIntoClearWells)
{
    const QRgb black = qRgb(0, 0, 0);
    // Where the score window puts its two rows of two digits.
    EXPECT_TRUE(AllPixels(141, QRect(43, 18, 34, 25), black));
    EXPECT_TRUE(AllPixels(141, QRect(158, 18, 34, 25), black));
    // Where the clock window puts its two clocks of eight positions.
    EXPECT_TRUE(AllPixels(140, QRect(17, 20, 96, 21), black));
    EXPECT_TRUE(AllPixels(140, QRect(127, 20, 96, 21), black));
    // The full reach of each chances column holds nothing but the dark well
    // and the faint outline of the full column.
    const QImage price = DivuzPictureImage(138).convertToFormat(QImage::Format_ARGB32);
    for (const QRect &reach : {QRect(59, 15, 24, 45), QRect(169, 15, 24, 45)})
        for (int y = reach.top(); y <= reach.bottom(); ++y)
            for (int x = reach.left(); x <= reach.right(); ++x)
                ASSERT_LT(qGray(price.pixel(x, y)), 110) << x << ", " << y;
    // The level caption's field is white like the captions themselves.
    EXPECT_TRUE(AllPixels(217, QRect(85, 6, 150, 26), qRgb(255, 255, 255)));
}

} // namespace
