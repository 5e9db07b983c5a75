#include "BestGamesDialogRunner.h"

#include "BestGamesDialog.h"
#include "NameEntryDialog.h"

void BestGamesDialogRunner::AskPlayerName(std::string &name)
{
    NameEntryDialog dialog(name);
    dialog.exec();
}

bool BestGamesDialogRunner::ChooseBestGame(DataDivuzDoc &chosen, int level, int side,
                                           const BestGames &table)
{
    BestGamesDialog dialog(chosen, level, side, table);
    return dialog.exec() == QDialog::Accepted;
}
