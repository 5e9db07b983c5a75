#pragma once

// The eleven strength settings the user chooses from: their names, the
// engine call each one stands for (for the computer's own move and for a
// hint), and the level under which the best-games table files a won game.
// Every part that lists, describes or plays a setting reads this one table.

#include "Pole.h"

#include <array>
#include <cstdint>

constexpr int SettingCount = 11;

struct SettingCall {
    bool timed = false;     // FindMoveInTime when set, FindMove otherwise
    std::int32_t value = 1; // seconds for a timed call, the level otherwise

    bool operator==(const SettingCall &) const = default;
};

struct StrengthSetting {
    const char *name;   // UTF-8, as the options offer it
    SettingCall move;   // the computer's own move
    SettingCall hint;   // the move advised to the player
    int bestGamesLevel; // 0..4: Začátečník, Amatér, Pokročilý, Mistr, Expert
};

// Setting 0 is the instant move, 1..5 think 2, 5, 10, 30 or 60 seconds per
// move, 6..10 are the five named levels. The two weakest named levels hint
// at depth 1; the timed ones hint as long as they think, and the timed
// settings file their wins with Začátečník.
inline constexpr std::array<StrengthSetting, SettingCount> StrengthSettings = {{
    {"Okamžetě", {false, 1}, {false, 1}, 0},
    {"2  sec/tah", {true, 2}, {true, 2}, 0},
    {"5  sec/tah", {true, 5}, {true, 5}, 0},
    {"10 sec/tah", {true, 10}, {true, 10}, 0},
    {"30 sec/tah", {true, 30}, {true, 30}, 0},
    {"60 sec/tah", {true, 60}, {true, 60}, 0},
    {"Začátečník", {false, -15}, {false, 1}, 0},
    {"Amatér", {false, -9}, {false, 1}, 1},
    {"Pokročilý", {false, 2}, {false, 2}, 2},
    {"Mistr", {false, 4}, {false, 4}, 3},
    {"Expert", {false, 6}, {false, 6}, 4},
}};

// The setting's row of the table; throws xParam "Index out of range."
// outside 0..10.
const StrengthSetting &SettingAt(int setting);

// The engine call for the computer's move at a setting.
SettingCall CallForSetting(int setting);

Move FindMoveForSetting(Pole &pole, std::int32_t side, int setting);
