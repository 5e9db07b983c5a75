// The best-games table seen from the game: filing a won tournament game
// under the player's name, showing the table, and replaying a stored game.

#include "DivuzDoc.h"

#include "BestGamesDialogs.h"
#include "BestGamesStore.h"
#include "DivuzApplication.h"
#include "ErrorReport.h"

void CDivuzDoc::SetBestGames(BestGamesStore *table, IBestGamesDialogs *dialogs)
{
    myBestGames = table;
    myBestGamesDialogs = dialogs;
}

void CDivuzDoc::OnTournamentWin()
{
    // Step 1. Read the settings.
    const DivuzOptions options = RequireApplication("CDivuzDoc::OnFindAndMakeMove").GetOptions();
    // A request out means the game has moved on since the win was announced.
    if (myBestGames == nullptr || myData.IsThinking)
        return;

    // Step 2. The finished game is a tournament win again while the table
    // looks at it. Only a game still won: one whose win was taken back would
    // otherwise stay a tournament game in progress.
    if (myData.Mode == ModeViewParty && myData.GameMode == PlayerWon)
        myData.Mode = ModeTournament;

    // Step 3. A game good enough for the table: the name (the record keeps
    // its name when the dialog is closed with Escape), the entry, written to
    // the file at once so no later end of the session can lose it, the table.
    // A failed write is not reported; the entry waits for the next save.
    if (myBestGames->IsWorthy(myData, options)) {
        myBestGamesDialogs->AskPlayerName(myData.PlayerName);
        myBestGames->AddGame(myData, options);
        myBestGames->Save(options);
        OnBestGames();
    }

    // Step 4. Back to view party, unless a stored game was chosen for replay.
    if (IsTournamentWin(myData))
        myData.Mode = ModeViewParty;
}

void CDivuzDoc::OnBestGames()
{
    if (!IsCommandAllowed(RowBestGames) || myBestGames == nullptr)
        return;

    // Steps 1 and 2. Show the table on the present level and side.
    DataDivuzDoc chosen;
    const DivuzOptions options = RequireApplication("CDivuzDoc::OnFindAndMakeMove").GetOptions();
    if (!myBestGamesDialogs->ChooseBestGame(chosen, options.Level, myData.IsPlayerFirst ? 0 : 1,
                                            myBestGames->Table()) ||
        !IsTournamentWin(chosen))
        return;
    // The table comes from a file; a history the board refuses would stop
    // the replay half-way with the engine and the history out of step.
    try {
        CheckOpenedRecord(chosen);
    } catch (const xIO &) {
        ReportError("CDivuzDoc::OnBestGames : Damaged stored game");
        return;
    }

    // Step 3. Every stored move becomes a redo entry; the score stays ours.
    chosen.Mode = ModeViewParty;
    chosen.GameMode = InProgress;
    chosen.PlayerWins = myData.PlayerWins;
    chosen.ComputerWins = myData.ComputerWins;
    while (chosen.UndoRedoMoves.CanBack(1))
        chosen.UndoRedoMoves.Back(1);
    myData = chosen;
    SendPosition();
}

void CDivuzDoc::SendPosition()
{
    const Stack<HistoryEntry> &history = myData.UndoRedoMoves;
    myRequest.DoneMoves = HistoryMoves(history, 1, history.GetCurSize());
    myRequest.MoveToMake = Place{0, 0, FREE};
    // The chances bar shows what it showed at that point of the game, as
    // after an undo, and not what the game before left in the request.
    myRequest.Price1 = history.Top().Price1;
    myRequest.Price2 = history.Top().Price2;
    PostRequest(WM_POLE_SET_POSITION, ID_CHECK_RESULT, SoundMove);
}
