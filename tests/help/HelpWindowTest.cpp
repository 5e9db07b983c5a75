#include "HelpWindow.h"

#include <QLineEdit>
#include <QListWidget>
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
