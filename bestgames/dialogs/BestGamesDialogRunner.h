#pragma once

// The best-games dialogs of the windowed program: each runs modally, without
// a parent window, on the user-interface thread.

#include "BestGamesDialogs.h"

class BestGamesDialogRunner : public IBestGamesDialogs
{
  public:
    void AskPlayerName(std::string &name) override;
    bool ChooseBestGame(DataDivuzDoc &chosen, int level, int side, const BestGames &table) override;
};
