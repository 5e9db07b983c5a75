#include "StringTable.h"

#include <algorithm>
#include <iterator>

// Marks a text for the translation tools, which read the name; the table
// itself stays free of Qt (ResourceText translates).
#define QT_TRANSLATE_NOOP(context, text) text

namespace
{

struct StringEntry {
    int id;
    const char *text;
};

// Sorted by id for the binary search below. Some texts end in a blank; it
// belongs to the text.
constexpr StringEntry stringTable[] = {
    {101,
     QT_TRANSLATE_NOOP("StringTable", "Initial status bar information for debug tratatatatat")},
    // Command prompts: the status-bar prompt, then after a line break the tooltip.
    {32771,
     QT_TRANSLATE_NOOP("StringTable", "Nastavení obtížnosti, vzhledu, zvuků a hudby\nVolby")},
    {32772, QT_TRANSLATE_NOOP("StringTable", "Začíná hráč\nHráč")},
    {32773, QT_TRANSLATE_NOOP("StringTable", "Začíná počítač\nPočítač")},
    {32774, QT_TRANSLATE_NOOP("StringTable", "Hráč a počítač začínají střídavě\nStřídavě")},
    {32775, QT_TRANSLATE_NOOP("StringTable", "Rozestavění pozice oběma znaky\nEditovací režim")},
    {32777, QT_TRANSLATE_NOOP("StringTable", "Poradí vám tah\nNápověda")},
    {32793, QT_TRANSLATE_NOOP("StringTable", "Otevře uloženou hru\nOtevřít")},
    {32794,
     QT_TRANSLATE_NOOP("StringTable", "Zobrazí nebo skryje informační panel\nInformační panel")},
    {32796, QT_TRANSLATE_NOOP("StringTable", "Zopakuje vrácené tahy\nOpakovat")},
    {32799, QT_TRANSLATE_NOOP("StringTable", "Začne turnajovou hru\nNový turnaj")},
    {32800, QT_TRANSLATE_NOOP("StringTable", "Začne novou hru mimo turnaj\nNová hra")},
    {32801, QT_TRANSLATE_NOOP("StringTable", "Tabulka nejlepších hráčů\nNejlepší hráči")},
    {57600, QT_TRANSLATE_NOOP("StringTable", "Začne novou hru\nNový")},
    {57601, QT_TRANSLATE_NOOP("StringTable", "Otevře uloženou hru\nOtevřít")},
    {57603, QT_TRANSLATE_NOOP("StringTable", "Uloží hru\nUložit")},
    {57604, QT_TRANSLATE_NOOP("StringTable", "Uloží hru do souboru\nUložit")},
    {57643, QT_TRANSLATE_NOOP("StringTable", "Vrátí poslední tahy\nZpět")},
    {57664, QT_TRANSLATE_NOOP("StringTable", "Informace o programu\nO programu")},
    {57665, QT_TRANSLATE_NOOP("StringTable", "Ukončí program\nKonec")},
    {57667, QT_TRANSLATE_NOOP("StringTable", "Témata nápovědy\nNápověda")},
    {59392, QT_TRANSLATE_NOOP("StringTable", "Zobrazí nebo skryje panel nástrojů\nNástroje")},
    {59393, QT_TRANSLATE_NOOP("StringTable", "Zobrazí nebo skryje stavový řádek\nStavový řádek")},
    {IDS_STATUS_GAME, QT_TRANSLATE_NOOP("StringTable", "Váš tah")},
    {IDS_STATUS_EDIT,
     QT_TRANSLATE_NOOP("StringTable", "Make position. Use left and right buttons, Undo.")},
    {IDS_STATUS_DEBUG,
     QT_TRANSLATE_NOOP("StringTable", "Debug mode. Use arrows, 'S' 'B' 'A' keys.")},
    {IDS_STATUS_PLAYER_WON, QT_TRANSLATE_NOOP("StringTable", "Vyhrál jsi !!!")},
    {IDS_STATUS_COMPUTER_WON, QT_TRANSLATE_NOOP("StringTable", "Vyhrál počítač...")},
    {IDS_STATUS_HINT, QT_TRANSLATE_NOOP("StringTable", "Radím vám tento tah.")},
    {IDS_STATUS_DRAW, QT_TRANSLATE_NOOP("StringTable", "Remíza. bez vítěze.")},
    {IDS_STATUS_GAME_THINKING, QT_TRANSLATE_NOOP("StringTable", "My move. I am thinking...")},
    {IDS_STATUS_EDIT_THINKING,
     QT_TRANSLATE_NOOP("StringTable", "Make position. Use left and right buttons, Undo.")},
    {IDS_STATUS_DEBUG_THINKING, QT_TRANSLATE_NOOP("StringTable", "Debug mode.I am thinking.")},
    {IDS_STATUS_HINT_THINKING, QT_TRANSLATE_NOOP("StringTable", "Finding hint...")},
    {IDS_STATUS_VIEW_PARTY, QT_TRANSLATE_NOOP("StringTable", "View party. Use Undo and Redo. ")},
    {IDS_STATUS_TOURNAMENT, QT_TRANSLATE_NOOP("StringTable", "Turnaj : Váš tah.")},
    {IDS_STATUS_VIEW_PARTY_THINKING,
     QT_TRANSLATE_NOOP("StringTable", "View party. Use Undo and Redo. ")},
    {IDS_STATUS_TOURNAMENT_THINKING,
     QT_TRANSLATE_NOOP("StringTable", "Tournament : My move. I am thinking...")},
};

constexpr bool IsSortedById()
{
    for (std::size_t i = 1; i < std::size(stringTable); ++i)
        if (stringTable[i - 1].id >= stringTable[i].id)
            return false;
    return true;
}
static_assert(IsSortedById(), "the string table must stay sorted by id");

} // namespace

const char *LoadResourceString(int id)
{
    const auto *end = std::end(stringTable);
    const auto *it = std::lower_bound(std::begin(stringTable), end, id,
                                      [](const StringEntry &e, int key) { return e.id < key; });
    return it != end && it->id == id ? it->text : nullptr;
}
