#pragma once

// Turns the 16-bit code of a line around a cell into the class of what the
// side would have there with its sign on the cell, and gives each class its
// threat weight and its evaluation value.

#include "Types.h"

#include <array>
#include <cstdint>

namespace LinePattern {

constexpr int ClassCount = 33;
constexpr std::int32_t Filler = 132; // entries with a digit 3; never looked up

// The class of one code by the rule itself (slow; used to build the table).
std::int32_t Classify(std::uint32_t code);

const std::array<std::int32_t, 65536> &Table();

} // namespace LinePattern

extern const std::int32_t LineWeight[LinePattern::ClassCount];
extern const std::int32_t LineValue[LinePattern::ClassCount];
// A class's key in direction dir: the value in the high half, then the
// weight, then the direction in the two lowest bits. Summing the keys of
// four directions sums their weights and values at once.
extern const std::array<std::array<std::int32_t, LinePattern::ClassCount>, 4> LineKeys;

// The table itself, a flat array indexed by the raw code.
extern const std::int32_t *const LinePatternTable;

// The same table with a byte per code: a quarter of the size, for the
// board's inner loops.
extern const std::uint8_t *const LineClassTable;

// Fills everything but x, y and iZnak of d from the cell's eight codes.
void DescribeCell(const Kletka &cell, MoveDescription &d);

// One point of view from the classes of its four lines.
inline void DescribeSide(const std::uint8_t cls[4], SideLines &s)
{
    // Each direction's weight with the direction in the low bits: the
    // highest key is the highest weight, ties going to the highest-numbered
    // direction, and the second highest key carries the second weight.
    std::int32_t key[4];
    std::int32_t all = 0;
    for (int dir = 0; dir < 4; ++dir) {
        const std::int32_t k = LineKeys[dir][cls[dir]];
        all += k;
        key[dir] = k & 0xFFFF;
    }
    const std::int32_t weightSum = ((all & 0xFFFF) - (0 + 1 + 2 + 3)) >> 2;
    const std::int32_t valueSum = all >> 16;
    const std::int32_t hi01 = key[0] > key[1] ? key[0] : key[1];
    const std::int32_t lo01 = key[0] > key[1] ? key[1] : key[0];
    const std::int32_t hi23 = key[2] > key[3] ? key[2] : key[3];
    const std::int32_t lo23 = key[2] > key[3] ? key[3] : key[2];
    const std::int32_t top = hi01 > hi23 ? hi01 : hi23;
    const std::int32_t lowerTop = hi01 > hi23 ? hi23 : hi01;
    const std::int32_t lowerRest = lo01 > lo23 ? lo01 : lo23;
    const std::int32_t second = lowerTop > lowerRest ? lowerTop : lowerRest;
    s.iMax = top >> 2;
    s.iSecond = second >> 2;
    s.iWeightSum = weightSum;
    s.iValueSum = valueSum;
    s.iMaxDir = top & 3;
}

// The same as DescribeCell from the classes the cell keeps for its lines.
inline void DescribeClasses(const Kletka &cell, MoveDescription &d)
{
    DescribeSide(cell.iClass[0], d.side[0]);
    DescribeSide(cell.iClass[1], d.side[1]);
    d.iTotal = d.side[0].iWeightSum + d.side[1].iWeightSum;
}
