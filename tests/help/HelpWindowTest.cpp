#include "HelpWindow.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

namespace
{

class HelpWindowTest : public testing::Test
{
  protected:
    HelpWindowTest()
    {
        myWindow.show();
        myWindow.ShowPage("obsah.html");
    }
    // Clicks the link whose text is text on the page shown.
    void ClickLink(const QString &text)
    {
        QTextBrowser *browser = myWindow.Browser();
        const QTextCursor found = browser->document()->find(text);
        ASSERT_FALSE(found.isNull()) << text.toStdString();
        QTextCursor inside(browser->document());
        inside.setPosition(found.selectionStart() + 1);
        const QPoint at = browser->cursorRect(inside).center();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    }

    HelpWindow myWindow;
};

} // namespace

TEST_F(HelpWindowTest, LinksLeadToTheirPagesAndBackAndForwardRetraceThem)
{
    EXPECT_EQ(myWindow.CurrentPage(), "obsah.html");
    EXPECT_FALSE(myWindow.BackButton()->isEnabled());

    ClickLink("Jak se hraje");
    EXPECT_EQ(myWindow.CurrentPage(), "hra.html");
    EXPECT_TRUE(myWindow.windowTitle().endsWith("Jak se hraje"));
    EXPECT_EQ(myWindow.Contents()->currentItem()->text(), "Jak se hraje");
    ClickLink("Síla počítače");
    EXPECT_EQ(myWindow.CurrentPage(), "urovne.html");

    QTest::mouseClick(myWindow.BackButton(), Qt::LeftButton);
    QTest::mouseClick(myWindow.BackButton(), Qt::LeftButton);
    EXPECT_EQ(myWindow.CurrentPage(), "obsah.html");
    EXPECT_FALSE(myWindow.BackButton()->isEnabled());
    QTest::mouseClick(myWindow.ForwardButton(), Qt::LeftButton);
    EXPECT_EQ(myWindow.CurrentPage(), "hra.html");
}

TEST_F(HelpWindowTest, TheContentsListOpensEveryPage)
{
    QListWidget *contents = myWindow.Contents();
    ASSERT_GT(contents->count(), 10);
    for (int row = contents->count() - 1; row >= 0; --row) {
        QListWidgetItem *item = contents->item(row);
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                          contents->visualItemRect(item).center());
        EXPECT_TRUE(myWindow.windowTitle().endsWith(item->text())) << row;
        EXPECT_FALSE(myWindow.Browser()->toPlainText().isEmpty()) << row;
    }
}

TEST_F(HelpWindowTest, SearchListsThePagesAndMarksTheWords)
{
    QTest::keyClicks(myWindow.SearchField(), "uroven");
    QTest::keyClick(myWindow.SearchField(), Qt::Key_Return);
    QListWidget *results = myWindow.SearchResults();
    const QList<QListWidgetItem *> found = results->findItems("Síla počítače", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                      results->visualItemRect(found.front()).center());
    EXPECT_EQ(myWindow.CurrentPage(), "urovne.html");
    const QList<QTextEdit::ExtraSelection> marks = myWindow.Browser()->extraSelections();
    ASSERT_FALSE(marks.isEmpty());
    EXPECT_EQ(marks.front().cursor.selectedText().toLower(), "úroveň");

    myWindow.Search("zzzqqq");
    EXPECT_EQ(results->count(), 0);
    EXPECT_TRUE(myWindow.Browser()->extraSelections().isEmpty());
}

TEST_F(HelpWindowTest, AnAnchorOpensTheRightPlaceOfAPage)
{
    myWindow.ShowPage("hra.html#editace");
    EXPECT_EQ(myWindow.CurrentPage(), "hra.html");
    EXPECT_EQ(myWindow.Browser()->source().fragment(), "editace");
}

// On any screen the help window is at most 90 % of the available area and
// lies wholly on it, with room above for its title bar; where there is room
// it keeps its own size. A place kept from a larger screen is brought back.
TEST(HelpWindowPlacementTest, TheWindowFitsEveryScreen)
{
    const QRect small(0, 0, 800, 600);
    QRect wanted(QPoint(), QSize(940, 640));
    wanted.moveCenter(small.center());
    EXPECT_EQ(HelpWindow::FitOnScreen(small, wanted), QRect(40, 30, 720, 540));
    const QRect xga(0, 0, 1024, 768);
    wanted.moveCenter(xga.center());
    EXPECT_EQ(HelpWindow::FitOnScreen(xga, wanted), QRect(51, 64, 921, 640));
    const QRect large(0, 30, 1920, 1050);
    wanted.moveCenter(large.center());
    EXPECT_EQ(HelpWindow::FitOnScreen(large, wanted), wanted);
    EXPECT_EQ(HelpWindow::FitOnScreen(small, QRect(1500, 900, 400, 300)),
              QRect(400, 300, 400, 300));
}

// The real window on the offscreen screen (800 x 600), and again after it
// was moved and closed: its place is kept for the next time.
TEST(HelpWindowPlacementTest, TheWindowKeepsItsPlaceOnTheScreen)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QRect kept;
    {
        HelpWindow window;
        window.show();
        EXPECT_TRUE(available.contains(window.geometry())) << available.width();
        EXPECT_LE(window.width(), available.width() * 9 / 10);
        EXPECT_LE(window.height(), available.height() * 9 / 10);
        window.setGeometry(available.left() + 10, available.top() + 60, 500, 400);
        kept = window.geometry();
        window.close();
    }
    HelpWindow again;
    EXPECT_EQ(again.geometry(), kept);
}
