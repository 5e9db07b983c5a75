// The document's records and views, and the turn cycle: a move of the
// player, the engine's answer and the result taken over.
//
// The turn cycle. Every step that needs the board goes to the engine thread
// as a request; its reply comes back as a command event, and OnCommand
// (DocumentCommands.cpp) runs the next step:
//
//   click on the board   OnMakeMove         request WM_POLE_MAKE, the player's move
//                                             reply ID_FIND_AND_MAKE_MOVE (102)
//   the move is made     OnFindAndMakeMove  takes the move over (CheckAndSetResult);
//                                             unless it ended the game, asks for the
//                                             computer's move: WM_POLE_FIND or
//                                             WM_POLE_FIND_IN_TIME by the level
//                                             reply ID_MOVE_FOUND (104)
//   the move is found    OnMoveFound        request WM_POLE_MAKE, the computer's move
//                                             reply ID_CHECK_RESULT (103)
//   the move is made     CheckAndSetResult  takes the result over, decides the game,
//                                             updates the views
//
// A won tournament game then goes to the best-games table through the main
// window (ID_TOURNAMENT_WIN, 120): the command is posted to the frame, which
// hands it back to the document, so the modal name and table dialogs open
// from the window's event loop after the reply that ended the game has been
// handled in full. A reply whose ticket is not the latest request's (a new
// game, an undo) is dropped in event().

#include "DivuzDoc.h"

#include "DivuzApplication.h"
#include "DivuzEvents.h"
#include "ErrorReport.h"
#include "Levels.h"
#include "ThreadHandOff.h"
#include <algorithm>

std::optional<LevelRequest> LevelRequestFor(int level, bool forHint)
{
    if (level < 0 || level >= SettingCount)
        return std::nullopt;
    const StrengthSetting &setting = StrengthSettings[level];
    const SettingCall call = forHint ? setting.hint : setting.move;
    if (call.timed)
        return LevelRequest{WM_POLE_FIND_IN_TIME, 1, call.value};
    return LevelRequest{WM_POLE_FIND, call.value, 1};
}

CDivuzDoc::CDivuzDoc(QObject *parent) : QObject(parent) {}

CDivuzDoc::~CDivuzDoc()
{
    StopEngine();
}

void CDivuzDoc::AddView(IDivuzView *view)
{
    if (view != nullptr && std::find(myViews.begin(), myViews.end(), view) == myViews.end())
        myViews.push_back(view);
}

void CDivuzDoc::RemoveView(IDivuzView *view)
{
    myViews.erase(std::remove(myViews.begin(), myViews.end(), view), myViews.end());
}

void CDivuzDoc::UpdateAllViews()
{
    // A view may add or remove views while it updates; the copy keeps the
    // walk valid.
    const std::vector<IDivuzView *> views = myViews;
    for (IDivuzView *view : views)
        view->OnUpdate();
}

bool CDivuzDoc::OnNewDocument()
{
    // Step 1. End the old game and its engine thread.
    DeleteContents();

    // Step 2. Read the settings.
    IDivuzApplication *app = FindApplication();
    if (app == nullptr)
        throw xProgramme("CDivuzDoc::OnNewDocument : No CDivuzApp");
    const DivuzOptions options = app->GetOptions();

    // Step 3. Decide who begins.
    switch (options.WhoBeginsMode) {
    case 0:
        myData.IsPlayerFirst = true;
        break;
    case 1:
        myData.IsPlayerFirst = false;
        break;
    case 2:
        myData.IsPlayerFirst = !myData.IsPlayerFirst;
        break;
    default:
        throw xProgramme("CDivuzDoc::OnNewDocument : Strange WhoBeginsMode");
    }

    // Steps 4 to 6. Show the empty board and start a new engine thread.
    UpdateAllViews();
    if (myViews.empty())
        throw xProgramme("CDivuzDoc::OnNewDocument : No view");
    myThread = std::make_unique<PoleThread>(this);
    myThread->Start();

    // Steps 7 to 9. Announce the game, lay the bottom entry, pick the mode.
    myData.SoundEvent = SoundNewGame;
    UpdateAllViews();
    myData.UndoRedoMoves.Push(HistoryEntry{0, 0, FREE, 0, 0});
    myData.Mode = options.IsTournament ? ModeTournament : ModeGame;

    // Step 10. The computer opens when it begins.
    if (!myData.IsPlayerFirst)
        OnFindAndMakeMove();

    // Step 11. One music piece per game moves on to the next.
    if (options.MusicMode == 1)
        app->SendMainWindowMessage(WM_NEXT_MUSIC);
    return true;
}

void CDivuzDoc::DeleteContents()
{
    // Step 1. Only after the thread has ended may the request be touched.
    StopEngine();

    // Step 2. The score, the name and who began carry over to the next game.
    DataDivuzDoc fresh;
    fresh.IsPlayerFirst = myData.IsPlayerFirst;
    fresh.ComputerWins = myData.ComputerWins;
    fresh.PlayerWins = myData.PlayerWins;
    fresh.PlayerName = myData.PlayerName;
    myData = fresh;

    // Step 3. A fresh request record.
    myRequest = PoleRequest();
}

void CDivuzDoc::StopEngine()
{
    if (myThread) {
        myThread->StopThread();
        myThread.reset();
    }
}

void CDivuzDoc::PostRequest(int message, int replyCommand, int soundEvent, std::int32_t param)
{
    if (!myThread)
        throw xProgramme("CDivuzDoc::PostRequest : No PoleThread");
    myRequest.ReplyCommand = replyCommand;
    myRequest.SoundEvent = soundEvent;
    myData.IsThinking = true;
    if (myRequestObserver)
        myRequestObserver(message, myRequest);
    myThread->PostThreadMessage(message, &myRequest, param, ++myTicket);
    if (myRequestListener)
        myRequestListener();
}

void CDivuzDoc::OnMakeMove(const Place &m)
{
    // Step 1. Only where the table allows a move on the board.
    if (!IsCommandAllowed(RowBoardMove))
        return;
    if (myData.GameMode != InProgress)
        throw xProgramme("CDivuzDoc::OnMakeMove : Strange myData.GameMode");

    // Step 2. What a click means in each mode.
    switch (myData.Mode) {
    case ModeGame:
    case ModeTournament:
        // The right button does nothing in a game.
        if (m.iZnak != myData.PlayerSign)
            return;
        myRequest.MoveToMake = m;
        PostRequest(WM_POLE_MAKE, ID_FIND_AND_MAKE_MOVE, SoundMove);
        break;
    case ModeEdit:
        myRequest.MoveToMake = m;
        PostRequest(WM_POLE_MAKE, ID_CHECK_RESULT, SoundMove);
        break;
    case ModeHint:
        // The click only ends the hint.
        myData.Mode = ModeGame;
        CheckAndSetResult();
        break;
    default:
        throw xProgramme("CDivuzDoc::OnMakeMove : Strange myDataMode");
    }
}

void CDivuzDoc::OnFindAndMakeMove()
{
    // Step 1. Take the player's move over; stop when it ended the game.
    if (!CheckAndSetResult())
        return;

    // Steps 2 and 3. Choose the search. The Level is read now, so a change reaches the next search.
    const DivuzOptions options = RequireApplication("CDivuzDoc::OnFindAndMakeMove").GetOptions();
    const std::optional<LevelRequest> request = LevelRequestFor(options.Level, false);
    if (!request)
        throw xProgramme("CDivuzDoc::OnFindAndMakeMove : Strange Level");

    // Step 4. Ask for the computer's move.
    myRequest.SignToMove = Opponent(myData.PlayerSign);
    myRequest.Depth = request->depth;
    myRequest.Seconds = request->seconds;
    PostRequest(request->message, ID_MOVE_FOUND, SoundNone);
}

void CDivuzDoc::OnMoveFound()
{
    myRequest.MoveToMake = PlayableMove(myRequest.FoundMove);
    PostRequest(WM_POLE_MAKE, ID_CHECK_RESULT, SoundMove);
}

Place CDivuzDoc::PlayableMove(const Place &found) const
{
    // With only a cell or two left the search can answer an occupied cell;
    // making it would be refused and hand the player a second move in a
    // row. The first free cell takes its place, so the board fills up and
    // the game ends as a draw.
    bool occupied[CellCount] = {};
    const Stack<HistoryEntry> &history = myData.UndoRedoMoves;
    const auto onBoard = [](int x, int y) {
        return x >= 0 && x < BoardSize && y >= 0 && y < BoardSize;
    };
    for (int i = 1; i < history.GetCurSize(); ++i)
        if (onBoard(history[i].x, history[i].y))
            occupied[history[i].x + BoardSize * history[i].y] = true;
    if (onBoard(found.x, found.y) && !occupied[found.x + BoardSize * found.y])
        return found;
    for (int cell = 0; cell < CellCount; ++cell)
        if (!occupied[cell])
            return Place{cell % BoardSize, cell / BoardSize, found.iZnak};
    return found;
}

bool CDivuzDoc::CheckAndSetResult()
{
    // Step 1. The request is back; its sound, or the refusal's.
    myData.IsThinking = false;
    myData.SoundEvent = myRequest.SoundEvent;
    myRequest.SoundEvent = SoundNone;
    if (myRequest.IsBadMove)
        myData.SoundEvent = SoundBadMove;

    // Step 2. Take the engine's result over.
    static_cast<PoleResult &>(myData) = static_cast<const PoleResult &>(myRequest);

    // Step 3. Append the new move. The engine is at most one move ahead of the history.
    const BoundedList<Move> &done = myRequest.DoneMoves;
    const int k = done.GetCurSize();
    Stack<HistoryEntry> &history = myData.UndoRedoMoves;
    if (history.GetCurSize() == k) {
        const Move &m = done[k - 1];
        history.Push(HistoryEntry{m.x, m.y, m.iZnak, myRequest.Price2, myRequest.Price1});
    } else if (history.GetCurSize() != k + 1) {
        throw xProgramme("CDivuzDoc::CheckAndSetResult : Error in UndoRedoMoves ");
    }

    // Step 4. The history must match the engine's moves.
    bool inStep = history.GetCurSize() == k + 1;
    for (int i = 1; inStep && i <= k; ++i) {
        const HistoryEntry &h = history[i];
        const Move &m = done[i - 1];
        inStep = h.x == m.x && h.y == m.y && h.iZnak == m.iZnak;
    }
    if (!inStep)
        throw xProgramme("CDivuzDoc::CheckAndSetResult : Error in UndoRedoMoves or in DoneMoves");

    // Steps 5 and 6. Decide and count the result. A full board without a line of five is a draw;
    // without it the computer would be asked for a move on a full board for ever.
    bool result = !myRequest.IsBadMove;
    if (myData.Winner == myData.PlayerSign) {
        myData.GameMode = PlayerWon;
        if (myData.Mode != ModeViewParty)
            ++myData.PlayerWins;
        result = false;
    } else if (myData.Winner == Opponent(myData.PlayerSign)) {
        myData.GameMode = ComputerWon;
        if (myData.Mode != ModeViewParty)
            ++myData.ComputerWins;
        result = false;
    } else if (k >= CellCount) {
        myData.GameMode = Draw;
        result = false;
    }

    // Step 7. A won tournament game may enter the best games.
    if (IsTournamentWin(myData))
        RequireApplication("CDivuzDoc::Check").PostMainWindowCommand(ID_TOURNAMENT_WIN);

    // Step 8. A finished tournament game can be stepped through and saved.
    if (myData.Mode == ModeTournament && myData.GameMode != InProgress)
        myData.Mode = ModeViewParty;

    // Step 9. Show the result.
    UpdateAllViews();
    return result;
}

bool CDivuzDoc::event(QEvent *event)
{
    // The engine thread posts its replies and errors here, so they are taken
    // over on this thread in the order they were made.
    // Taken over before it is read: the engine thread may have made it.
    TakeOver(event);
    if (event->type() == DivuzCommandEvent::EventType()) {
        const auto *reply = static_cast<const DivuzCommandEvent *>(event);
        // A reply left over from a stopped thread or an old request is dropped.
        if (myData.IsThinking && reply->Ticket() == myTicket) {
            TakeOver(&myRequest);
            OnCommand(reply->Command());
        }
        return true;
    }
    if (event->type() == EngineErrorEvent::EventType()) {
        ReportError(static_cast<const EngineErrorEvent *>(event)->Text());
        return true;
    }
    return QObject::event(event);
}
