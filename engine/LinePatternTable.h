#pragma once

// Turns the 16-bit code of a line around a cell into the class of what the
// side would have there with its sign on the cell, and gives each class its
// threat weight and its evaluation value.

#include "Types.h"

#include <array>
#include <cstdint>

namespace LinePattern
{

constexpr int ClassCount = 33;
constexpr std::int32_t Filler = 132; // entries with a digit 3; never looked up

// The class of one code by the rule itself (slow; used to build the table).
std::int32_t Classify(std::uint32_t code);

const std::array<std::int32_t, 65536> &Table();

} // namespace LinePattern

extern const std::int32_t LineWeight[LinePattern::ClassCount];
extern const std::int32_t LineValue[LinePattern::ClassCount];
// Two directions' classes at once: directions 0 and 1 in LinePairs[0],
// 2 and 3 in LinePairs[1], indexed by first * ClassCount + second. A class's
// key in a direction is its value in the high half, then its weight, then
// the direction in the two lowest bits, so that summing keys sums weights and
// values at once, and the highest key is the highest weight, ties going to
// the highest-numbered direction.
struct LinePairKeys {
    std::int32_t sum; // the two keys added
    std::uint16_t hi; // the higher key's low half (weight and direction)
    std::uint16_t lo; // the lower one's
};
extern const std::array<LinePairKeys, LinePattern::ClassCount * LinePattern::ClassCount>
    LinePairs[2];

// The categories (a bit per DescriptionSummary::Category) of a free cell by
// the highest and second highest weight of one side.
extern const std::array<std::array<std::uint8_t, 65>, 65> CategoryTable;

// The table itself, a flat array indexed by the raw code.
extern const std::int32_t *const LinePatternTable;

// The board keeps its line codes dense: the same eight digits in base 3
// (digit j weighs 3^j), so that every code is below DenseCodeCount and the
// class table for the board's inner loops, a byte per code, stays small
// enough to sit in the first-level cache.
constexpr int DenseCodeCount = 6561; // 3^8
constexpr std::uint16_t DenseCode(std::uint32_t code)
{
    std::uint32_t dense = 0;
    for (int j = 7; j >= 0; --j)
        dense = 3 * dense + ((code >> (2 * j)) & 3);
    return static_cast<std::uint16_t>(dense);
}
constexpr std::uint16_t SparseCode(std::uint32_t dense)
{
    std::uint32_t code = 0;
    for (int j = 0; j < 8; ++j, dense /= 3)
        code |= (dense % 3) << (2 * j);
    return static_cast<std::uint16_t>(code);
}
// The classes by dense code.
extern const std::uint8_t *const DenseClassTable;

// Fills everything but x, y and iZnak of d from the cell's eight (dense) codes.
void DescribeCell(const Kletka &cell, MoveDescription &d);

// One point of view from the classes of its four lines.
inline void DescribeSide(const std::uint8_t cls[4], SideLines &s)
{
    // The second highest key is the higher of the lower pair's top and the
    // bottoms of both pairs.
    const LinePairKeys &a = LinePairs[0][cls[0] * LinePattern::ClassCount + cls[1]];
    const LinePairKeys &b = LinePairs[1][cls[2] * LinePattern::ClassCount + cls[3]];
    const std::int32_t all = a.sum + b.sum;
    const std::int32_t top = a.hi > b.hi ? a.hi : b.hi;
    const std::int32_t lowerTop = a.hi > b.hi ? b.hi : a.hi;
    const std::int32_t lowerRest = a.lo > b.lo ? a.lo : b.lo;
    const std::int32_t second = lowerTop > lowerRest ? lowerTop : lowerRest;
    s.iMax = top >> 2;
    s.iSecond = second >> 2;
    s.iWeightSum = ((all & 0xFFFF) - (0 + 1 + 2 + 3)) >> 2;
    s.iValueSum = all >> 16;
    s.iMaxDir = static_cast<std::int8_t>(top & 3);
    s.iCategories = CategoryTable[top >> 2][second >> 2];
}

// The same as DescribeCell from the classes the cell keeps for its lines.
inline void DescribeClasses(const Kletka &cell, MoveDescription &d)
{
    DescribeSide(cell.iClass[0], d.side[0]);
    DescribeSide(cell.iClass[1], d.side[1]);
    d.iTotal = d.side[0].iWeightSum + d.side[1].iWeightSum;
}
