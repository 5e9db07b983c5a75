// Stepping through the history (undo and redo), the hint, and the switches
// between the game, edit mode and debug mode.

#include "DivuzDoc.h"

#include "DivuzApplication.h"

void CDivuzDoc::OnGameEditmode()
{
    if (!IsCommandAllowed(RowEditMode))
        return;
    if (myData.Mode == ModeGame)
        myData.Mode = ModeEdit;
    else if (myData.Mode == ModeEdit)
        myData.Mode = ModeGame;
    else
        throw xProgramme("CDivuzDoc::OnGameEditmode : Strange myData.Mode");
}

void CDivuzDoc::OnGameDegugmode()
{
    if (!IsCommandAllowed(RowDebugMode))
        return;
    if (myData.Mode == ModeEdit)
        myData.Mode = ModeDebug;
    else if (myData.Mode == ModeDebug)
        myData.Mode = ModeEdit;
    else
        throw xProgramme("CDivuzDoc::OnGameDegugmode : Strange myData.Mode");
}

int CDivuzDoc::UndoCount() const
{
    if (myData.Mode != ModeGame && myData.Mode != ModeEdit && myData.Mode != ModeViewParty)
        throw xProgramme("CDivuzDoc::OnEditUndo : Strange myData.Mode");
    if (myData.GameMode != InProgress && myData.GameMode != PlayerWon &&
        myData.GameMode != ComputerWon)
        throw xProgramme("CDivuzDoc::OnEditUndo : Strange myData.GameMode");
    // In a game the computer's answer goes back with the move it answered;
    // the player's winning move had no answer.
    if (myData.Mode == ModeGame && myData.GameMode != PlayerWon)
        return 2;
    return 1;
}

bool CDivuzDoc::OnUpdateEditUndo() const
{
    return IsCommandAllowed(RowUndo) && myData.UndoRedoMoves.CanBack(UndoCount());
}

void CDivuzDoc::OnEditUndo()
{
    if (!IsCommandAllowed(RowUndo))
        return;
    const int n = UndoCount();
    Stack<HistoryEntry> &history = myData.UndoRedoMoves;
    if (!history.CanBack(n))
        return;

    // A win taken back is no longer counted, except in view party, where
    // it never was.
    if (myData.GameMode == PlayerWon && myData.Mode != ModeViewParty)
        --myData.PlayerWins;
    else if (myData.GameMode == ComputerWon && myData.Mode != ModeViewParty)
        --myData.ComputerWins;
    myData.GameMode = InProgress;

    history.Back(n);
    // The chances bar goes back to what it showed at that point.
    const HistoryEntry &top = history.Top();
    myRequest.Price1 = top.Price1;
    myRequest.Price2 = top.Price2;
    PostRequest(WM_POLE_BACK, ID_CHECK_RESULT, SoundBack, n);
}

bool CDivuzDoc::OnUpdateGameRedo() const
{
    if (!IsCommandAllowed(RowRedo) || myData.GameMode != InProgress)
        return false;
    switch (myData.Mode) {
    case ModeGame:
        return myData.UndoRedoMoves.CanForward(2);
    case ModeEdit:
    case ModeViewParty:
        return myData.UndoRedoMoves.CanForward(1);
    default:
        throw xProgramme("CDivuzDoc::OnUpdateGameRedo : Strange myDataMode");
    }
}

void CDivuzDoc::RedoOneMove(int replyCommand)
{
    Stack<HistoryEntry> &history = myData.UndoRedoMoves;
    history.Forward(1);
    const HistoryEntry &top = history.Top();
    myRequest.MoveToMake = Place{top.x, top.y, top.iZnak};
    myRequest.Price1 = top.Price1;
    myRequest.Price2 = top.Price2;
    PostRequest(WM_POLE_MAKE, replyCommand, SoundMove);
}

void CDivuzDoc::OnGameRedo()
{
    if (!IsCommandAllowed(RowRedo) || myData.GameMode != InProgress)
        return;
    switch (myData.Mode) {
    case ModeGame:
        // Only whole pairs: the player's move and the computer's answer.
        if (myData.UndoRedoMoves.CanForward(2))
            RedoOneMove(ID_REDO_SECOND);
        break;
    case ModeEdit:
    case ModeViewParty:
        if (myData.UndoRedoMoves.CanForward(1))
            RedoOneMove(ID_CHECK_RESULT);
        break;
    default:
        throw xProgramme("CDivuzDoc::OnGameRedo : Strange myDataMode");
    }
}

void CDivuzDoc::OnRedoSecondMove()
{
    if (myData.Mode != ModeGame)
        throw xProgramme("CDivuzDoc::OnGameRedo : Strange myDataMode");
    // The first move's result is taken over together with the second's.
    // OnGameRedo made sure of the pair; were it gone, the first move's
    // result alone is taken over, so the request does not hang.
    if (myData.UndoRedoMoves.CanForward(1) && myData.GameMode == InProgress)
        RedoOneMove(ID_CHECK_RESULT);
    else
        CheckAndSetResult();
}

void CDivuzDoc::OnGameHint()
{
    if (!IsCommandAllowed(RowHint))
        return;
    // The settings are read before the mode changes, so a failure leaves
    // the game as it was.
    const DivuzOptions options = RequireApplication("CDivuzDoc::OnGameHint").GetOptions();
    const std::optional<LevelRequest> request = LevelRequestFor(options.Level, true);
    if (!request)
        throw xProgramme("CDivuzDoc::OnGameHint : Strange Level");

    myData.Mode = ModeHint;
    myRequest.SignToMove = myData.PlayerSign;
    myRequest.Depth = request->depth;
    myRequest.Seconds = request->seconds;
    PostRequest(request->message, ID_HINT_FOUND, SoundNone);
}

void CDivuzDoc::OnHintFound()
{
    // Of the hint search only the advised move is kept: the winner, the
    // prediction, the line and the chances stay what the board showed.
    myData.FoundMove = myRequest.FoundMove;
    static_cast<PoleResult &>(myRequest) = static_cast<const PoleResult &>(myData);
    CheckAndSetResult();
}
