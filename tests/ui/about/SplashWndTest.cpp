#include "SplashWnd.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

// A lifetime short enough for a test, long enough for a loaded machine to
// see the splash up first.
constexpr int ShortLifetimeMs = 400;

// A window with a button and a window-wide F1 shortcut under the splash,
// with the application's splash filter installed as the program does.
class SplashWndTest : public testing::Test
{
  protected:
    SplashWndTest()
    {
        myWindow.resize(300, 200);
        myButton = new QPushButton("OK", &myWindow);
        myShortcut = new QAction(&myWindow);
        myShortcut->setShortcut(Qt::Key_F1);
        myWindow.addAction(myShortcut);
        myWindow.show();
        // Shortcuts of a window work while it is the active one.
        myWindow.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&myWindow));
        qApp->installEventFilter(&myFilter);
        SplashWnd::EnableSplash(true);
        SplashWnd::ShowSplash(&myWindow);
    }
    ~SplashWndTest() override
    {
        SplashWnd::HideSplash();
        SplashWnd::EnableSplash(false);
    }

    QWidget myWindow;
    QPushButton *myButton;
    QAction *myShortcut;
    SplashMessageFilter myFilter;
};

} // namespace

TEST_F(SplashWndTest, ShowsThePictureCentredOnTheScreenOnlyWhenEnabledAndOnlyOnce)
{
    SplashWnd *splash = SplashWnd::Current();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(416, 317));
    EXPECT_EQ(splash->geometry().center(), splash->screen()->geometry().center());
    SplashWnd::ShowSplash(&myWindow);
    EXPECT_EQ(SplashWnd::Current(), splash) << "a second splash is never made";

    SplashWnd::HideSplash();
    SplashWnd::EnableSplash(false);
    SplashWnd::ShowSplash(&myWindow);
    EXPECT_EQ(SplashWnd::Current(), nullptr);
}

TEST_F(SplashWndTest, APressHidesTheSplashAndGoesNoFurther)
{
    QSignalSpy clicked(myButton, &QPushButton::clicked);
    QSignalSpy shortcut(myShortcut, &QAction::triggered);

    QTest::mouseClick(myButton, Qt::LeftButton);
    EXPECT_EQ(SplashWnd::Current(), nullptr);
    EXPECT_EQ(clicked.count(), 0) << "the press that hid the splash pressed nothing";
    QTest::mouseClick(myButton, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);

    SplashWnd::ShowSplash(&myWindow);
    QTest::keyClick(&myWindow, Qt::Key_F1);
    EXPECT_EQ(SplashWnd::Current(), nullptr);
    EXPECT_EQ(shortcut.count(), 0) << "a shortcut key only hides the splash";
    EXPECT_TRUE(QTest::qWaitForWindowActive(&myWindow)) << "the keyboard is back with the window";
    QTest::keyClick(&myWindow, Qt::Key_F1);
    EXPECT_EQ(shortcut.count(), 1);

    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        SplashWnd::ShowSplash(&myWindow);
        QTest::mousePress(&myWindow, button);
        EXPECT_EQ(SplashWnd::Current(), nullptr) << button;
        QTest::mouseRelease(&myWindow, button);
    }
}

TEST_F(SplashWndTest, HidesItselfWhenItsTimeIsUp)
{
    SplashWnd::HideSplash();
    SplashWnd::ShowSplash(&myWindow, ShortLifetimeMs);
    QTest::qWait(ShortLifetimeMs / 4);
    ASSERT_NE(SplashWnd::Current(), nullptr);
    EXPECT_TRUE(SplashWnd::Current()->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(SplashWnd::Current(), nullptr, 2000);
}
