#pragma once

// Turns the 16-bit code of a line around a cell into the class of what the
// side would have there with its sign on the cell, and gives each class its
// threat weight and its evaluation value.

#include "Types.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace LinePattern
{

constexpr int ClassCount = 33;
constexpr std::int32_t Filler = 132; // entries with a digit 3; never looked up

// The class of one code by the rule itself (slow; used to build the table).
std::int32_t Classify(std::uint32_t code);

const std::array<std::int32_t, 65536> &Table();

} // namespace LinePattern

extern const std::int32_t LineWeight[LinePattern::ClassCount];

// The weights the move filters, the cell categories and the leaf probe test
// against, by the shape of the line that has them. The filters also use the
// weights 16 and 6 of weaker shapes of two and three stones as they are.
constexpr std::int32_t LivelyWeight = 12;     // the least for a lively cell
constexpr std::int32_t ThreeWeight = 24;      // a three (28: a three of stones side by side)
constexpr std::int32_t FourWeight = 32;       // a four: one cell left to a five
constexpr std::int32_t StrongFourWeight = 48; // a four spanning five cells, a free one at each end
constexpr std::int32_t OpenFourWeight = 56;   // an open four: two cells make a five
constexpr std::int32_t FiveWeight = 64;       // a five
extern const std::int32_t LineValue[LinePattern::ClassCount];
// Two directions' classes at once: directions 0 and 1 in LinePairs[0],
// 2 and 3 in LinePairs[1], indexed by first * ClassCount + second. A class's
// key in a direction is the rank of its weight among the distinct weights,
// then the direction in the two lowest bits, so that the highest key is the
// highest weight, ties going to the highest-numbered direction.
struct LinePairKeys {
    std::uint32_t sums; // the two weights added in the low half, the two values in the high half
    std::uint8_t hi;    // the higher key
    std::uint8_t lo;    // the lower one
};
extern const std::array<LinePairKeys, LinePattern::ClassCount * LinePattern::ClassCount>
    LinePairs[2];

// What a side keeps of its two highest lines, by the highest key and the
// rank of the second highest (TopTwoIndex): their weights, the direction of
// the highest, and the categories (a bit per DescriptionSummary::Category) of
// a free cell with those weights.
struct TopTwoLines {
    std::int16_t iMax;
    std::int16_t iSecond;
    std::int8_t iMaxDir;
    std::uint8_t iCategories;
};
constexpr int WeightRanks = 16; // room for every distinct weight
constexpr int TopTwoCount = 4 * WeightRanks * WeightRanks;
constexpr int TopTwoIndex(unsigned topKey, unsigned secondKey)
{
    return static_cast<int>(topKey * WeightRanks + (secondKey >> 2));
}
extern const std::array<TopTwoLines, TopTwoCount> TopTwoTable;

// SideLines keeps the weight sum and the value sum as the low and high half
// of the pair sums, and the fields of TopTwoLines in the same order.
constexpr std::size_t SideLinesTopTwoSize = offsetof(TopTwoLines, iCategories) + 1;
static_assert(std::endian::native == std::endian::little, "the low half is the first field");
static_assert(offsetof(SideLines, iValueSum) == offsetof(SideLines, iWeightSum) + 2);
static_assert(offsetof(SideLines, iSecond) - offsetof(SideLines, iMax) ==
                  offsetof(TopTwoLines, iSecond) &&
              offsetof(SideLines, iMaxDir) - offsetof(SideLines, iMax) ==
                  offsetof(TopTwoLines, iMaxDir) &&
              offsetof(SideLines, iCategories) - offsetof(SideLines, iMax) ==
                  offsetof(TopTwoLines, iCategories));

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
    const std::uint32_t sums = a.sums + b.sums;
    const unsigned top = a.hi > b.hi ? a.hi : b.hi;
    const unsigned lowerTop = a.hi > b.hi ? b.hi : a.hi;
    const unsigned lowerRest = a.lo > b.lo ? a.lo : b.lo;
    const unsigned second = lowerTop > lowerRest ? lowerTop : lowerRest;
    // Two block copies: field by field, the compiler would assemble the
    // 16-bit fields into one wide store, which costs more than it saves.
    std::memcpy(&s.iWeightSum, &sums, sizeof sums);
    std::memcpy(&s.iMax, &TopTwoTable[TopTwoIndex(top, second)], SideLinesTopTwoSize);
}

// The same as DescribeCell from the classes the cell keeps for its lines.
inline void DescribeClasses(const Kletka &cell, MoveDescription &d)
{
    DescribeSide(cell.iClass[0], d.side[0]);
    DescribeSide(cell.iClass[1], d.side[1]);
}
