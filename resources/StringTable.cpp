#include "StringTable.h"

#include <algorithm>
#include <iterator>

namespace {

struct StringEntry {
    int id;
    const char *text;
};

// Sorted by id for the binary search below. Some texts end in a blank; it
// belongs to the text.
constexpr StringEntry stringTable[] = {
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
