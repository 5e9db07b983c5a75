#include "DivuzDoc.h"

#include "DivuzApplication.h"
#include "DivuzCommands.h"
#include "DivuzEvents.h"
#include "ErrorReport.h"
#include "RecordsArchive.h"
#include "StringTable.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

constexpr int ModeCount = 6;
constexpr int GameModeCount = 4;

// The enabling table: a row is allowed when both its halves allow the
// present Mode and GameMode (and no request is out).
constexpr bool allowedInMode[CommandRowCount][ModeCount] = {
    {1, 1, 1, 1, 1, 0}, // save
    {1, 1, 0, 1, 1, 0}, // options
    {1, 1, 0, 0, 1, 0}, // undo
    {1, 1, 0, 0, 0, 0}, // edit mode
    {0, 1, 1, 0, 0, 0}, // debug mode
    {1, 0, 0, 0, 0, 0}, // hint
    {1, 1, 0, 1, 0, 1}, // move on the board
    {0, 0, 1, 0, 0, 0}, // the seven debug keys
    {0, 0, 1, 0, 0, 0},
    {0, 0, 1, 0, 0, 0},
    {0, 0, 1, 0, 0, 0},
    {0, 0, 1, 0, 0, 0},
    {0, 0, 1, 0, 0, 0},
    {0, 0, 1, 0, 0, 0},
    {1, 1, 0, 0, 1, 0}, // redo
    {1, 1, 0, 1, 1, 1}, // best games
};
constexpr bool allowedInGameMode[CommandRowCount][GameModeCount] = {
    {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 0}, {1, 1, 1, 1}, {1, 0, 0, 0}, {1, 0, 0, 0},
    {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0},
    {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 0, 0, 0}, {1, 1, 1, 1},
};

// Per Mode: the status text while the player is to move and while a
// request is out.
constexpr int modeStatus[ModeCount][2] = {
    {IDS_STATUS_GAME, IDS_STATUS_GAME_THINKING},
    {IDS_STATUS_EDIT, IDS_STATUS_EDIT_THINKING},
    {IDS_STATUS_DEBUG, IDS_STATUS_DEBUG_THINKING},
    {IDS_STATUS_HINT, IDS_STATUS_HINT_THINKING},
    {IDS_STATUS_VIEW_PARTY, IDS_STATUS_VIEW_PARTY_THINKING},
    {IDS_STATUS_TOURNAMENT, IDS_STATUS_TOURNAMENT_THINKING},
};
constexpr int resultStatus[GameModeCount] = {0, IDS_STATUS_PLAYER_WON, IDS_STATUS_COMPUTER_WON,
                                             IDS_STATUS_DRAW};

// Per Mode: which clock a pulse advances while the player is to move and
// while a request is out (0 the computer's, 1 the player's, 2 none).
constexpr int pulseTable[ModeCount][2] = {{1, 0}, {2, 2}, {2, 2}, {0, 0}, {2, 2}, {1, 0}};

// Per Level: the computer's move and the hint. The two weakest levels hint
// at depth 1, the timed ones hint as long as they think.
constexpr LevelRequest computerMoveRequests[] = {
    {WM_POLE_FIND, 1, 1},          {WM_POLE_FIND_IN_TIME, 1, 2},  {WM_POLE_FIND_IN_TIME, 1, 5},
    {WM_POLE_FIND_IN_TIME, 1, 10}, {WM_POLE_FIND_IN_TIME, 1, 30}, {WM_POLE_FIND_IN_TIME, 1, 60},
    {WM_POLE_FIND, -15, 1},        {WM_POLE_FIND, -9, 1},         {WM_POLE_FIND, 2, 1},
    {WM_POLE_FIND, 4, 1},          {WM_POLE_FIND, 6, 1},
};
constexpr LevelRequest hintRequests[] = {
    {WM_POLE_FIND, 1, 1},          {WM_POLE_FIND_IN_TIME, 1, 2},  {WM_POLE_FIND_IN_TIME, 1, 5},
    {WM_POLE_FIND_IN_TIME, 1, 10}, {WM_POLE_FIND_IN_TIME, 1, 30}, {WM_POLE_FIND_IN_TIME, 1, 60},
    {WM_POLE_FIND, 1, 1},          {WM_POLE_FIND, 1, 1},          {WM_POLE_FIND, 2, 1},
    {WM_POLE_FIND, 4, 1},          {WM_POLE_FIND, 6, 1},
};

bool IsValidMode(std::int32_t mode) { return mode >= 0 && mode < ModeCount; }
bool IsValidGameMode(std::int32_t gameMode) { return gameMode >= 0 && gameMode < GameModeCount; }

// The row of the enabling table of a debug key, or -1 for another id.
int DebugKeyRow(int id)
{
    switch (id) {
    case ID_DEBUG_LEFT:
        return RowDebugLeft;
    case ID_DEBUG_RIGHT:
        return RowDebugRight;
    case ID_DEBUG_UP:
        return RowDebugUp;
    case ID_DEBUG_DOWN:
        return RowDebugDown;
    case ID_DEBUG_A:
        return RowDebugA;
    case ID_DEBUG_S:
        return RowDebugS;
    case ID_DEBUG_B:
        return RowDebugB;
    default:
        return -1;
    }
}

bool IsPlayedSign(std::int32_t sign) { return sign == KREST || sign == NOL; }

bool IsDrawablePlace(const Place &p)
{
    return p.x >= 0 && p.x < BoardSize && p.y >= 0 && p.y < BoardSize && IsPlayedSign(p.iZnak);
}

// The moves of history entries first..last-1, for the engine's board.
BoundedList<Move> HistoryMoves(const Stack<HistoryEntry> &history, int first, int last)
{
    BoundedList<Move> moves(std::max(0, last - first));
    for (int i = first; i < last; ++i)
        moves.Push(Move{history[i].x, history[i].y, history[i].iZnak, 0});
    return moves;
}

// What the archive form cannot rule out but the game cannot live with: no
// bottom entry, a history (undone moves included, since redo makes them
// again) that the board refuses, or signs the board window cannot draw.
// Such a record can only come from a damaged file.
void CheckOpenedRecord(const DataDivuzDoc &d)
{
    const Stack<HistoryEntry> &history = d.UndoRedoMoves;
    if (history.GetCurSize() < 1)
        throw xIO("CDivuzDoc::Serialize : No bottom entry");
    Pole board;
    try {
        board.SetPosition(HistoryMoves(history, 1, history.GetRedoLimit()));
    } catch (const xError &) {
        throw xIO("CDivuzDoc::Serialize : The board refuses the history");
    }
    if (!IsPlayedSign(d.PlayerSign))
        throw xIO("CDivuzDoc::Serialize : Strange PlayerSign");
    if (d.SoundEvent < SoundNone || d.SoundEvent > SoundBadMove)
        throw xIO("CDivuzDoc::Serialize : Strange SoundEvent");
    for (int i = 0; i < d.WinLine.GetCurSize(); ++i)
        if (!IsDrawablePlace(d.WinLine[i]))
            throw xIO("CDivuzDoc::Serialize : Strange WinLine");
    if (d.Mode == ModeHint && !IsDrawablePlace(d.FoundMove))
        throw xIO("CDivuzDoc::Serialize : Strange FoundMove");
}

} // namespace

const LevelRequest *LevelRequestFor(int level, bool forHint)
{
    if (level < 0 || level >= int(std::size(computerMoveRequests)))
        return nullptr;
    return forHint ? &hintRequests[level] : &computerMoveRequests[level];
}

CDivuzDoc::CDivuzDoc(QObject *parent) : QObject(parent) {}

CDivuzDoc::~CDivuzDoc() { StopEngine(); }

void CDivuzDoc::AddView(IDivuzView *view)
{
    if (view == nullptr || std::find(myViews.begin(), myViews.end(), view) != myViews.end())
        return;
    myViews.push_back(view);
    view->ReplyTarget()->installEventFilter(this);
}

void CDivuzDoc::RemoveView(IDivuzView *view)
{
    const auto it = std::find(myViews.begin(), myViews.end(), view);
    if (it == myViews.end())
        return;
    // The engine must not post to an object that may go away with its view.
    if (view == myEngineView)
        StopEngine();
    view->ReplyTarget()->removeEventFilter(this);
    myViews.erase(it);
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
    // Step 1.
    DeleteContents();

    // Step 2.
    IDivuzApplication *app = FindApplication();
    if (app == nullptr)
        throw xProgramme("CDivuzDoc::OnNewDocument : No CDivuzApp");
    const DivuzOptions options = app->GetOptions();

    // Step 3.
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

    // Steps 4 to 6.
    UpdateAllViews();
    if (myViews.empty())
        throw xProgramme("CDivuzDoc::OnNewDocument : No view");
    myEngineView = myViews.front();
    myThread = std::make_unique<PoleThread>(myEngineView->ReplyTarget());
    myThread->Start();

    // Steps 7 to 9.
    myData.SoundEvent = SoundNewGame;
    UpdateAllViews();
    myData.UndoRedoMoves.Push(HistoryEntry{0, 0, FREE, 0, 0});
    myData.Mode = options.IsTournament ? ModeTournament : ModeGame;

    // Step 10.
    if (!myData.IsPlayerFirst)
        OnFindAndMakeMove();

    // Step 11.
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

    // Step 3.
    myRequest = PoleRequest();
}

void CDivuzDoc::StopEngine()
{
    if (myThread) {
        myThread->StopThread();
        myThread.reset();
    }
    myEngineView = nullptr;
}

bool CDivuzDoc::IsCommandAllowed(int row) const
{
    if (row < 0 || row >= CommandRowCount || !IsValidMode(myData.Mode) ||
        !IsValidGameMode(myData.GameMode))
        return false;
    return allowedInMode[row][myData.Mode] && allowedInGameMode[row][myData.GameMode] &&
           !myData.IsThinking;
}

void CDivuzDoc::PostRequest(int message, int replyCommand, int soundEvent, std::int32_t param)
{
    if (!myThread)
        throw xProgramme("CDivuzDoc::PostRequest : No PoleThread");
    myRequest.ReplyCommand = replyCommand;
    myRequest.SoundEvent = soundEvent;
    myData.IsThinking = true;
    myThread->PostThreadMessage(message, &myRequest, param, ++myTicket);
}

void CDivuzDoc::OnMakeMove(const Place &m)
{
    // Step 1.
    if (!IsCommandAllowed(RowBoardMove))
        return;
    if (myData.GameMode != InProgress)
        throw xProgramme("CDivuzDoc::OnMakeMove : Strange myData.GameMode");

    // Step 2.
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
    // Step 1.
    if (!CheckAndSetResult())
        return;

    // Steps 2 and 3. The Level is read now, so a change reaches the next search.
    const DivuzOptions options = RequireApplication("CDivuzDoc::OnFindAndMakeMove").GetOptions();
    const LevelRequest *request = LevelRequestFor(options.Level, false);
    if (request == nullptr)
        throw xProgramme("CDivuzDoc::OnFindAndMakeMove : Strange Level");

    // Step 4.
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
    // Step 1.
    myData.IsThinking = false;
    myData.SoundEvent = myRequest.SoundEvent;
    myRequest.SoundEvent = SoundNone;
    if (myRequest.IsBadMove)
        myData.SoundEvent = SoundBadMove;

    // Step 2.
    static_cast<PoleResult &>(myData) = static_cast<const PoleResult &>(myRequest);

    // Step 3. The engine is at most one move ahead of the history.
    const BoundedList<Move> &done = myRequest.DoneMoves;
    const int k = done.GetCurSize();
    Stack<HistoryEntry> &history = myData.UndoRedoMoves;
    if (history.GetCurSize() == k) {
        const Move &m = done[k - 1];
        history.Push(HistoryEntry{m.x, m.y, m.iZnak, myRequest.Price2, myRequest.Price1});
    } else if (history.GetCurSize() != k + 1) {
        throw xProgramme("CDivuzDoc::CheckAndSetResult : Error in UndoRedoMoves ");
    }

    // Step 4.
    bool inStep = history.GetCurSize() == k + 1;
    for (int i = 1; inStep && i <= k; ++i) {
        const HistoryEntry &h = history[i];
        const Move &m = done[i - 1];
        inStep = h.x == m.x && h.y == m.y && h.iZnak == m.iZnak;
    }
    if (!inStep)
        throw xProgramme("CDivuzDoc::CheckAndSetResult : Error in UndoRedoMoves or in DoneMoves");

    // Steps 5 and 6. A full board without a line of five is a draw; without
    // it the computer would be asked for a move on a full board for ever.
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

    // Step 7.
    if (IsTournamentWin(myData))
        RequireApplication("CDivuzDoc::Check").PostMainWindowCommand(ID_TOURNAMENT_WIN);

    // Step 8. A finished tournament game can be stepped through and saved.
    if (myData.Mode == ModeTournament && myData.GameMode != InProgress)
        myData.Mode = ModeViewParty;

    // Step 9.
    UpdateAllViews();
    return result;
}

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

bool CDivuzDoc::OnDebugKey(int id)
{
    // Debug mode offers its keys but gives them nothing to do.
    return IsCommandAllowed(DebugKeyRow(id));
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
    const LevelRequest *request = LevelRequestFor(options.Level, true);
    if (request == nullptr)
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

::CommandState CDivuzDoc::CommandState(int id) const
{
    switch (id) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
        return ::CommandState{IsCommandAllowed(RowSave), false};
    case ID_OPTIONS:
        return ::CommandState{IsCommandAllowed(RowOptions), false};
    case ID_EDIT_UNDO:
        return ::CommandState{OnUpdateEditUndo(), false};
    case ID_REDO:
        return ::CommandState{OnUpdateGameRedo(), false};
    case ID_GAME_EDITMODE:
        return ::CommandState{IsCommandAllowed(RowEditMode), myData.Mode == ModeEdit};
    case ID_DEBUG_MODE:
        return ::CommandState{IsCommandAllowed(RowDebugMode), myData.Mode == ModeDebug};
    case ID_HINT:
        return ::CommandState{IsCommandAllowed(RowHint), false};
    case ID_BEST_GAMES:
        return ::CommandState{IsCommandAllowed(RowBestGames), false};
    default:
        if (DebugKeyRow(id) >= 0)
            return ::CommandState{IsCommandAllowed(DebugKeyRow(id)), false};
        return ::CommandState{};
    }
}

void CDivuzDoc::Serialize(ArchiveWriter &ar) const { myData.Serialize(ar); }

void CDivuzDoc::Serialize(ArchiveReader &ar)
{
    DataDivuzDoc opened;
    opened.Serialize(ar);
    CheckOpenedRecord(opened);
    StartOpenedGame(opened);
}

void CDivuzDoc::StartOpenedGame(const DataDivuzDoc &opened)
{
    // Checked before anything changes: without a view the old game stays.
    if (myViews.empty())
        throw xProgramme("CDivuzDoc::Serialize : No view");

    DeleteContents();
    myData = opened;
    // No request of the saved game is out any more.
    myData.IsThinking = false;

    // Only the moves on the board are replayed; the undone ones wait in the
    // history for redo.
    const Stack<HistoryEntry> &history = myData.UndoRedoMoves;
    myEngineView = myViews.front();
    myThread = std::make_unique<PoleThread>(myEngineView->ReplyTarget(),
                                            HistoryMoves(history, 1, history.GetCurSize()));
    // The request must look as if it had just brought the saved position
    // back: a click that ends a saved hint takes its result over before
    // any engine reply could set it.
    static_cast<PoleResult &>(myRequest) = static_cast<const PoleResult &>(myData);
    myRequest.DoneMoves = myThread->Board().DoneMoves();
    myThread->Start();

    UpdateAllViews();
}

bool CDivuzDoc::SaveGame(const QString &path, QString *error) const
{
    const auto fail = [&](const QString &why) {
        if (error != nullptr)
            *error = path + ": " + why;
        return false;
    };
    std::ostringstream bytes;
    ArchiveWriter ar(bytes);
    Serialize(ar);
    const std::string data = bytes.str();

    // The file appears only once it is complete; an unfinished one is
    // discarded when the QSaveFile goes out of scope.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(data.data(), qint64(data.size())) != qint64(data.size()) || !file.commit())
        return fail(file.errorString());
    return true;
}

bool CDivuzDoc::OpenGame(const QString &path, QString *error, QString *caption)
{
    const auto fail = [&](const QString &text, const char *title) {
        if (error != nullptr)
            *error = text;
        if (caption != nullptr)
            *caption = QString::fromUtf8(title);
        return false;
    };
    // A folder opens as a stream here but reads as nothing.
    std::ifstream file;
    if (!QFileInfo(path).isDir())
        file.open(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (!file.is_open())
        return fail(QStringLiteral("Unable to open %1").arg(path), GameFileCaption);

    try {
        ArchiveReader ar(file);
        Serialize(ar);
    } catch (const xBadVersion &) {
        return fail(QString::fromUtf8(InvalidFileFormatText), InvalidFileFormatCaption);
    } catch (const xProgramme &) {
        throw;
    } catch (const xError &) {
        // Truncated, empty or damaged: the user needs no more than that.
        return fail(QString::fromUtf8(UnexpectedFileFormatText), GameFileCaption);
    }
    return true;
}

QString CDivuzDoc::OnUpdateGameStatus() const
{
    int id = 0;
    if (myData.GameMode != InProgress && IsValidGameMode(myData.GameMode))
        id = resultStatus[myData.GameMode];
    else if (myData.GameMode == InProgress && IsValidMode(myData.Mode))
        id = modeStatus[myData.Mode][myData.IsThinking ? 1 : 0];
    const char *text = LoadResourceString(id);
    if (text == nullptr)
        throw xProgramme("CDivuzDoc::OnUpdateGameStatus:No string");
    return QString::fromUtf8(text);
}

int CDivuzDoc::WhichPulse() const
{
    // A finished game stops both clocks; so does a mode no table knows.
    if (myData.GameMode != InProgress || !IsValidMode(myData.Mode))
        return 2;
    return pulseTable[myData.Mode][myData.IsThinking ? 1 : 0];
}

void CDivuzDoc::OnTimePulse()
{
    // Steps 1 and 2.
    std::int32_t *clock = nullptr;
    switch (WhichPulse()) {
    case 0:
        clock = &myData.ComputerTime;
        break;
    case 1:
        clock = &myData.PlayerTime;
        break;
    case 2:
        return;
    default:
        throw xProgramme("CDivuzDoc::OnTimePulse : strange WhichPulse");
    }
    ++*clock;

    // Step 3. The clock window repaints once per whole second.
    if (*clock % 10 == 0) {
        myData.SoundEvent = SoundSecond;
        UpdateAllViews();
    }
}

bool CDivuzDoc::OnCommand(int id)
{
    switch (id) {
    case ID_FIND_AND_MAKE_MOVE:
        OnFindAndMakeMove();
        return true;
    case ID_CHECK_RESULT:
        CheckAndSetResult();
        return true;
    case ID_MOVE_FOUND:
        OnMoveFound();
        return true;
    case ID_HINT_FOUND:
        OnHintFound();
        return true;
    case ID_REDO_SECOND:
        OnRedoSecondMove();
        return true;
    case ID_EDIT_UNDO:
        OnEditUndo();
        return true;
    case ID_REDO:
        OnGameRedo();
        return true;
    case ID_GAME_EDITMODE:
        OnGameEditmode();
        return true;
    case ID_DEBUG_MODE:
        OnGameDegugmode();
        return true;
    case ID_HINT:
        OnGameHint();
        return true;
    default:
        if (DebugKeyRow(id) >= 0) {
            OnDebugKey(id);
            return true;
        }
        return false;
    }
}

bool CDivuzDoc::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == DivuzCommandEvent::EventType()) {
        const auto *command = static_cast<const DivuzCommandEvent *>(event);
        // Commands that answer no request belong to the view.
        if (command->Ticket() == 0)
            return false;
        // A reply left over from a stopped thread or an old request is dropped.
        if (myData.IsThinking && command->Ticket() == myTicket)
            OnCommand(command->Command());
        return true;
    }
    if (event->type() == EngineErrorEvent::EventType()) {
        ReportError(static_cast<const EngineErrorEvent *>(event)->Text());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
