#include "BestGamesDialog.h"

#include "StandInApplication.h"
#include "TabStopDelegate.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

// A won tournament game of the given number of moves; only the length of
// its history matters to the table.
DataDivuzDoc StoredGame(const std::string &name, int moves, int computerTime = 100)
{
    DataDivuzDoc d;
    d.Mode = ModeTournament;
    d.GameMode = PlayerWon;
    d.PlayerName = name;
    d.ComputerTime = computerTime;
    for (int i = 0; i <= moves; ++i)
        d.UndoRedoMoves.Push(
            HistoryEntry{i % BoardSize, i / BoardSize, i == 0 ? FREE : i % 2, 0, 0});
    return d;
}

class BestGamesDialogTest : public testing::Test
{
  protected:
    BestGamesDialogTest()
    {
        // Amatér: three games the player began, one the computer began.
        myTable.SetGame(StoredGame("Adam", 9), 1, 0, 0);
        myTable.SetGame(StoredGame("Bára", 31), 1, 0, 1);
        myTable.SetGame(StoredGame("Cyril", 40), 1, 0, 2);
        myTable.SetGame(StoredGame("Dana", 12), 1, 1, 0);
    }

    // The dialog as the document opens it, shown.
    BestGamesDialog &Open(int level, int side)
    {
        myDialog = std::make_unique<BestGamesDialog>(myResult, level, side, myTable);
        myDialog->show();
        return *myDialog;
    }
    template <class T> T *Child(const char *id) const { return myDialog->findChild<T *>(id); }
    void Click(const char *id) { QTest::mouseClick(Child<QAbstractButton>(id), Qt::LeftButton); }
    QStringList Rows() const
    {
        QStringList rows;
        for (int i = 0; i < Child<QListWidget>("1071")->count(); ++i)
            rows << Child<QListWidget>("1071")->item(i)->text();
        return rows;
    }
    bool Checked(const char *id) const { return Child<QRadioButton>(id)->isChecked(); }

    StandInApplication myApp;
    BestGames myTable;
    DataDivuzDoc myResult;
    std::unique_ptr<BestGamesDialog> myDialog;
};

} // namespace

TEST_F(BestGamesDialogTest, ListsTheGroupsGamesWithPlaceNameAndMoves)
{
    Open(7, 0); // "Amatér", the player began
    EXPECT_EQ(myDialog->windowTitle(), "Best Games");
    EXPECT_TRUE(Checked("1009"));
    EXPECT_TRUE(Checked("1013"));
    // A history of 32 entries is the bottom entry and 31 moves.
    EXPECT_EQ(Rows(),
              QStringList({QString::fromUtf8("\t1\tAdam\t9"), QString::fromUtf8("\t2\tBára\t31"),
                           QString::fromUtf8("\t3\tCyril\t40")}));
    EXPECT_EQ(Child<QListWidget>("1071")->currentRow(), 0);

    Click("1016"); // "Počítač"
    EXPECT_EQ(Rows(), QStringList({"\t1\tDana\t12"}));
    Click("1007"); // "Začátečník": nothing stored
    EXPECT_EQ(Rows(), QStringList());
    Click("1009");
    Click("1013");
    EXPECT_EQ(Rows().size(), 3);
}

TEST_F(BestGamesDialogTest, StartsOnTheLevelOfTheSettingAndOnAKnownSide)
{
    const std::pair<int, const char *> starts[] = {
        {0, "1007"}, {2, "1007"}, {6, "1007"}, {7, "1009"}, {8, "1008"}, {9, "1011"}, {10, "1010"}};
    for (auto [level, radio] : starts) {
        Open(level, 1);
        EXPECT_TRUE(Checked(radio)) << "Level " << level;
        EXPECT_TRUE(Checked("1016"));
    }
    Open(7, 2); // no such side: the player's
    EXPECT_TRUE(Checked("1013"));
}

TEST_F(BestGamesDialogTest, ShowGameCopiesTheSelectedStoredGameCancelCopiesNothing)
{
    Open(7, 0);
    Child<QListWidget>("1071")->setCurrentRow(1);
    Click("1");
    EXPECT_EQ(myDialog->result(), QDialog::Accepted);
    EXPECT_EQ(myResult.PlayerName, "Bára");
    EXPECT_EQ(myResult.UndoRedoMoves.GetCurSize(), 32);

    myResult = DataDivuzDoc();
    Open(7, 0);
    Click("2");
    EXPECT_EQ(myDialog->result(), QDialog::Rejected);
    EXPECT_EQ(myResult.PlayerName, "Anonymous");

    // An empty group: the dialog confirms, but there is nothing to show.
    Open(8, 0);
    Click("1");
    EXPECT_EQ(myDialog->result(), QDialog::Accepted);
    EXPECT_EQ(myResult.PlayerName, "Anonymous");
    EXPECT_EQ(myResult.UndoRedoMoves.GetCurSize(), 0);
}

TEST_F(BestGamesDialogTest, HelpAsksForTheBestGamesPage)
{
    Open(7, 0);
    EXPECT_EQ(Child<QPushButton>("121")->text(), QString::fromUtf8("Nápověda"));
    Click("121");
    EXPECT_EQ(myApp.helpContexts, std::vector<int>{65657});
    EXPECT_TRUE(myDialog->isVisible());
}

TEST_F(BestGamesDialogTest, LongNameIsCutShortInTheListAndMovesKeepTheirColumn)
{
    const std::string longName(200, 'W');
    myTable.SetGame(StoredGame(longName, 10), 4, 0, 0);
    Open(10, 0);
    const QListWidget *list = Child<QListWidget>("1071");
    const auto *delegate = dynamic_cast<const TabStopDelegate *>(list->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    const QVector<TabStopDelegate::Field> fields =
        delegate->Fields(list->item(0)->text(), list->fontMetrics(), list->viewport()->width());
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[0].text, "1");
    EXPECT_TRUE(fields[1].text.endsWith(QChar(0x2026))) << fields[1].text.toStdString();
    EXPECT_LE(fields[0].left + fields[0].width, fields[1].left);
    EXPECT_LE(fields[1].left + fields[1].width, fields[2].left);
    EXPECT_EQ(fields[2].text, "10");
    EXPECT_LE(fields[2].left + list->fontMetrics().horizontalAdvance("10"),
              list->viewport()->width());

    // A short name is shown whole.
    EXPECT_EQ(delegate->Fields("\t2\tEva\t9", list->fontMetrics(), 400)[1].text, "Eva");
}
