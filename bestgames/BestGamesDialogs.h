#pragma once

// The two dialogs of the best-games table as the document runs them: the
// name entry after a tournament win good enough for the table, and the
// table by level and side, from which a stored game can be chosen for
// replay. They are windows, which the document's layer does not link; the
// windowed program supplies them (bestgames/dialogs) and tests answer them
// in code.

#include "BestGames.h"

#include <string>

class IBestGamesDialogs
{
  public:
    virtual ~IBestGamesDialogs() = default;

    // Asks the player's name, showing name first. name takes the edited text
    // when the player confirms and keeps its value when the dialog is closed
    // otherwise (Escape).
    virtual void AskPlayerName(std::string &name) = 0;

    // Shows the table, starting on the level index of the Level setting
    // (0..10) and on side (0: the player began, 1: the computer; anything
    // else counts as 0). True when the player confirmed; chosen then holds
    // the stored game of the selected row, or stays as it was when the group
    // shown has none.
    virtual bool ChooseBestGame(DataDivuzDoc &chosen, int level, int side,
                                const BestGames &table) = 0;

  protected:
    IBestGamesDialogs() = default;
    IBestGamesDialogs(const IBestGamesDialogs &) = default;
    IBestGamesDialogs &operator=(const IBestGamesDialogs &) = default;
};
