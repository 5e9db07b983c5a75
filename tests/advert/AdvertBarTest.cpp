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

// Short for a test, long enough for a loaded machine to look before it.
constexpr int ShortLazyStartMs = 400;

// Counts the paints of a widget; each must run on the user-interface thread.
class PaintCounter : public QObject
{
  public:
    explicit PaintCounter(QWidget &widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            EXPECT_EQ(QThread::currentThread(), qApp->thread());
            ++paints;
        }
        return false;
    }
    int paints = 0;
};

class AdvertBarTest : public testing::Test
{
  protected:
    // The bar as the frame makes it, with the component at path.
    // The start without a paint comes after ShortLazyStartMs.
    CAdvertBar &Make(const char *path)
    {
        myBar = std::make_unique<CAdvertBar>(468, 62, 585, 1, 2, nullptr, QStringList{path},
                                             ShortLazyStartMs);
        return *myBar;
    }
    // Shown 626 pixels wide; back when its first paint is done.
    CAdvertBar &Show(const char *path)
    {
        CAdvertBar &bar = Make(path);
        bar.resize(626, bar.sizeHint().height());
        bar.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&bar));
        EXPECT_TRUE(PumpUntil([&bar] { return bar.IsInitialised(); }));
        return bar;
    }
    QImage Grab() { return myBar->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb Colour(QPalette::ColorRole role) const { return myBar->palette().color(role).rgb(); }

    std::unique_ptr<CAdvertBar> myBar;
};

} // namespace

TEST_F(AdvertBarTest, StartsTheComponentAtItsFirstPaintOrAWhileAfterItWasMade)
{
    CAdvertBar &painted = Make(SAMPLE_COMPONENT);
    EXPECT_EQ(painted.Component(), nullptr);
    EXPECT_EQ(CAdvertBar::TheBar(), &painted);
    EXPECT_EQ(CAdvertBar::StartedComponent(), nullptr);
    painted.grab();
    ASSERT_TRUE(painted.IsInitialised());
    EXPECT_TRUE(painted.Component()->isOkay());
    EXPECT_EQ(CAdvertBar::StartedComponent(), painted.Component());
    myBar.reset();
    EXPECT_EQ(CAdvertBar::TheBar(), nullptr);
    EXPECT_EQ(CAdvertBar::StartedComponent(), nullptr);

    const CAdvertBar &unpainted = Make(SAMPLE_COMPONENT);
    PumpFor(ShortLazyStartMs / 4);
    EXPECT_FALSE(unpainted.IsInitialised());
    EXPECT_TRUE(PumpUntil([&unpainted] { return unpainted.IsInitialised(); }, 2000));
    EXPECT_EQ(CAdvertBar::StartedComponent(), unpainted.Component());
}

TEST_F(AdvertBarTest, PaintsTheBannerCentredBelowAnEtchedEdge)
{
    CAdvertBar &bar = Show(SAMPLE_COMPONENT);
    EXPECT_EQ(bar.height(), 64);
    QImage image = Grab();
    const QRgb background = Colour(QPalette::Dark);
    EXPECT_EQ(image.pixel(10, 0), background);
    EXPECT_EQ(image.pixel(10, 1), Colour(QPalette::Light));
    // The banner's outline: 468 x 62 from ((626 - 468) / 2, 2).
    for (int y = 2; y < 64; ++y) {
        EXPECT_EQ(image.pixel(78, y), background) << y;
        EXPECT_NE(image.pixel(79, y), background) << y;
        EXPECT_NE(image.pixel(79 + 467, y), background) << y;
        EXPECT_EQ(image.pixel(79 + 468, y), background) << y;
    }
    EXPECT_EQ(image.pixel(200, 1), Colour(QPalette::Light));
    EXPECT_NE(image.pixel(200, 2), background);

    // Narrower than the banner: it starts at the left edge and is cut off.
    bar.resize(387, 64);
    EXPECT_EQ(bar.AdvertOffset(), 0);
    EXPECT_NE(Grab().pixel(0, 30), background);
}

TEST_F(AdvertBarTest, AClickGoesToTheComponentUnderTheWaitCursor)
{
    Show(SAMPLE_COMPONENT);
    const QImage before = Grab();
    QTest::mouseClick(myBar.get(), Qt::LeftButton, {}, QPoint(300, 30));
    EXPECT_NE(Grab(), before); // the next banner

    TestComponentProbe probe(FULL_TEST_COMPONENT);
    Show(FULL_TEST_COMPONENT);
    QTest::mouseClick(myBar.get(), Qt::LeftButton, {}, QPoint(300, 30));
    QTest::mouseClick(myBar.get(), Qt::RightButton, {}, QPoint(300, 30));
    EXPECT_EQ(probe.calls->clicks, 1);
    EXPECT_TRUE(probe.calls->waitCursorAtClick);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
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
        expected.fill(Colour(QPalette::Dark));
        for (int x = 0; x < expected.width(); ++x)
            expected.setPixel(x, 1, Colour(QPalette::Light));
        EXPECT_EQ(Grab(), expected);

        // A callback without a started component asks for nothing.
        PaintCounter counter(bar);
        PumpPosted();
        const int paints = counter.paints;
        CAdvertBar::RepaintCallback(nullptr);
        PumpPosted();
        EXPECT_EQ(counter.paints, paints);
    }
}

TEST_F(AdvertBarTest, DestroyingTheBarShutsAStartedComponentDownOnce)
{
    TestComponentProbe probe(FULL_TEST_COMPONENT);
    Make(FULL_TEST_COMPONENT).grab();
    myBar.reset();
    EXPECT_EQ(probe.calls->shutdowns, 1);

    // Never painted, never started: nothing to shut down.
    Make(FULL_TEST_COMPONENT);
    myBar.reset();
    EXPECT_EQ(probe.calls->startups, 1);
    EXPECT_EQ(probe.calls->shutdowns, 1);
}
