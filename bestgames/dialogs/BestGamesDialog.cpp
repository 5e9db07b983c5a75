#include "BestGamesDialog.h"

#include "DialogUnits.h"
#include "DivuzApplication.h"
#include "RadioTabStop.h"
#include "TabStopDelegate.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

// A radio button of a group: its id, its text, and the value it stands for.
struct Choice {
    const char *id;
    const char *text;
};

// In the order of the level index 0..4.
const Choice LevelChoices[BestLevelCount] = {{"1007", QT_TRANSLATE_NOOP("Levels", "Začátečník")},
                                             {"1009", QT_TRANSLATE_NOOP("Levels", "Amatér")},
                                             {"1008", QT_TRANSLATE_NOOP("Levels", "Pokročilý")},
                                             {"1011", QT_TRANSLATE_NOOP("Levels", "Mistr")},
                                             {"1010", QT_TRANSLATE_NOOP("Levels", "Expert")}};
// Side 0, the player began; side 1, the computer.
const Choice SideChoices[BestSideCount] = {
    {"1013", QT_TRANSLATE_NOOP("BestGamesDialog", "Hráč")},
    {"1016", QT_TRANSLATE_NOOP("BestGamesDialog", "Počítač")}};

// Where the place, the name and the number of moves start, in dialog units.
const int TabStops[] = {15, 37, 174};
const char *const ColumnHeads[] = {QT_TRANSLATE_NOOP("BestGamesDialog", "Místo"),
                                   QT_TRANSLATE_NOOP("BestGamesDialog", " Hráč"),
                                   QT_TRANSLATE_NOOP("BestGamesDialog", "Pohyb")};

QGroupBox *RadioGroup(const QString &title, const char *context, const Choice *choices, int count,
                      QButtonGroup *group, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    for (int i = 0; i < count; ++i) {
        auto *radio = new QRadioButton(QCoreApplication::translate(context, choices[i].text), box);
        radio->setObjectName(choices[i].id);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    layout->addStretch();
    return box;
}

QPushButton *Button(const char *id, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(id);
    button->setAutoDefault(false);
    return button;
}

} // namespace

BestGamesDialog::BestGamesDialog(DataDivuzDoc &result, int level, int side, const BestGames &table,
                                 QWidget *parent)
    : QDialog(parent), myResult(result), myTable(table), myLevels(new QButtonGroup(this)),
      mySides(new QButtonGroup(this))
{
    setObjectName("203");
    setWindowTitle(tr("Best Games"));
    setModal(true);
    const DialogUnits units(font());

    // The list with its column heads standing over the tab stops.
    myList = new QListWidget(this);
    myList->setObjectName("1071");
    myList->setSortingEnabled(false);
    // The rows fit the list: a field too long is cut short, never scrolled.
    myList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QVector<int> stops;
    for (int stop : TabStops)
        stops.push_back(units.X(stop));
    myList->setItemDelegate(new TabStopDelegate(stops, myList));
    auto *heads = new QWidget(this);
    const int listEdge = myList->frameWidth();
    int headHeight = 0;
    for (int i = 0; i < 3; ++i) {
        auto *head = new QLabel(tr(ColumnHeads[i]), heads);
        // "Místo" is wider than the digit under it, so it starts at the edge.
        head->move(listEdge + (i == 0 ? 0 : stops[i]), 0);
        headHeight = std::max(headHeight, head->sizeHint().height());
    }
    heads->setFixedHeight(headHeight);

    auto *show = Button("1", tr("Zobrazit hru"), this);
    show->setDefault(true);
    auto *cancel = Button("2", tr("Zrušit"), this);
    auto *help = Button("121", tr("Nápověda"), this);
    connect(show, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] {
        if (IDivuzApplication *app = FindApplication())
            app->ShowHelp(BestGamesHelpContext);
    });

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(show);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addStretch();
    auto *choices = new QHBoxLayout;
    choices->addWidget(
        RadioGroup(tr("Obtížnost"), "Levels", LevelChoices, BestLevelCount, myLevels, this));
    choices->addWidget(
        RadioGroup(tr("Kdo začíná"), "BestGamesDialog", SideChoices, BestSideCount, mySides, this));
    choices->addStretch();
    choices->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(units.Y(2));
    layout->addWidget(heads);
    layout->addWidget(myList, 1);
    layout->addLayout(choices);

    // Step 1. The group to start on.
    myLevels->button(LevelIndex(level))->setChecked(true);
    mySides->button(side == 1 ? 1 : 0)->setChecked(true);
    TabToCheckedButton(myLevels);
    TabToCheckedButton(mySides);
    // Step 2. Any of the seven radio buttons shows its group.
    connect(myLevels, &QButtonGroup::idClicked, this, &BestGamesDialog::FillList);
    connect(mySides, &QButtonGroup::idClicked, this, &BestGamesDialog::FillList);
    FillList();

    setFixedSize(units.Size(231, 153).expandedTo(sizeHint()));
}

void BestGamesDialog::FillList()
{
    // The stored games fill places 0, 1, ... without gaps: the first empty
    // place ends the group.
    myList->clear();
    for (int place = 0; place < BestPlaceCount; ++place) {
        const DataDivuzDoc game =
            myTable.GetGame(myLevels->checkedId(), mySides->checkedId(), place);
        if (!IsTournamentWin(game))
            break;
        // The bottom entry of the history is no move.
        const int moves = game.UndoRedoMoves.GetRedoLimit() - 1;
        myList->addItem(QString("\t%1\t%2\t%3")
                            .arg(QString::number(place + 1),
                                 QString::fromStdString(game.PlayerName), QString::number(moves)));
    }
    myList->setCurrentRow(0);
}

void BestGamesDialog::accept()
{
    const int row = myList->currentRow();
    if (row >= 0 && row < BestPlaceCount) {
        const DataDivuzDoc game = myTable.GetGame(myLevels->checkedId(), mySides->checkedId(), row);
        if (IsTournamentWin(game))
            myResult = game;
    }
    QDialog::accept();
}
