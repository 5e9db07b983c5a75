#pragma once

// The string table: the program's user-interface texts, looked up by the
// numeric ids the menus, commands and status panes carry.

// Status texts of the game: one per interaction mode while the player is to
// move, one per mode while the engine works, one per finished result.
enum StatusStringIds : int {
    IDS_STATUS_GAME = 61204,
    IDS_STATUS_EDIT = 61205,
    IDS_STATUS_DEBUG = 61206,
    IDS_STATUS_PLAYER_WON = 61207,
    IDS_STATUS_COMPUTER_WON = 61208,
    IDS_STATUS_HINT = 61209,
    IDS_STATUS_DRAW = 61210,
    IDS_STATUS_GAME_THINKING = 61211,
    IDS_STATUS_EDIT_THINKING = 61212,
    IDS_STATUS_DEBUG_THINKING = 61213,
    IDS_STATUS_HINT_THINKING = 61216,
    IDS_STATUS_VIEW_PARTY = 61218,
    IDS_STATUS_TOURNAMENT = 61219,
    IDS_STATUS_VIEW_PARTY_THINKING = 61220,
    IDS_STATUS_TOURNAMENT_THINKING = 61221
};

inline constexpr StatusStringIds StatusTextIds[] = {IDS_STATUS_GAME,
                                                    IDS_STATUS_EDIT,
                                                    IDS_STATUS_DEBUG,
                                                    IDS_STATUS_PLAYER_WON,
                                                    IDS_STATUS_COMPUTER_WON,
                                                    IDS_STATUS_HINT,
                                                    IDS_STATUS_DRAW,
                                                    IDS_STATUS_GAME_THINKING,
                                                    IDS_STATUS_EDIT_THINKING,
                                                    IDS_STATUS_DEBUG_THINKING,
                                                    IDS_STATUS_HINT_THINKING,
                                                    IDS_STATUS_VIEW_PARTY,
                                                    IDS_STATUS_TOURNAMENT,
                                                    IDS_STATUS_VIEW_PARTY_THINKING,
                                                    IDS_STATUS_TOURNAMENT_THINKING};

// The UTF-8 text with the given id, or nullptr when the table has none.
// The text lives as long as the program.
const char *LoadResourceString(int id);
