// The game document: games played to their end, tournaments, the board's
// refusals, the clock, searches cut short, undo and redo, hints and the
// edit and debug modes.

#include "DivuzDoc.h"

#include "DivuzCommands.h"
#include "DocumentTestFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace
{

// Stripes two cells wide in every line: no five for either side anywhere.
std::int32_t DrawPatternSign(int x, int y)
{
    return (x + 2 * y) % 4 < 2 ? KREST : NOL;
}

TEST_F(DocumentTest, FullGameEndsWithTheRightResultScoreAndSounds)
{
    myApp.myOptions.Level = 6; // "Začátečník": the weak levels price a second search
    NewGame();
    ASSERT_GE(myView.updates.size(), 2u);
    EXPECT_EQ(myView.updates[1].SoundEvent, SoundNewGame);
    myView.updates.clear();

    PlayToTheEnd(Player::Strong);

    const DataDivuzDoc d = Data();
    const int moves = d.UndoRedoMoves.GetCurSize() - 1;
    // One update per move, each announcing the move; the last one the result.
    EXPECT_EQ(int(myView.updates.size()), moves);
    EXPECT_EQ(myView.CountSound(SoundMove), moves);
    EXPECT_EQ(myView.updates.back().GameMode, d.GameMode);
    EXPECT_GE(d.WinLine.GetCurSize(), 5);
    const bool playerWon = d.Winner == NOL;
    EXPECT_EQ(d.Winner, playerWon ? NOL : KREST);
    EXPECT_EQ(d.GameMode, playerWon ? PlayerWon : ComputerWon);
    EXPECT_EQ(std::pair(d.PlayerWins, d.ComputerWins), std::pair(int(playerWon), int(!playerWon)));
    EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8(playerWon ? "Vyhrál jsi !!!" : "Vyhrál počítač..."));

    // The board takes no more moves.
    EXPECT_FALSE(myDoc.IsCommandAllowed(RowBoardMove));
    myView.updates.clear();
    ClickHarmlessMove();
    EXPECT_EQ(HistorySize(), moves + 1);
    EXPECT_TRUE(myView.updates.empty());
}

TEST_F(DocumentTest, WhoBeginsFollowsTheSettingAndAlternates)
{
    myApp.myOptions.WhoBeginsMode = 2;
    myApp.myOptions.MusicMode = 1;
    // A fresh record says the player began, so the computer opens first.
    for (bool computerOpens : {true, false, true, false}) {
        NewGame();
        const DataDivuzDoc d = Data();
        EXPECT_EQ(d.IsPlayerFirst, !computerOpens);
        ASSERT_EQ(d.UndoRedoMoves.GetCurSize(), computerOpens ? 2 : 1);
        if (computerOpens) {
            EXPECT_EQ(d.UndoRedoMoves[1], (HistoryEntry{9, 9, KREST, d.Price2, d.Price1}));
            // One move above the bottom entry, and a game takes back two.
            EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
            Command(ID_EDIT_UNDO);
            EXPECT_EQ(HistorySize(), 2);
        }
        EXPECT_EQ(d.PlayerTime + d.ComputerTime, 0);
        EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8("Váš tah"));
    }
    // One piece per game: every new game asks the frame for the next piece.
    EXPECT_EQ(myApp.messages, std::vector<int>(4, WM_NEXT_MUSIC));

    myApp.myOptions.MusicMode = 0;
    for (int who : {1, 1, 0, 0, 1}) {
        myApp.myOptions.WhoBeginsMode = who;
        NewGame();
        EXPECT_EQ(Data().IsPlayerFirst, who == 0);
        EXPECT_EQ(HistorySize(), who == 0 ? 1 : 2);
    }
    EXPECT_EQ(myApp.messages.size(), 4u);
}

TEST_F(DocumentTest, TournamentGamesEndInViewPartyAndOnlyWinsGoToTheTable)
{
    myApp.myOptions.IsTournament = true;
    myApp.myOptions.Level = 6;
    NewGame();
    EXPECT_EQ(Data().Mode, ModeTournament);
    EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8("Turnaj : Váš tah."));
    ClickHarmlessMove();
    ClickHarmlessMove();
    const std::string playing = Bytes(Data());
    for (int id : {ID_FILE_SAVE, ID_OPTIONS})
        EXPECT_FALSE(Enabled(id)) << "command " << id;
    for (int id : {ID_EDIT_UNDO, ID_REDO, ID_GAME_EDITMODE, ID_HINT}) {
        EXPECT_FALSE(Enabled(id)) << "command " << id;
        Command(id);
    }
    EXPECT_EQ(Bytes(Data()), playing);
    EXPECT_TRUE(myDoc.IsCommandAllowed(RowBoardMove));
    EXPECT_TRUE(Enabled(ID_BEST_GAMES));

    // A strong player beats the beginner level; a few games leave room for chance.
    int playerWins = 0;
    for (int game = 0; game < 5 && playerWins == 0; ++game) {
        if (game > 0)
            NewGame();
        PlayToTheEnd(Player::Strong);
        playerWins = Data().PlayerWins;
        EXPECT_EQ(Data().Mode, ModeViewParty);
    }
    ASSERT_EQ(playerWins, 1);
    EXPECT_EQ(myApp.commands, std::vector<int>{ID_TOURNAMENT_WIN});
    EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8("Vyhrál jsi !!!"));
    EXPECT_FALSE(myDoc.IsCommandAllowed(RowBoardMove));

    // A lost tournament game also ends in view party, but sends nothing.
    const int computerWins = Data().ComputerWins;
    NewGame();
    PlayToTheEnd(Player::Harmless);
    DataDivuzDoc d = Data();
    EXPECT_EQ(d.Mode, ModeViewParty);
    EXPECT_EQ(d.GameMode, ComputerWon);
    EXPECT_EQ(d.ComputerWins, computerWins + 1);
    EXPECT_EQ(myApp.commands.size(), 1u);
    myView.updates.clear();
    Pulses(30);
    EXPECT_EQ(Data().PlayerTime, d.PlayerTime);
    EXPECT_TRUE(myView.updates.empty());

    // The finished game is stepped through one move at a time; the score
    // stays as the game left it.
    for (int id : {ID_FILE_SAVE, ID_OPTIONS, ID_EDIT_UNDO})
        EXPECT_TRUE(Enabled(id)) << "command " << id;
    EXPECT_FALSE(Enabled(ID_REDO));
    const int moves = d.UndoRedoMoves.GetCurSize();
    for (int back = 1; back <= 3; ++back) {
        Command(ID_EDIT_UNDO);
        EXPECT_EQ(HistorySize(), moves - back);
        EXPECT_EQ(Data().GameMode, InProgress);
    }
    for (int forward = 1; forward <= 3; ++forward) {
        ASSERT_TRUE(Enabled(ID_REDO));
        Command(ID_REDO);
        EXPECT_EQ(HistorySize(), moves - 3 + forward);
    }
    EXPECT_EQ(Bytes(Data()), Bytes(d));

    // The score carries over into the next tournament game.
    NewGame();
    EXPECT_EQ(Data().Mode, ModeTournament);
    EXPECT_EQ(std::pair(Data().PlayerWins, Data().ComputerWins), std::pair(1, computerWins + 1));
}

TEST_F(DocumentTest, OccupiedCellsAreRefusedAndOnlyEditModeTakesRightClicks)
{
    NewGame();
    myView.updates.clear();
    myDoc.OnMakeMove(Place{4, 4, KREST}); // a right click in a game does nothing
    EXPECT_FALSE(Data().IsThinking);
    PumpFor(20);
    EXPECT_EQ(HistorySize(), 1);
    EXPECT_TRUE(myView.updates.empty());

    Click(9, 9);
    DataDivuzDoc d = Data();
    ASSERT_EQ(d.UndoRedoMoves.GetCurSize(), 3);
    myView.updates.clear();
    for (const HistoryEntry &cell : {d.UndoRedoMoves[2], d.UndoRedoMoves[1]}) {
        Click(cell.x, cell.y);
        EXPECT_TRUE(Data().IsBadMove);
        EXPECT_EQ(HistorySize(), 3);
        EXPECT_EQ(myDoc.Request().DoneMoves.GetCurSize(), 2);
    }
    ASSERT_EQ(myView.updates.size(), 2u);
    EXPECT_EQ(myView.CountSound(SoundBadMove), 2);
    Click(10, 10);
    EXPECT_EQ(HistorySize(), 5);
    EXPECT_FALSE(Data().IsBadMove);

    // Setting up a position takes either sign, gets no answers and refuses
    // occupied cells the same way.
    myDoc.OnGameEditmode();
    ASSERT_EQ(Data().Mode, ModeEdit);
    Click(4, 4, KREST);
    Click(5, 5, NOL);
    Click(10, 10, KREST);
    EXPECT_EQ(myView.updates.back().SoundEvent, SoundBadMove);
    d = Data();
    ASSERT_EQ(d.UndoRedoMoves.GetCurSize(), 7);
    EXPECT_EQ(d.UndoRedoMoves[5].iZnak, KREST);
    EXPECT_EQ(d.UndoRedoMoves[6].iZnak, NOL);
    // Back in the game the player moves next, whatever was set up.
    myDoc.OnGameEditmode();
    EXPECT_EQ(Data().Mode, ModeGame);
    EXPECT_FALSE(Data().IsThinking);
    Click(6, 6);
    EXPECT_EQ(HistorySize(), 9);
}

TEST_F(DocumentTest, TenPulsesAddOneSecondToTheClockThatRuns)
{
    NewGame();
    myView.updates.clear();
    Pulses(9);
    EXPECT_EQ(Data().PlayerTime, 9);
    EXPECT_TRUE(myView.updates.empty());
    Pulses(1);
    ASSERT_EQ(myView.updates.size(), 1u);
    EXPECT_EQ(myView.updates[0].SoundEvent, SoundSecond);
    EXPECT_EQ(myView.updates[0].PlayerTime, 10);
    EXPECT_EQ(Data().ComputerTime, 0);

    // While the computer thinks its own clock runs.
    StartSearch(5); // 60 s per move: still thinking after the pulses
    ASSERT_TRUE(Data().IsThinking);
    const int playerTime = Data().PlayerTime;
    const int computerTime = Data().ComputerTime;
    EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8("My move. I am thinking..."));
    myView.updates.clear();
    Pulses(10);
    EXPECT_EQ(Data().ComputerTime, computerTime + 10);
    EXPECT_EQ(Data().PlayerTime, playerTime);
    ASSERT_EQ(myView.updates.size(), 1u);
    EXPECT_EQ(myView.updates[0].SoundEvent, SoundSecond);

    // No clock runs while a position is set up.
    myApp.myOptions.Level = 0;
    NewGame();
    myDoc.OnGameEditmode();
    myView.updates.clear();
    Pulses(25);
    EXPECT_EQ(Data().PlayerTime + Data().ComputerTime, 0);
    EXPECT_TRUE(myView.updates.empty());
}

// A new game while the computer thinks, at Expert or for 60 s, stops the
// search at once and starts clean, whenever it comes.
TEST_F(DocumentTest, NewGamesDuringSearchesStopThemAndNeverActOnAStaleReply)
{
    for (int i = 0; i < 200; ++i) {
        const int level = i % 2 == 0 ? 10 : 5;
        myApp.myOptions.Level = 0;
        myApp.myOptions.WhoBeginsMode = 0;
        NewGame();
        // Stop at different moments: move queued, reply pending, search
        // running, search ending.
        if (i % 4 < 2) {
            myApp.myOptions.Level = level;
            myDoc.OnMakeMove(Place{9, 9, NOL});
            QThread::usleep(i % 4 == 1 ? 300 : 0);
        } else {
            StartSearch(level);
            if (i % 4 == 3) {
                QThread::usleep(i % 8 == 3 ? 1000 : 5000);
                QCoreApplication::processEvents();
            }
        }
        // Every third new game opens with a request of its own, which a
        // stale reply must not be taken for.
        const bool computerOpens = i % 3 == 0;
        myApp.myOptions.WhoBeginsMode = computerOpens ? 1 : 0;
        ASSERT_TRUE(myDoc.OnNewDocument());
        ASSERT_TRUE(computerOpens ||
                    (!Data().IsThinking && myDoc.Request().DoneMoves.GetCurSize() == 0))
            << "round " << i;
        QThread::usleep(100);
        QCoreApplication::processEvents();
        WaitIdle();
        const DataDivuzDoc d = Data();
        ASSERT_EQ(d.UndoRedoMoves.GetCurSize(), computerOpens ? 2 : 1) << "round " << i;
        ASSERT_TRUE(!computerOpens ||
                    d.UndoRedoMoves[1] == (HistoryEntry{9, 9, KREST, d.Price2, d.Price1}))
            << "round " << i;
        ASSERT_TRUE(myErrors.texts.empty()) << "round " << i << ": " << myErrors.texts[0];
    }
    const int opened = HistorySize();
    myView.updates.clear();
    PumpFor(100);
    EXPECT_TRUE(myView.updates.empty());
    EXPECT_EQ(HistorySize(), opened);

    // The last game is fully playable.
    myApp.myOptions.Level = 0;
    Click(9, 10);
    EXPECT_EQ(HistorySize(), opened + 2);
}

TEST_F(DocumentTest, FullBoardWithoutFiveIsADraw)
{
    // The player leaves one cell of each sign free; the computer fills the last.
    for (bool computerFillsLast : {true, false}) {
        SCOPED_TRACE(testing::Message() << "computer fills last: " << computerFillsLast);
        NewGame();
        const int scoreBefore = Data().PlayerWins + Data().ComputerWins;
        myDoc.OnGameEditmode();
        for (int y = 0; y < BoardSize; ++y)
            for (int x = 0; x < BoardSize; ++x)
                if (y != 18 || x < (computerFillsLast ? 17 : 18))
                    Click(x, y, DrawPatternSign(x, y));
        ASSERT_EQ(HistorySize(), computerFillsLast ? 360 : 361);
        myDoc.OnGameEditmode();

        Click(18, 18);
        const DataDivuzDoc d = Data();
        EXPECT_EQ(d.UndoRedoMoves.GetCurSize(), CellCount + 1);
        EXPECT_EQ(d.Winner, FREE);
        EXPECT_EQ(d.GameMode, Draw);
        EXPECT_EQ(d.PlayerWins + d.ComputerWins, scoreBefore);
        EXPECT_EQ(myView.updates.back().SoundEvent, SoundMove); // the view plays nothing for a draw
        EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8("Remíza. bez vítěze."));
        EXPECT_FALSE(myDoc.IsCommandAllowed(RowBoardMove));
        Pulses(20);
        EXPECT_EQ(Data().PlayerTime, d.PlayerTime);
    }
}

TEST_F(DocumentTest, EngineErrorsAreReportedAndTheReplyStillEndsTheRequest)
{
    NewGame();
    myDoc.OnGameEditmode();
    Click(3, 3, FREE);
    EXPECT_EQ(myErrors.texts, std::vector<std::string>{"Pole::MakeMove : cM.iZnak=FREE"});
    EXPECT_FALSE(Data().IsThinking);
    EXPECT_EQ(HistorySize(), 1);
    Click(3, 3, NOL);
    EXPECT_EQ(HistorySize(), 2);

    // An inconsistency found in a reply is shown; the game stays usable.
    myErrors.texts.clear();
    myApp.myOptions.Level = 11;
    NewGame();
    myDoc.OnMakeMove(Place{9, 9, NOL});
    ASSERT_TRUE(PumpUntil([this] { return !myErrors.texts.empty(); }));
    EXPECT_EQ(myErrors.texts,
              std::vector<std::string>{"CDivuzDoc::OnFindAndMakeMove : Strange Level"});
    EXPECT_FALSE(Data().IsThinking);
    EXPECT_EQ(HistorySize(), 2);
    myErrors.texts.clear();
    myApp.myOptions.Level = 0;
    NewGame();
    Click(9, 9);
    EXPECT_EQ(HistorySize(), 3);
}

TEST_F(DocumentTest, UndoTakesBackWhatTheResultCallsForAndUncountsTheWin)
{
    // The player's winning move goes back alone.
    NewGame();
    SetUpPosition({{5, 5, NOL},
                   {6, 5, NOL},
                   {7, 5, NOL},
                   {8, 5, NOL},
                   {5, 12, KREST},
                   {8, 12, KREST},
                   {11, 12, KREST},
                   {14, 12, KREST}});
    Click(9, 5);
    ASSERT_EQ(Data().GameMode, PlayerWon);
    ASSERT_EQ(Data().PlayerWins, 1);
    myView.updates.clear();
    Command(ID_EDIT_UNDO);
    DataDivuzDoc d = Data();
    EXPECT_EQ(d.UndoRedoMoves.GetCurSize(), 9);
    EXPECT_EQ(d.PlayerWins, 0);
    EXPECT_EQ(d.GameMode, InProgress);
    ASSERT_EQ(myView.updates.size(), 1u);
    EXPECT_EQ(myView.updates[0].SoundEvent, SoundBack);
    EXPECT_TRUE(myDoc.IsCommandAllowed(RowBoardMove));
    EXPECT_FALSE(Enabled(ID_REDO)); // a game redoes whole pairs only

    // The computer's winning move goes back with the player's move before it.
    NewGame();
    SetUpPosition({{5, 5, KREST},
                   {6, 5, KREST},
                   {7, 5, KREST},
                   {8, 5, KREST},
                   {5, 12, NOL},
                   {8, 12, NOL},
                   {11, 12, NOL},
                   {14, 12, NOL}});
    Click(15, 15);
    ASSERT_EQ(Data().GameMode, ComputerWon);
    ASSERT_EQ(Data().ComputerWins, 1);
    EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8("Vyhrál počítač..."));
    EXPECT_TRUE(myApp.commands.empty()); // only tournament wins go to the table
    ASSERT_EQ(HistorySize(), 11);
    Command(ID_EDIT_UNDO);
    d = Data();
    EXPECT_EQ(d.UndoRedoMoves.GetCurSize(), 9);
    EXPECT_EQ(d.ComputerWins, 0);
    EXPECT_EQ(d.GameMode, InProgress);
}

TEST_F(DocumentTest, RedoMakesUndoneMovesAgainUntilANewMoveDiscardsThem)
{
    NewGame();
    for (int i = 0; i < 3; ++i)
        ClickHarmlessMove();
    const DataDivuzDoc played = Data();
    ASSERT_EQ(played.UndoRedoMoves.GetCurSize(), 7);

    // A game steps back by pairs, and the chances bar with it.
    for (int size : {5, 3}) {
        Command(ID_EDIT_UNDO);
        const DataDivuzDoc d = Data();
        ASSERT_EQ(d.UndoRedoMoves.GetCurSize(), size);
        EXPECT_EQ(d.UndoRedoMoves.GetRedoLimit(), 7);
        EXPECT_EQ(std::pair(d.Price1, d.Price2),
                  std::pair(d.UndoRedoMoves[size - 1].Price1, d.UndoRedoMoves[size - 1].Price2));
    }
    // Redo makes both moves of a pair and announces them once.
    for (int size : {5, 7}) {
        ASSERT_TRUE(Enabled(ID_REDO));
        myView.updates.clear();
        Command(ID_REDO);
        EXPECT_EQ(HistorySize(), size);
        ASSERT_EQ(myView.updates.size(), 1u);
        EXPECT_EQ(myView.updates[0].SoundEvent, SoundMove);
    }
    EXPECT_FALSE(Enabled(ID_REDO));
    EXPECT_EQ(Bytes(Data()), Bytes(played));

    // A new move after an undo discards the undone moves.
    Command(ID_EDIT_UNDO);
    Click(18, 18);
    EXPECT_EQ(HistorySize(), 7);
    EXPECT_EQ(Data().UndoRedoMoves.GetRedoLimit(), 7);
    EXPECT_FALSE(Enabled(ID_REDO));

    // Setting up a position steps one move at a time.
    myDoc.OnGameEditmode();
    for (int size : {6, 5, 6, 7}) {
        Command(size < HistorySize() ? ID_EDIT_UNDO : ID_REDO);
        EXPECT_EQ(HistorySize(), size);
    }
}

// At level 6 a hint searches at depth 1.
TEST_F(DocumentTest, HintSearchesAtTheLevelsHintDepthAndTheNextClickOnlyEndsIt)
{
    myApp.myOptions.Level = 6;
    NewGame();
    Click(9, 9);
    const DataDivuzDoc before = Data();
    ASSERT_TRUE(Enabled(ID_HINT));
    myDoc.OnCommand(ID_HINT);
    EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8("Finding hint..."));
    WaitIdle();

    const DataDivuzDoc d = Data();
    EXPECT_EQ(myDoc.Request().Depth, 1);
    EXPECT_EQ(myDoc.Request().SignToMove, NOL);
    EXPECT_EQ(d.Mode, ModeHint);
    EXPECT_EQ(myDoc.OnUpdateGameStatus(), Utf8("Radím vám tento tah."));
    EXPECT_EQ(d.FoundMove.iZnak, NOL);
    EXPECT_EQ(BoardOf(d).Cell(d.FoundMove.x, d.FoundMove.y).iZnak, FREE);
    // Of the search only the advised move is shown.
    EXPECT_EQ(std::tuple(d.Price1, d.Price2, d.WinPredict),
              std::tuple(before.Price1, before.Price2, before.WinPredict));
    EXPECT_EQ(d.UndoRedoMoves.GetCurSize(), 3);
    for (int id : {ID_EDIT_UNDO, ID_REDO, ID_HINT, ID_GAME_EDITMODE})
        EXPECT_FALSE(Enabled(id)) << "command " << id;
    Pulses(10);
    EXPECT_EQ(Data().ComputerTime, d.ComputerTime + 10);

    Click(0, 0);
    EXPECT_EQ(Data().Mode, ModeGame);
    EXPECT_EQ(HistorySize(), 3);
    Click(0, 0);
    EXPECT_EQ(HistorySize(), 5);
}

TEST_F(DocumentTest, DebugModeIsReachedOnlyFromEditModeAndItsKeysDoNothing)
{
    NewGame();
    myView.updates.clear();
    EXPECT_FALSE(Enabled(ID_DEBUG_MODE));
    Command(ID_GAME_EDITMODE);
    EXPECT_TRUE(myDoc.CommandState(ID_GAME_EDITMODE).checked);
    ASSERT_TRUE(Enabled(ID_DEBUG_MODE));
    EXPECT_FALSE(Enabled(ID_DEBUG_LEFT));

    Command(ID_DEBUG_MODE);
    EXPECT_EQ(myDoc.CommandState(ID_DEBUG_MODE), (CommandState{true, true}));
    EXPECT_FALSE(Enabled(ID_GAME_EDITMODE) || Enabled(ID_EDIT_UNDO));
    const std::string debugging = Bytes(Data());
    for (int key : {ID_DEBUG_LEFT, ID_DEBUG_RIGHT, ID_DEBUG_UP, ID_DEBUG_DOWN, ID_DEBUG_A,
                    ID_DEBUG_S, ID_DEBUG_B}) {
        EXPECT_TRUE(Enabled(key));
        Command(key);
    }
    EXPECT_EQ(Bytes(Data()), debugging);

    Command(ID_DEBUG_MODE);
    Command(ID_GAME_EDITMODE);
    EXPECT_EQ(Data().Mode, ModeGame);
    // Switching modes asks the engine for nothing and announces nothing.
    EXPECT_TRUE(myView.updates.empty());
}

} // namespace
