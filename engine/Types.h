#pragma once

// The engine's vocabulary: signs, moves and cells.

#include <cstdint>

// Contents of a cell and side of a move.
enum : std::int32_t { NOL = 0, KREST = 1, FREE = 2 };

constexpr std::int32_t Opponent(std::int32_t znak)
{
    return znak == KREST ? NOL : znak == NOL ? KREST : FREE;
}

constexpr int BoardSize = 19;
constexpr int CellCount = BoardSize * BoardSize;

// Special search values.
constexpr std::int32_t WinValue = 100000000;
constexpr std::int32_t FullBoardValue = -200000000;
constexpr std::int32_t NothingFound = 100000001;
constexpr std::int32_t InitiativeBonus = 50000000;

struct Move {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t iZnak = FREE;
    std::int32_t iValue = 0;

    bool operator==(const Move &) const = default;
};

struct Place {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t iZnak = FREE;

    bool operator==(const Place &) const = default;
};

// One side's view of a cell's four lines. Index 0 of the per-side arrays
// below is KREST's point of view, index 1 NOL's. Narrow fields (the last two
// fit in a byte) keep a description in half a cache line.
struct SideLines {
    std::int16_t iWeightSum = 0;  // sum of the four LineWeights
    std::int16_t iValueSum = 0;   // sum of the four LineValues
    std::int16_t iMax = 0;        // highest LineWeight over the four directions
    std::int16_t iSecond = 0;     // second highest
    std::int8_t iMaxDir = 0;      // direction of the highest
    std::uint8_t iCategories = 0; // the summary's category sets a free cell is in

    bool operator==(const SideLines &) const = default;
};

constexpr int ViewOf(std::int32_t znak)
{
    return znak == KREST ? 0 : 1;
}

// What a side would have on a free cell. A stone's description keeps only
// its place and its sign; the rest is zero.
struct MoveDescription {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t iZnak = FREE;
    SideLines side[2];

    const SideLines &Of(std::int32_t znak) const { return side[ViewOf(znak)]; }
    // Both weight sums together; worked out when asked, as it seldom is.
    std::int32_t Total() const { return side[0].iWeightSum + side[1].iWeightSum; }
    bool operator==(const MoveDescription &) const = default;
};

// Narrow fields keep a cell in half a cache line.
struct Kletka {
    std::int8_t x = 0;
    std::int8_t y = 0;
    std::int8_t iZnak = FREE;
    std::int8_t iNear = 0;   // stones within two steps along the lines
    std::int16_t iDesc = -1; // slot in the description list, -1 for none
    // [point of view: KREST, NOL][direction]: eight base-3 digits for the
    // cells at distances -4..-1, +1..+4 (0 blocked, 1 own, 2 free), digit j
    // weighing 3^j: the dense form of the 16-bit code with 2-bit digits.
    std::uint16_t LineCode[2][4] = {};
    // The class of each of those lines, kept with the codes so that a stone
    // nearby needs one look-up per point of view rather than eight.
    std::uint8_t iClass[2][4] = {};

    bool operator==(const Kletka &) const = default;
};

// Directions 0..3 and their unit steps.
constexpr int DirDx[4] = {0, 1, -1, 1};
constexpr int DirDy[4] = {1, 1, 1, 0};
