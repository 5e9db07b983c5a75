// The best-games table in the game: a good tournament win named and filed,
// and a stored game chosen from the table and replayed.

#include "DivuzDoc.h"

#include "BestGamesDialogs.h"
#include "BestGamesStore.h"
#include "DivuzCommands.h"
#include "DocumentTestFixture.h"

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace
{

// The best-games dialogs answered in code: the name typed (nothing for
// Escape), the row chosen in the table (none for "Zrušit").
class ScriptedBestGamesDialogs : public IBestGamesDialogs
{
  public:
    void AskPlayerName(std::string &name) override
    {
        askedNames.push_back(name);
        if (typedName)
            name = *typedName;
    }
    bool ChooseBestGame(DataDivuzDoc &chosen, int level, int side, const BestGames &table) override
    {
        shownGroups.emplace_back(level, side);
        if (chosenRow < 0)
            return false;
        const DataDivuzDoc game = table.GetGame(LevelIndex(level), side, chosenRow);
        if (IsTournamentWin(game))
            chosen = game;
        return true;
    }

    std::optional<std::string> typedName;
    int chosenRow = -1;
    std::vector<std::string> askedNames;
    std::vector<std::pair<int, int>> shownGroups;
};

class BestGamesDocumentTest : public DocumentTest
{
  protected:
    BestGamesDocumentTest()
    {
        myDoc.SetBestGames(&myTable, &myDialogs);
        myApp.myOptions.Level = 7; // "Amatér", level index 1
        // The table is written beside a program of its own, never the user's.
        QStandardPaths::setTestModeEnabled(true);
        myApp.myOptions.ProgramFolder = myProgramFolder.path().toStdString();
    }

    // A tournament game the player wins with the next move, (9, 9): four of
    // his stones in row 9 and, before them, pairs of moves far apart.
    void OpenNearlyWonTournament(int pairsBefore, int computerTime)
    {
        DataDivuzDoc d;
        d.Mode = ModeTournament;
        d.ComputerTime = computerTime;
        Stack<HistoryEntry> &h = d.UndoRedoMoves;
        h.Push(HistoryEntry{0, 0, FREE, 0, 0});
        for (int i = 0; i < pairsBefore; ++i) {
            h.Push(HistoryEntry{2 * i, 16, NOL, 75, 75});
            h.Push(HistoryEntry{2 * i, 18, KREST, 75, 75});
        }
        for (int i = 0; i < 4; ++i) {
            h.Push(HistoryEntry{5 + i, 9, NOL, 100 - i, 50 + i});
            h.Push(HistoryEntry{2 * i, 2, KREST, 100 - i, 50 + i});
        }
        std::istringstream in(Bytes(d));
        ArchiveReader ar(in);
        myDoc.Serialize(ar);
        WaitIdle();
    }
    // Wins it; the document asks the main window for command 120.
    void WinAndAnnounce(int pairsBefore = 0, int computerTime = 50)
    {
        OpenNearlyWonTournament(pairsBefore, computerTime);
        myApp.commands.clear();
        Click(9, 9);
        ASSERT_EQ(Data().GameMode, PlayerWon);
        ASSERT_EQ(myApp.commands, std::vector<int>{ID_TOURNAMENT_WIN});
        Command(ID_TOURNAMENT_WIN);
    }
    std::string TableBytes() const
    {
        std::ostringstream out;
        ArchiveWriter ar(out);
        myTable.Table().Serialize(ar);
        return out.str();
    }

    QTemporaryDir myProgramFolder;
    BestGamesStore myTable;
    ScriptedBestGamesDialogs myDialogs;
};

TEST_F(BestGamesDocumentTest, GoodTournamentWinIsNamedFiledAndTheTableShown)
{
    // Escape: the game goes in under the name the record had.
    WinAndAnnounce(2);
    EXPECT_EQ(myDialogs.askedNames, std::vector<std::string>{"Anonymous"});
    EXPECT_EQ(myTable.Table().GetGame(1, 0, 0).PlayerName, "Anonymous");
    EXPECT_EQ(myTable.Table().GetGame(1, 0, 0).UndoRedoMoves.GetCurSize(), 14);
    // On disk at once, not only at exit.
    BestGames onDisk;
    ASSERT_TRUE(onDisk.Load(BestGamesPath(myApp.myOptions)));
    EXPECT_EQ(onDisk.GetGame(1, 0, 0).UndoRedoMoves.GetCurSize(), 14);
    EXPECT_EQ(myDialogs.shownGroups, (std::vector<std::pair<int, int>>{{7, 0}}));
    EXPECT_EQ(Data().Mode, ModeViewParty);
    EXPECT_EQ(Data().PlayerWins, 1);
    EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8("Vyhrál jsi !!!"));

    // A shorter game under a typed name ranks first; an equal one after it.
    myDialogs.typedName = "Jiří";
    WinAndAnnounce();
    EXPECT_EQ(Data().PlayerName, "Jiří");
    myDialogs.typedName = std::nullopt;
    WinAndAnnounce();
    const std::pair<std::string, int> expected[] = {
        {"Jiří", 10}, {"Anonymous", 10}, {"Anonymous", 14}};
    for (int place = 0; place < 3; ++place) {
        const DataDivuzDoc game = myTable.Table().GetGame(1, 0, place);
        EXPECT_EQ(std::pair(game.PlayerName, game.UndoRedoMoves.GetCurSize()), expected[place]);
    }
    EXPECT_FALSE(IsTournamentWin(myTable.Table().GetGame(1, 0, 3)));
}

TEST_F(BestGamesDocumentTest, WinTheTableRefusesShowsNoDialogAndChangesNothing)
{
    for (int place = 0; place < BestPlaceCount; ++place) {
        WinAndAnnounce(0, 10 + place); // five games faster than the next one
    }
    myDialogs.askedNames.clear();
    myDialogs.shownGroups.clear();
    const std::string table = TableBytes();

    OpenNearlyWonTournament(0, 500);
    Click(9, 9);
    const std::string won = Bytes(Data());
    Command(ID_TOURNAMENT_WIN);
    EXPECT_TRUE(myDialogs.askedNames.empty());
    EXPECT_TRUE(myDialogs.shownGroups.empty());
    EXPECT_EQ(TableBytes(), table);
    EXPECT_EQ(Bytes(Data()), won);

    // A win already taken back when the command arrives is left alone too.
    Command(ID_EDIT_UNDO);
    const std::string undone = Bytes(Data());
    Command(ID_TOURNAMENT_WIN);
    EXPECT_EQ(Bytes(Data()), undone);
    EXPECT_EQ(Data().Mode, ModeViewParty);
}

TEST_F(BestGamesDocumentTest, ChosenGameIsReplayedMoveByMoveWithoutCountingItsWin)
{
    WinAndAnnounce(1, 70);
    const DataDivuzDoc stored = myTable.Table().GetGame(1, 0, 0);
    NewGame();
    Click(0, 0);
    const DataDivuzDoc playing = Data();

    // "Zrušit", or "Zobrazit hru" on an empty group: the game goes on.
    Command(ID_BEST_GAMES);
    myDialogs.chosenRow = 3;
    Command(ID_BEST_GAMES);
    EXPECT_EQ(Bytes(Data()), Bytes(playing));

    myDialogs.chosenRow = 0;
    Command(ID_BEST_GAMES);
    DataDivuzDoc d = Data();
    EXPECT_EQ(d.Mode, ModeViewParty);
    EXPECT_EQ(d.GameMode, InProgress);
    EXPECT_EQ(d.UndoRedoMoves.GetCurSize(), 1) << "an empty board";
    EXPECT_EQ(d.UndoRedoMoves.GetRedoLimit(), 12);
    EXPECT_EQ(std::pair(d.PlayerWins, d.ComputerWins), std::pair(1, 0));
    EXPECT_EQ(d.PlayerName, "Anonymous");
    EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8("View party. Use Undo and Redo. "));
    EXPECT_TRUE(InStep(d, myDoc.Request().DoneMoves));

    // Each Redo places the next stored move, Undo takes one back.
    for (int move = 1; move <= 3; ++move) {
        Command(ID_REDO);
        EXPECT_EQ(HistorySize(), move + 1);
        const HistoryEntry h = Data().UndoRedoMoves.Top();
        EXPECT_EQ(std::tuple(h.x, h.y, h.iZnak),
                  std::tuple(stored.UndoRedoMoves[move].x, stored.UndoRedoMoves[move].y,
                             stored.UndoRedoMoves[move].iZnak));
    }
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(HistorySize(), 3);

    // The line of five ends the replay without counting a win again.
    myApp.commands.clear();
    while (Enabled(ID_REDO))
        Command(ID_REDO);
    d = Data();
    EXPECT_EQ(d.UndoRedoMoves.GetCurSize(), 12);
    EXPECT_EQ(d.GameMode, PlayerWon);
    EXPECT_EQ(d.Mode, ModeViewParty);
    EXPECT_EQ(std::pair(d.PlayerWins, d.ComputerWins), std::pair(1, 0));
    EXPECT_TRUE(myApp.commands.empty());
}

TEST_F(BestGamesDocumentTest, StoredGameTheBoardRefusesIsNotReplayed)
{
    WinAndAnnounce();
    BestGames table = myTable.Table();
    DataDivuzDoc damaged = table.GetGame(1, 0, 0);
    damaged.UndoRedoMoves[3].x = damaged.UndoRedoMoves[1].x; // two stones on one cell
    damaged.UndoRedoMoves[3].y = damaged.UndoRedoMoves[1].y;
    table.SetGame(damaged, 1, 0, 0);
    ASSERT_TRUE(table.Save(BestGamesPath(myApp.myOptions)));
    ASSERT_TRUE(myTable.Load(myApp.myOptions).IsComplete);
    const std::string before = Bytes(Data());

    myDialogs.chosenRow = 0;
    Command(ID_BEST_GAMES);
    EXPECT_EQ(Bytes(Data()), before);
    EXPECT_EQ(myErrors.texts,
              std::vector<std::string>{"CDivuzDoc::OnBestGames : Damaged stored game"});
    myErrors.texts.clear();
}

} // namespace
