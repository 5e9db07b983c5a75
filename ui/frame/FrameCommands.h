#pragma once

// Command ids of the main window beyond the game commands the document
// handles: the file, view and help commands and the application's own.

#include "DivuzCommands.h"

enum FrameCommandIds : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_DEFAULT_HELP = 57671,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,

    ID_WHO_PLAYER = 32772,
    ID_WHO_COMPUTER = 32773,
    ID_WHO_ALTERNATE = 32774,
    ID_OPEN_GAME = 32793,
    ID_VIEW_INFO = 32794,
    ID_NEW_TOURNAMENT = 32799,
    ID_NEW_GAME = 32800,

    // "Velikost": the view at 100, 150 or 200 %.
    ID_VIEW_ZOOM_100 = 32900,
    ID_VIEW_ZOOM_150 = 32901,
    ID_VIEW_ZOOM_200 = 32902,
};

// The zoom of a "Velikost" command, in percent; 0 for any other command.
inline int ZoomOfCommand(int id)
{
    switch (id) {
    case ID_VIEW_ZOOM_100:
        return 100;
    case ID_VIEW_ZOOM_150:
        return 150;
    case ID_VIEW_ZOOM_200:
        return 200;
    default:
        return 0;
    }
}
