#include "SampleComponent.h"
#include "AimDll.h"

#include <QImage>
#include <QPainter>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>

namespace
{

class SampleComponentTest : public testing::Test
{
  protected:
    // The banner as the component paints it at (x, y) on a white image.
    QImage Banner(int x = 0, int y = 0, QSize size = QSize(468, 62))
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        EXPECT_TRUE(myAim.Paint(&painter, x, y));
        return image;
    }

    AimDll myAim{QStringList{SAMPLE_COMPONENT}, 585, nullptr, 1, 2};
};

// Notes each call of the repaint callback and the thread it came on.
struct CallbackRecord {
    std::atomic<int> calls{0};
    std::atomic<bool> fromOtherThread{false};
    Qt::HANDLE caller = QThread::currentThreadId();

    static void Callback(void *context)
    {
        auto *record = static_cast<CallbackRecord *>(context);
        record->fromOtherThread = QThread::currentThreadId() != record->caller;
        ++record->calls;
    }
};

bool WaitFor(const std::atomic<int> &value, int atLeast)
{
    for (int i = 0; i < 200 && value < atLeast; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return value >= atLeast;
}

} // namespace

TEST_F(SampleComponentTest, PaintsWithinTheBannerAtTheGivenCorner)
{
    ASSERT_TRUE(myAim.isOkay());
    const QImage image = Banner(10, 5, QSize(500, 80));
    const QRgb white = QColor(Qt::white).rgb();
    for (int y = 5; y < 5 + 62; ++y) {
        EXPECT_EQ(image.pixel(9, y), white) << y;
        EXPECT_NE(image.pixel(10, y), white) << y;
        EXPECT_NE(image.pixel(10 + 467, y), white) << y;
        EXPECT_EQ(image.pixel(10 + 468, y), white) << y;
    }
    for (int x = 10; x < 10 + 468; ++x) {
        EXPECT_EQ(image.pixel(x, 4), white) << x;
        EXPECT_EQ(image.pixel(x, 5 + 62), white) << x;
    }
}

TEST_F(SampleComponentTest, EachClickShowsTheNextOfTheHouseBannersInTurn)
{
    // Tips, shortcuts, the tournament and the best-games table: four kinds
    // at least, after which the same banners come round again.
    std::vector<QImage> seen{Banner()};
    CallbackRecord record;
    ASSERT_TRUE(myAim.SetCallback(&CallbackRecord::Callback, &record));
    for (;;) {
        ASSERT_TRUE(myAim.OnClick());
        const QImage next = Banner();
        if (next == seen.front())
            break;
        ASSERT_LT(seen.size(), 20u);
        EXPECT_NE(next, seen.back());
        seen.push_back(next);
    }
    EXPECT_GE(seen.size(), 4u);
    EXPECT_EQ(record.calls, int(seen.size()));
    EXPECT_FALSE(record.fromOtherThread);
}

TEST_F(SampleComponentTest, TurnsTheBannerFromItsOwnThreadAsAtTheEndOfAPeriod)
{
    const QImage first = Banner();
    CallbackRecord record;
    ASSERT_TRUE(myAim.SetCallback(&CallbackRecord::Callback, &record));
    EXPECT_FALSE(myAim.debugTriggerEvent(SampleComponent::NextBannerEvent + 1));
    ASSERT_TRUE(myAim.debugTriggerEvent(SampleComponent::NextBannerEvent));
    ASSERT_TRUE(WaitFor(record.calls, 1));
    EXPECT_TRUE(record.fromOtherThread);
    EXPECT_NE(Banner(), first);
}

TEST_F(SampleComponentTest, IsNeverOnline)
{
    bool connected = true;
    EXPECT_TRUE(myAim.IsConnectOkay(connected));
    EXPECT_FALSE(connected);
    EXPECT_FALSE(myAim.RetryConnect());
    EXPECT_FALSE(myAim.SetProxy("proxy.example", 8080, "user"));
    EXPECT_FALSE(myAim.UseDefaultAd("banner.png", "https://example.com"));
    std::uint32_t status = 1;
    EXPECT_TRUE(myAim.GetStatus(status, true));
    EXPECT_EQ(status, 0u);
}
