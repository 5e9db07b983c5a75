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

// The table itself, a flat array indexed by the raw code.
extern const std::int32_t *const LinePatternTable;

// Fills everything but x, y and iZnak of d from the cell's eight codes.
void DescribeCell(const Kletka &cell, MoveDescription &d);
