#include "ContextHelpMode.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace
{

// A window that counts the presses it gets.
class Counting : public QWidget
{
  public:
    using QWidget::QWidget;
    int presses = 0;

  protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

// A main window in miniature: a board-like window, a toolbar button and a
// menu whose actions carry their command ids.
class ContextHelpModeTest : public testing::Test
{
  protected:
    ContextHelpModeTest() : myMode([this](const QString &page) { myOpened.append(page); })
    {
        myWindow.resize(400, 300);
        auto *bar = new QMenuBar(&myWindow);
        myMenu = bar->addMenu("Hra");
        myEdit = myMenu->addAction("Editovací režim");
        myEdit->setData(32775);
        myBoard = new Counting(&myWindow);
        myBoard->setObjectName("Pole Window");
        myBoard->setGeometry(0, 40, 200, 200);
        myInner = new Counting(myBoard);
        myInner->setGeometry(10, 10, 50, 50);
        auto *options = new QAction("Volby", &myWindow);
        options->setData(32771);
        myButton = new QToolButton(&myWindow);
        myButton->setDefaultAction(options);
        myButton->setGeometry(250, 40, 30, 30);
        myWindow.show();
    }
    ~ContextHelpModeTest() override { myMode.Leave(); }

    QWidget myWindow;
    QMenu *myMenu;
    QAction *myEdit;
    Counting *myBoard;
    Counting *myInner;
    QToolButton *myButton;
    QStringList myOpened;
    ContextHelpMode myMode;
};

} // namespace

TEST_F(ContextHelpModeTest, AClickOnAWindowOpensItsPageInsteadOfClicking)
{
    myMode.Enter();
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);
    QTest::mouseClick(myInner, Qt::LeftButton);
    EXPECT_EQ(myOpened, QStringList{"hra.html"}) << "the nearest window with a page";
    EXPECT_EQ(myInner->presses, 0);
    EXPECT_FALSE(myMode.IsActive());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    QTest::mouseClick(myInner, Qt::LeftButton);
    EXPECT_EQ(myInner->presses, 1) << "one click only";

    QSignalSpy triggered(myButton->defaultAction(), &QAction::triggered);
    myMode.Enter();
    QTest::mouseClick(myButton, Qt::LeftButton);
    EXPECT_EQ(myOpened.last(), "volby.html");
    EXPECT_EQ(triggered.count(), 0);

    myMode.Enter();
    QTest::mouseClick(&myWindow, Qt::LeftButton, {}, QPoint(390, 290));
    EXPECT_EQ(myOpened.last(), "obsah.html") << "a window without a page";
}

TEST_F(ContextHelpModeTest, AMenuItemOpensItsCommandsPageWithoutRunningIt)
{
    QSignalSpy triggered(myEdit, &QAction::triggered);
    myMode.Enter();
    myMenu->popup(myWindow.mapToGlobal(QPoint(0, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(myMenu));
    QTest::mouseClick(myMenu, Qt::LeftButton, {}, myMenu->actionGeometry(myEdit).center());
    EXPECT_EQ(myOpened, QStringList{"hra.html#editace"});
    EXPECT_EQ(triggered.count(), 0);
    EXPECT_FALSE(myMenu->isVisible());
}

TEST_F(ContextHelpModeTest, EscapeLeavesTheModeWithoutHelp)
{
    myMode.Enter();
    QTest::keyClick(&myWindow, Qt::Key_Escape);
    EXPECT_FALSE(myMode.IsActive());
    QTest::mouseClick(myBoard, Qt::LeftButton);
    EXPECT_TRUE(myOpened.isEmpty());
    EXPECT_EQ(myBoard->presses, 1);
}
