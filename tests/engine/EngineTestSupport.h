#pragma once

// Boards for the engine tests and a comparison of everything a board holds.

#include "Pole.h"

#include <gtest/gtest.h>

#include <initializer_list>

inline Move M(int x, int y, int znak) { return Move{x, y, znak, 0}; }

inline Pole Board(std::initializer_list<Move> moves)
{
    Pole p;
    for (const Move &m : moves)
        p.MakeMove(m);
    return p;
}

// The moves, every cell, the descriptions and (a search resets them) the
// running sums agree.
inline void ExpectSameBoard(const Pole &a, const Pole &b, bool sumsToo = true)
{
    ASSERT_EQ(a.DoneMoves().GetCurSize(), b.DoneMoves().GetCurSize());
    for (int i = 0; i < a.DoneMoves().GetCurSize(); ++i)
        ASSERT_EQ(a.DoneMoves()[i], b.DoneMoves()[i]);
    for (int y = 0; y < BoardSize; ++y)
        for (int x = 0; x < BoardSize; ++x)
            ASSERT_EQ(a.Cell(x, y), b.Cell(x, y)) << "cell " << x << "," << y;
    ASSERT_EQ(a.Descriptions().GetCurSize(), b.Descriptions().GetCurSize());
    for (int i = 0; i < a.Descriptions().GetCurSize(); ++i)
        ASSERT_EQ(a.Descriptions()[i], b.Descriptions()[i]);
    for (int i = 0; i < 4 && sumsToo; ++i)
        ASSERT_EQ(a.RunningSums()[i], b.RunningSums()[i]);
}
