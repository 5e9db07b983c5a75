#pragma once

// The best-games table by level and by who began: the five best won
// tournament games of the chosen group, with the player's name and the
// number of moves, and the choice of one of them for replay.

#include "BestGames.h"

#include <QDialog>

class QButtonGroup;
class QListWidget;

// The help page of this dialog: help contexts of dialog buttons are 0x10000
// plus the button's id, here "Nápověda" (121).
inline constexpr int BestGamesHelpContext = 0x10000 + 121;

class BestGamesDialog : public QDialog
{
    Q_OBJECT

  public:
    // Starts on the level index of the Level setting (0..10) and on side
    // (0: the player began, 1: the computer; anything else counts as 0).
    // "Zobrazit hru" copies the selected stored game into result and
    // confirms; "Zrušit" leaves result as it was.
    BestGamesDialog(DataDivuzDoc &result, int level, int side, const BestGames &table,
                    QWidget *parent = nullptr);

    void accept() override;

  private:
    void FillList();

    DataDivuzDoc &myResult;
    const BestGames &myTable;
    QButtonGroup *myLevels;
    QButtonGroup *mySides;
    QListWidget *myList;
};
