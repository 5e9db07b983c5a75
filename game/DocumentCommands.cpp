// The commands of the document: the enabling table, the state of each
// command's menu item, the status text and the routing of command ids.

#include "DivuzDoc.h"

#include "ResourceText.h"

namespace
{

// The enabling table, one row per command: a command is allowed when its
// row allows both the present Mode and the present GameMode, and no request
// is out.
struct CommandRule {
    bool inMode[ModeCount];         // game, edit, debug, hint, view party, tournament
    bool inGameMode[GameModeCount]; // in progress, player won, computer won, draw
};
// clang-format off
constexpr CommandRule allowed[CommandRowCount] = {
    //                     game edit debug hint view tourn   going won lost draw
    /* save             */ {{1,   1,   1,    1,   1,   0},   {1,    1,  1,   1}},
    /* options          */ {{1,   1,   0,    1,   1,   0},   {1,    1,  1,   1}},
    /* undo             */ {{1,   1,   0,    0,   1,   0},   {1,    1,  1,   0}},
    /* edit mode        */ {{1,   1,   0,    0,   0,   0},   {1,    1,  1,   1}},
    /* debug mode       */ {{0,   1,   1,    0,   0,   0},   {1,    0,  0,   0}},
    /* hint             */ {{1,   0,   0,    0,   0,   0},   {1,    0,  0,   0}},
    /* move on the board*/ {{1,   1,   0,    1,   0,   1},   {1,    0,  0,   0}},
    /* debug key left   */ {{0,   0,   1,    0,   0,   0},   {1,    0,  0,   0}},
    /* debug key right  */ {{0,   0,   1,    0,   0,   0},   {1,    0,  0,   0}},
    /* debug key up     */ {{0,   0,   1,    0,   0,   0},   {1,    0,  0,   0}},
    /* debug key down   */ {{0,   0,   1,    0,   0,   0},   {1,    0,  0,   0}},
    /* debug key A      */ {{0,   0,   1,    0,   0,   0},   {1,    0,  0,   0}},
    /* debug key S      */ {{0,   0,   1,    0,   0,   0},   {1,    0,  0,   0}},
    /* debug key B      */ {{0,   0,   1,    0,   0,   0},   {1,    0,  0,   0}},
    /* redo             */ {{1,   1,   0,    0,   1,   0},   {1,    0,  0,   0}},
    /* best games       */ {{1,   1,   0,    1,   1,   1},   {1,    1,  1,   1}},
};
// clang-format on

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

} // namespace

bool CommandAllowedIn(int row, std::int32_t mode, std::int32_t gameMode)
{
    if (row < 0 || row >= CommandRowCount || !IsValidMode(mode) || !IsValidGameMode(gameMode))
        return false;
    return allowed[row].inMode[mode] && allowed[row].inGameMode[gameMode];
}

int GameStatusTextId(std::int32_t mode, std::int32_t gameMode, bool thinking)
{
    if (gameMode != InProgress && IsValidGameMode(gameMode))
        return resultStatus[gameMode];
    if (gameMode == InProgress && IsValidMode(mode))
        return modeStatus[mode][thinking ? 1 : 0];
    return 0;
}

bool CDivuzDoc::IsCommandAllowed(int row) const
{
    return CommandAllowedIn(row, myData.Mode, myData.GameMode) && !myData.IsThinking;
}

bool CDivuzDoc::OnDebugKey(int id)
{
    // Debug mode offers its keys but gives them nothing to do.
    return IsCommandAllowed(DebugKeyRow(id));
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

QString CDivuzDoc::OnUpdateGameStatus() const
{
    const QString text =
        ResourceText(GameStatusTextId(myData.Mode, myData.GameMode, myData.IsThinking));
    if (text.isEmpty())
        throw xProgramme("CDivuzDoc::OnUpdateGameStatus:No string");
    return text;
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
    case ID_TOURNAMENT_WIN:
        OnTournamentWin();
        return true;
    case ID_BEST_GAMES:
        OnBestGames();
        return true;
    default:
        if (DebugKeyRow(id) >= 0) {
            OnDebugKey(id);
            return true;
        }
        return false;
    }
}
