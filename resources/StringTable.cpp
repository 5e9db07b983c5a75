#include "StringTable.h"

#include <algorithm>
#include <iterator>

namespace
{

struct StringEntry {
    int id;
    const char *text;
};

// Sorted by id for the binary search below. Some texts end in a blank; it
// belongs to the text.
constexpr StringEntry stringTable[] = {
    {101, "Initial status bar information for debug tratatatatat"},
    // Command prompts: the status-bar prompt, then after a line break the tooltip.
    {32771, "Nastavení obtížnosti, vzhledu, zvuků a hudby\nVolby"},
    {32772, "Začíná hráč\nHráč"},
    {32773, "Začíná počítač\nPočítač"},
    {32774, "Hráč a počítač začínají střídavě\nStřídavě"},
    {32775, "Rozestavění pozice oběma znaky\nEditovací režim"},
    {32777, "Poradí vám tah\nNápověda"},
    {32793, "Otevře uloženou hru\nOtevřít"},
    {32794, "Zobrazí nebo skryje informační panel\nInformační panel"},
    {32796, "Zopakuje vrácené tahy\nOpakovat"},
    {32799, "Začne turnajovou hru\nNový turnaj"},
    {32800, "Začne novou hru mimo turnaj\nNová hra"},
    {32801, "Tabulka nejlepších hráčů\nNejlepší hráči"},
    {57600, "Začne novou hru\nNový"},
    {57601, "Otevře uloženou hru\nOtevřít"},
    {57603, "Uloží hru\nUložit"},
    {57604, "Uloží hru do souboru\nUložit"},
    {57643, "Vrátí poslední tahy\nZpět"},
    {57664, "Informace o programu\nO programu"},
    {57665, "Ukončí program\nKonec"},
    {57667, "Témata nápovědy\nNápověda"},
    {59392, "Zobrazí nebo skryje panel nástrojů\nNástroje"},
    {59393, "Zobrazí nebo skryje stavový řádek\nStavový řádek"},
    {IDS_STATUS_GAME, "Váš tah"},
    {IDS_STATUS_EDIT, "Make position. Use left and right buttons, Undo."},
    {IDS_STATUS_DEBUG, "Debug mode. Use arrows, 'S' 'B' 'A' keys."},
    {IDS_STATUS_PLAYER_WON, "Vyhrál jsi !!!"},
    {IDS_STATUS_COMPUTER_WON, "Vyhrál počítač..."},
    {IDS_STATUS_HINT, "Radím vám tento tah."},
    {IDS_STATUS_DRAW, "Remíza. bez vítěze."},
    {IDS_STATUS_GAME_THINKING, "My move. I am thinking..."},
    {IDS_STATUS_EDIT_THINKING, "Make position. Use left and right buttons, Undo."},
    {IDS_STATUS_DEBUG_THINKING, "Debug mode.I am thinking."},
    {IDS_STATUS_HINT_THINKING, "Finding hint..."},
    {IDS_STATUS_VIEW_PARTY, "View party. Use Undo and Redo. "},
    {IDS_STATUS_TOURNAMENT, "Turnaj : Váš tah."},
    {IDS_STATUS_VIEW_PARTY_THINKING, "View party. Use Undo and Redo. "},
    {IDS_STATUS_TOURNAMENT_THINKING, "Tournament : My move. I am thinking..."},
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
