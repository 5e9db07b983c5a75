#pragma once

// The cells a stone changes: those within four steps along its four lines,
// and how a stone put down or lifted changes the code of their line.

#include "LinePatternTable.h"
#include "Pole.h"

#include <array>
#include <cstdint>

// The cells within four steps of a cell along its four lines, as offsets on
// the padded board, in the order a stone updates them: distance -4..-1,
// +1..+4, and within each distance directions 0..3. Taking a stone back walks
// the same list backwards. The border cells among them are never described
// and never counted near, so every cell has the same list.
struct Neighbour {
    int offset;         // from the stone's cell to the neighbour
    int dir;            // the direction of the line
    bool near;          // within two steps: counts towards iNear
    std::uint16_t unit; // the weight of the digit that stands for the stone, 3^j
};

constexpr std::array<Neighbour, 32> BuildNeighbours()
{
    std::array<Neighbour, 32> all{};
    constexpr int order[8] = {-4, -3, -2, -1, 1, 2, 3, 4};
    int count = 0;
    for (int k : order)
        for (int dir = 0; dir < 4; ++dir) {
            const int p = -k; // where the stone stands as seen from the neighbour
            const int digit = p < 0 ? p + 4 : p + 3;
            int unit = 1;
            for (int j = 0; j < digit; ++j)
                unit *= 3;
            all[count++] = {k * (DirDx[dir] + PaddedStride * DirDy[dir]), dir, k >= -2 && k <= 2,
                            static_cast<std::uint16_t>(unit)};
        }
    return all;
}

inline constexpr std::array<Neighbour, 32> Neighbours = BuildNeighbours();
static_assert(
    [] {
        for (int i = 0; i < int(Neighbours.size()); ++i)
            if (Neighbours[i].dir != i % 4)
                return false;
        return true;
    }(),
    "the directions take turns, so a loop over them can stand for nb.dir");

// A border cell's count of stones near it, so high that it never drops to
// zero and never rises from it, and above any real cell's count.
constexpr std::int8_t BorderNear = 64;

// A stone of point of view Own put down (Sign +1: its digit goes from free to
// own, and to blocked for the other view) or lifted (Sign -1) on the line of
// neighbour n, with the line's classes looked up again.
template <int Own, int Sign> inline void ShiftLine(Kletka &n, const Neighbour &nb)
{
    constexpr int Other = 1 - Own;
    n.LineCode[Own][nb.dir] -= Sign * nb.unit;
    n.LineCode[Other][nb.dir] -= Sign * 2 * nb.unit;
    n.iClass[Own][nb.dir] = DenseClassTable[n.LineCode[Own][nb.dir]];
    n.iClass[Other][nb.dir] = DenseClassTable[n.LineCode[Other][nb.dir]];
}
