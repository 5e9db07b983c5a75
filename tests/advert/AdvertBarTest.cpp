#include "AdvertBar.h"
#include "GameTestSupport.h"
#include "SampleComponent.h"
#include "TestComponentProbe.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace
{

// Counts the bar's paints and notes whether any ran off the user-interface
// thread.
class PaintCounter : public QObject
{
  public:
    explicit PaintCounter(QWidget &widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            offThread |= QThread::currentThread() != qApp->thread();
        }
        return false;
    }
    int paints = 0;
    bool offThread = false;
};

class AdvertBarTest : public testing::Test
{
  protected:
    // The bar as the frame makes it, with the component at path.
    CAdvertBar &Make(const char *path)
    {
        myBar = std::make_unique<CAdvertBar>(468, 62, 585, 1, 2, nullptr, QStringList{path});
        return *myBar;
    }
    // Shown at the width given; back when its first paint is done.
    CAdvertBar &Show(const char *path, int width = 626)
    {
        CAdvertBar &bar = Make(path);
        bar.resize(width, bar.sizeHint().height());
        bar.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&bar));
        EXPECT_TRUE(PumpUntil([&bar] { return bar.IsInitialised(); }));
        return bar;
    }
    QImage Grab() { return myBar->grab().toImage(); }
    QRgb Background() const { return myBar->palette().color(QPalette::Dark).rgb(); }

    std::unique_ptr<CAdvertBar> myBar;
};

} // namespace

TEST_F(AdvertBarTest, StartsTheComponentAtItsFirstPaint)
{
    CAdvertBar &bar = Make(SAMPLE_COMPONENT);
    EXPECT_FALSE(bar.IsInitialised());
    EXPECT_EQ(bar.Component(), nullptr);
    EXPECT_EQ(CAdvertBar::TheBar(), &bar);
    EXPECT_EQ(CAdvertBar::StartedComponent(), nullptr);

    bar.grab();
    ASSERT_TRUE(bar.IsInitialised());
    EXPECT_TRUE(bar.Component()->isOkay());
    EXPECT_EQ(CAdvertBar::StartedComponent(), bar.Component());

    myBar.reset();
    EXPECT_EQ(CAdvertBar::TheBar(), nullptr);
    EXPECT_EQ(CAdvertBar::StartedComponent(), nullptr);
}

TEST_F(AdvertBarTest, StartsTheComponentThreeSecondsAfterItWasMadeWhenNothingPaintsIt)
{
    const CAdvertBar &bar = Make(SAMPLE_COMPONENT);
    PumpFor(2500);
    EXPECT_FALSE(bar.IsInitialised());
    EXPECT_TRUE(PumpUntil([&bar] { return bar.IsInitialised(); }, 2000));
    EXPECT_EQ(CAdvertBar::StartedComponent(), bar.Component());
}

TEST_F(AdvertBarTest, PaintsTheBannerCentredBelowAnEtchedEdge)
{
    const CAdvertBar &bar = Show(SAMPLE_COMPONENT);
    EXPECT_EQ(bar.height(), 64);
    EXPECT_EQ(bar.AdvertOffset(), (626 - 468) / 2);
    QImage image = Grab();
    const QRgb background = Background();
    EXPECT_EQ(image.pixel(10, 0), bar.palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(image.pixel(10, 1), bar.palette().color(QPalette::Light).rgb());
    // The banner's outline: 468 x 62 from (79, 2), background around it.
    for (int y = 2; y < 64; ++y) {
        EXPECT_EQ(image.pixel(78, y), background) << y;
        EXPECT_NE(image.pixel(79, y), background) << y;
        EXPECT_NE(image.pixel(79 + 467, y), background) << y;
        EXPECT_EQ(image.pixel(79 + 468, y), background) << y;
    }
    EXPECT_EQ(image.pixel(200, 1), bar.palette().color(QPalette::Light).rgb());
    EXPECT_NE(image.pixel(200, 2), background);

    // Narrower than the banner: it starts at the left edge and is cut off.
    myBar->resize(387, 64);
    EXPECT_EQ(bar.AdvertOffset(), 0);
    image = Grab();
    EXPECT_NE(image.pixel(0, 30), background);
    EXPECT_EQ(image.pixel(0, 30), image.pixel(0, 40));
}

TEST_F(AdvertBarTest, AClickGoesToTheComponentUnderTheWaitCursor)
{
    Show(SAMPLE_COMPONENT);
    const QImage before = Grab();
    QTest::mouseClick(myBar.get(), Qt::LeftButton, {}, QPoint(300, 30));
    EXPECT_NE(Grab(), before); // the next banner
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    TestComponentProbe probe(FULL_TEST_COMPONENT);
    Show(FULL_TEST_COMPONENT);
    QTest::mouseClick(myBar.get(), Qt::LeftButton, {}, QPoint(300, 30));
    EXPECT_EQ(probe.calls->clicks, 1);
    EXPECT_TRUE(probe.calls->waitCursorAtClick);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QTest::mouseClick(myBar.get(), Qt::RightButton, {}, QPoint(300, 30));
    EXPECT_EQ(probe.calls->clicks, 1);
}

TEST_F(AdvertBarTest, RepaintsWhenTheComponentCallsBackFromAnyThread)
{
    CAdvertBar &bar = Show(SAMPLE_COMPONENT);
    PaintCounter counter(bar);
    PumpFor(50);
    const QImage first = Grab();

    // From the component's own thread: the next banner is shown.
    int paints = counter.paints;
    ASSERT_TRUE(bar.Component()->debugTriggerEvent(SampleComponent::NextBannerEvent));
    EXPECT_TRUE(PumpUntil([&] { return counter.paints > paints; }, 2000));
    EXPECT_NE(Grab(), first);

    // From a thread of any kind: the repaint waits for the user-interface
    // thread's event loop.
    PumpFor(50);
    paints = counter.paints;
    std::thread([] { CAdvertBar::RepaintCallback(nullptr); }).join();
    EXPECT_EQ(counter.paints, paints);
    EXPECT_TRUE(PumpUntil([&] { return counter.paints > paints; }, 2000));
    EXPECT_FALSE(counter.offThread);
}

TEST_F(AdvertBarTest, WithoutAUsableComponentShowsOnlyItsBackgroundAndEdge)
{
    for (const char *path :
         {"/nonexistent/libadvert.so", NO_DEBUG_TEST_COMPONENT, FAILING_TEST_COMPONENT}) {
        SCOPED_TRACE(path);
        CAdvertBar &bar = Show(path);
        EXPECT_FALSE(bar.Component()->isOkay());
        EXPECT_EQ(CAdvertBar::StartedComponent(), nullptr);

        QImage expected(bar.size(), QImage::Format_RGB32);
        expected.fill(Background());
        for (int x = 0; x < expected.width(); ++x)
            expected.setPixel(x, 1, bar.palette().color(QPalette::Light).rgb());
        EXPECT_EQ(Grab().convertToFormat(QImage::Format_RGB32), expected);

        // A callback without a started component asks for nothing.
        PaintCounter counter(bar);
        PumpFor(50);
        const int paints = counter.paints;
        CAdvertBar::RepaintCallback(nullptr);
        PumpFor(50);
        EXPECT_EQ(counter.paints, paints);
    }
}

TEST_F(AdvertBarTest, DestroyingTheBarShutsAStartedComponentDownOnce)
{
    TestComponentProbe started(FULL_TEST_COMPONENT);
    Make(FULL_TEST_COMPONENT).grab();
    myBar.reset();
    EXPECT_EQ(started.calls->startups, 1);
    EXPECT_EQ(started.calls->shutdowns, 1);

    // Never painted, never started: nothing to shut down.
    Make(FULL_TEST_COMPONENT);
    myBar.reset();
    EXPECT_EQ(started.calls->startups, 1);
    EXPECT_EQ(started.calls->shutdowns, 1);

    TestComponentProbe failing(FAILING_TEST_COMPONENT);
    Make(FAILING_TEST_COMPONENT).grab();
    myBar.reset();
    EXPECT_EQ(failing.calls->startups, 1);
    EXPECT_EQ(failing.calls->shutdowns, 0);
}

TEST_F(AdvertBarTest, AsksForTheBannerAndItsEdgeOrAllAlongAStretchedSide)
{
    const CAdvertBar &bar = Make(SAMPLE_COMPONENT);
    EXPECT_EQ(bar.CalcFixedLayout(false, true), QSize(468, 64));
    EXPECT_EQ(bar.CalcFixedLayout(false, false), QSize(468, 64));
    EXPECT_EQ(bar.CalcFixedLayout(true, true), QSize(32767, 64));
    EXPECT_EQ(bar.CalcFixedLayout(true, false), QSize(468, 32767));
    EXPECT_EQ(bar.minimumSizeHint(), QSize(0, 64));
}
