#include "HyperLink.h"
#include "UrlRecorder.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

class LinkTest : public testing::Test
{
  protected:
    LinkTest()
    {
        myLink.resize(200, 20);
        myLink.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        myLink.Init("abc.example.org", "http://abc.example.org", true, Qt::blue,
                    QColor(192, 192, 192));
        myLink.show();
    }
    HyperLink myLink;
};

bool IsHand(const QWidget &w)
{
    return w.testAttribute(Qt::WA_SetCursor) && w.cursor().shape() == Qt::PointingHandCursor;
}

} // namespace

TEST_F(LinkTest, PaintsUnderlinedTextInItsColoursOnItsTextCellOnly)
{
    EXPECT_TRUE(myLink.font().underline());
    const QRect cell = myLink.TextRect();
    EXPECT_LT(cell.width(), myLink.width()) << "centred text leaves room either side";
    const QImage picture = myLink.grab().toImage();
    EXPECT_EQ(picture.pixelColor(cell.topLeft()), QColor(192, 192, 192));
    EXPECT_NE(picture.pixelColor(0, 0), QColor(192, 192, 192)) << "outside the text cell";
    bool blue = false;
    for (int x = cell.left(); x <= cell.right() && !blue; ++x)
        for (int y = cell.top(); y <= cell.bottom() && !blue; ++y)
            blue = picture.pixelColor(x, y) == QColor(Qt::blue);
    EXPECT_TRUE(blue);
}

TEST_F(LinkTest, HandShowsAndClicksCountOverTheTextOnly)
{
    const QRect cell = myLink.TextRect();
    QTest::mouseMove(&myLink, cell.center());
    EXPECT_TRUE(IsHand(myLink));
    QTest::mouseMove(&myLink, QPoint(1, 1));
    EXPECT_FALSE(IsHand(myLink));

    UrlRecorder desktop;
    QTest::mouseClick(&myLink, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseClick(&myLink, Qt::RightButton, {}, cell.center());
    EXPECT_TRUE(desktop.opened.isEmpty());
    QTest::mouseClick(&myLink, Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl("http://abc.example.org")});
}

TEST_F(LinkTest, OtherLabelsNeverTakeTheHand)
{
    QLabel other("static text");
    other.show();
    QTest::mouseMove(&myLink, myLink.TextRect().center());
    ASSERT_TRUE(IsHand(myLink));
    EXPECT_FALSE(IsHand(other));
}
