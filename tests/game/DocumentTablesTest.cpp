// The document's tables, where a typo hides best, checked against the
// numbers the game is specified by, written out here rather than read from
// the code's own tables.

#include "DivuzDoc.h"
#include "PoleThread.h"
#include "StringTable.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

struct ExpectedRequest {
    int message;
    std::int32_t depth;
    std::int32_t seconds;
};

void ExpectRequest(int level, bool forHint, const ExpectedRequest &expected)
{
    const std::optional<LevelRequest> request = LevelRequestFor(level, forHint);
    ASSERT_TRUE(request.has_value()) << "level " << level;
    EXPECT_EQ(request->message, expected.message) << "level " << level << " hint " << forHint;
    EXPECT_EQ(request->depth, expected.depth) << "level " << level << " hint " << forHint;
    EXPECT_EQ(request->seconds, expected.seconds) << "level " << level << " hint " << forHint;
}

} // namespace

TEST(DocumentTables, EachLevelAsksForItsSearchForAMoveAndForAHint)
{
    const int find = WM_POLE_FIND, timed = WM_POLE_FIND_IN_TIME;
    // Level: the computer's move, then the hint.
    const ExpectedRequest table[11][2] = {
        {{find, 1, 1}, {find, 1, 1}},     {{timed, 1, 2}, {timed, 1, 2}},
        {{timed, 1, 5}, {timed, 1, 5}},   {{timed, 1, 10}, {timed, 1, 10}},
        {{timed, 1, 30}, {timed, 1, 30}}, {{timed, 1, 60}, {timed, 1, 60}},
        {{find, -15, 1}, {find, 1, 1}},   {{find, -9, 1}, {find, 1, 1}},
        {{find, 2, 1}, {find, 2, 1}},     {{find, 4, 1}, {find, 4, 1}},
        {{find, 6, 1}, {find, 6, 1}},
    };
    for (int level = 0; level < 11; ++level) {
        ExpectRequest(level, false, table[level][0]);
        ExpectRequest(level, true, table[level][1]);
    }
    for (int level : {-1, 11})
        for (bool forHint : {false, true})
            EXPECT_FALSE(LevelRequestFor(level, forHint).has_value()) << level;
}

TEST(DocumentTables, EachCommandIsAllowedInItsModesAndResults)
{
    // Row: Modes 0..5 (game, edit, debug, hint, view party, tournament),
    // then GameModes 0..3 (in progress, player won, computer won, draw).
    const char *const table[CommandRowCount] = {
        "111110 1111", // save
        "110110 1111", // options
        "110010 1110", // undo
        "110000 1111", // edit mode
        "011000 1000", // debug mode
        "100000 1000", // hint
        "110101 1000", // move on the board
        "001000 1000", // debug key Left
        "001000 1000", // debug key Right
        "001000 1000", // debug key Up
        "001000 1000", // debug key Down
        "001000 1000", // debug key A
        "001000 1000", // debug key S
        "001000 1000", // debug key B
        "110010 1000", // redo
        "110111 1111", // best games
    };
    for (int row = 0; row < CommandRowCount; ++row)
        for (int mode = 0; mode < ModeCount; ++mode)
            for (int result = 0; result < GameModeCount; ++result) {
                const bool expected = table[row][mode] == '1' && table[row][7 + result] == '1';
                EXPECT_EQ(CommandAllowedIn(row, mode, result), expected)
                    << "row " << row << " mode " << mode << " result " << result;
            }
    EXPECT_FALSE(CommandAllowedIn(CommandRowCount, ModeGame, InProgress));
    EXPECT_FALSE(CommandAllowedIn(RowSave, ModeCount, InProgress));
    EXPECT_FALSE(CommandAllowedIn(RowSave, ModeGame, GameModeCount));
}

TEST(DocumentTables, EveryModeAndResultShowsItsStatusText)
{
    // Mode: the text while the player is to move, then while a request is out.
    const char *const modeTexts[ModeCount][2] = {
        {"Váš tah", "My move. I am thinking..."},
        {"Make position. Use left and right buttons, Undo.",
         "Make position. Use left and right buttons, Undo."},
        {"Debug mode. Use arrows, 'S' 'B' 'A' keys.", "Debug mode.I am thinking."},
        {"Radím vám tento tah.", "Finding hint..."},
        {"View party. Use Undo and Redo. ", "View party. Use Undo and Redo. "},
        {"Turnaj : Váš tah.", "Tournament : My move. I am thinking..."},
    };
    const char *const resultTexts[GameModeCount] = {nullptr, "Vyhrál jsi !!!", "Vyhrál počítač...",
                                                    "Remíza. bez vítěze."};
    auto text = [](std::int32_t mode, std::int32_t result, bool thinking) {
        const char *found = LoadResourceString(GameStatusTextId(mode, result, thinking));
        return std::string(found ? found : "(none)");
    };
    for (int mode = 0; mode < ModeCount; ++mode)
        for (bool thinking : {false, true}) {
            EXPECT_EQ(text(mode, InProgress, thinking), modeTexts[mode][thinking ? 1 : 0])
                << "mode " << mode << " thinking " << thinking;
            for (int result = PlayerWon; result < GameModeCount; ++result)
                EXPECT_EQ(text(mode, result, thinking), resultTexts[result])
                    << "mode " << mode << " result " << result;
        }
    EXPECT_EQ(GameStatusTextId(ModeCount, InProgress, false), 0);
    EXPECT_EQ(GameStatusTextId(ModeGame, GameModeCount, false), 0);
}
