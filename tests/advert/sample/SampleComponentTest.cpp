#include "AimDll.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace
{

QImage Banner(const AimDll &aim)
{
    QImage image(468, 62, QImage::Format_RGB32);
    QPainter painter(&image);
    EXPECT_TRUE(aim.Paint(&painter, 0, 0));
    return image;
}

void CountCall(void *context)
{
    ++*static_cast<int *>(context);
}

} // namespace

TEST(SampleComponentTest, EachClickShowsTheNextOfTheHouseBannersInTurn)
{
    const AimDll aim(QStringList{SAMPLE_COMPONENT}, 585, nullptr, 1, 2);
    int repaints = 0;
    ASSERT_TRUE(aim.SetCallback(&CountCall, &repaints));
    // Tips, shortcuts, the tournament and the best-games table: four kinds
    // at least, after which the same banners come round again.
    std::vector<QImage> seen{Banner(aim)};
    for (;;) {
        ASSERT_TRUE(aim.OnClick());
        const QImage next = Banner(aim);
        if (next == seen.front())
            break;
        ASSERT_LT(seen.size(), 20u);
        EXPECT_NE(next, seen.back());
        seen.push_back(next);
    }
    EXPECT_GE(seen.size(), 4u);
    EXPECT_EQ(repaints, int(seen.size())); // one repaint asked for per click
}
