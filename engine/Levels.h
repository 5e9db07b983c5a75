#pragma once

// The eleven strength settings the user chooses from, and the engine call
// each one stands for.

#include "Pole.h"

#include <cstdint>

constexpr int SettingCount = 11;

struct SettingCall {
    bool timed = false;     // FindMoveInTime when set, FindMove otherwise
    std::int32_t value = 1; // seconds for a timed call, the level otherwise
};

// Setting 0 is the instant move, 1..5 think 2, 5, 10, 30 or 60 seconds per
// move, 6..10 are the five named levels. Throws xParam outside 0..10.
SettingCall CallForSetting(int setting);

Move FindMoveForSetting(Pole &pole, std::int32_t side, int setting);
