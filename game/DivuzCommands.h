#pragma once

// Numeric ids shared by the document, the engine thread and the windows:
// the reply commands the engine thread posts back, the commands the document
// posts to the main window, and the game commands of the enabling table.

enum DivuzCommandIds : int {
    ID_GAME_STATUS = 101, // the status-bar pane that shows the game status

    // Replies of the engine thread, named by the request that asks for them.
    ID_FIND_AND_MAKE_MOVE = 102,
    ID_CHECK_RESULT = 103,
    ID_MOVE_FOUND = 104,
    ID_HINT_FOUND = 105,
    ID_REDO_SECOND = 108,

    // Posted by the document to the main window after a won tournament game.
    ID_TOURNAMENT_WIN = 120,

    // Commands of the menu, toolbar and keys whose enabling the document
    // decides (the save commands, options and best games are handled
    // elsewhere but enabled by the document's table).
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_OPTIONS = 32771,
    ID_EDIT_UNDO = 57643,
    ID_REDO = 32796,
    ID_GAME_EDITMODE = 32775,
    ID_DEBUG_MODE = 32776,
    ID_HINT = 32777,
    ID_BEST_GAMES = 32801,

    // The keys of debug mode, without modifiers.
    ID_DEBUG_LEFT = 58112,
    ID_DEBUG_RIGHT = 32784,
    ID_DEBUG_UP = 32782,
    ID_DEBUG_DOWN = 32783,
    ID_DEBUG_A = 32785,
    ID_DEBUG_S = 32786,
    ID_DEBUG_B = 32787,
};

// What a command's menu item and toolbar button show. A command nobody
// restricts is enabled.
struct CommandState {
    bool enabled = true;
    bool checked = false; // the two mode switches carry a check mark

    bool operator==(const CommandState &) const = default;
};

// Private messages to the main window.
enum DivuzWindowMessages : int {
    WM_FIT_FRAME = 1157,
    WM_NEXT_MUSIC = 2022, // the frame starts the next music piece
};

// Rows of the document's enabling table.
enum CommandRows : int {
    RowSave = 0,
    RowOptions = 1,
    RowUndo = 2,
    RowEditMode = 3,
    RowDebugMode = 4,
    RowHint = 5,
    RowBoardMove = 6,
    RowDebugLeft = 7,
    RowDebugRight = 8,
    RowDebugUp = 9,
    RowDebugDown = 10,
    RowDebugA = 11,
    RowDebugS = 12,
    RowDebugB = 13,
    RowRedo = 14,
    RowBestGames = 15,
    CommandRowCount = 16
};
