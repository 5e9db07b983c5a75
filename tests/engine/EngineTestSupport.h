#pragma once

// Boards for the engine tests and a comparison of everything a board holds.

#include "LinePatternTable.h"
#include "Pole.h"

#include <gtest/gtest.h>

#include <initializer_list>

inline Move M(int x, int y, int znak)
{
    return Move{x, y, znak, 0};
}

inline Pole Board(std::initializer_list<Move> moves)
{
    Pole p;
    for (const Move &m : moves)
        p.MakeMove(m);
    return p;
}

// The summary the board keeps, counted afresh from its descriptions.
inline DescriptionSummary Tally(const Pole &p)
{
    using S = DescriptionSummary;
    auto four = [](int w) { return w == 32 || w == 48; };
    auto three = [](int w) { return w == 24 || w == 28; };
    S s;
    for (int i = 0; i < p.Descriptions().GetCurSize(); ++i) {
        const MoveDescription &d = p.Descriptions()[i];
        if (d.iZnak != FREE) {
            // A stone adds its own side's values and blocks the other's weights.
            MoveDescription fresh;
            DescribeCell(p.Cell(d.x, d.y), fresh);
            const int v = ViewOf(d.iZnak);
            s.iStoneValueSum[v] += fresh.side[v].iValueSum;
            s.iStoneBlockSum[v] += fresh.side[1 - v].iWeightSum;
            continue;
        }
        for (int v = 0; v < 2; ++v) {
            const int max = d.side[v].iMax, second = d.side[v].iSecond;
            auto put = [&](S::Category c) {
                ++s.iCount[v][c];
                s.cMembers[i / 64][v][c] |= std::uint64_t(1) << (i % 64);
            };
            if (max == 64)
                put(S::Five);
            if (max == 56)
                put(S::OpenFour);
            if (four(max))
                put(S::Four);
            if (four(max) && four(second))
                put(S::DoubleFour);
            if (four(max) && three(second))
                put(S::FourThree);
            if (three(max) && three(second))
                put(S::DoubleThree);
            if (max >= 24)
                put(S::ThreeOrBetter);
            if (max >= 12)
                put(S::Lively);
        }
    }
    return s;
}

// Every description of a free cell is what describing it afresh gives; a
// stone's keeps only its place and sign.
inline void ExpectFreshDescriptions(const Pole &p)
{
    for (int i = 0; i < p.Descriptions().GetCurSize(); ++i) {
        const MoveDescription &d = p.Descriptions()[i];
        MoveDescription fresh = d;
        fresh.side[0] = fresh.side[1] = SideLines{};
        if (d.iZnak == FREE)
            DescribeCell(p.Cell(d.x, d.y), fresh);
        ASSERT_EQ(d, fresh) << "cell " << d.x << "," << d.y;
    }
}

// The moves, every cell, the descriptions, the summary over them and (a
// search resets them) the running sums agree.
inline void ExpectSameBoard(const Pole &a, const Pole &b, bool sumsToo = true)
{
    ASSERT_EQ(a.DoneMoves().GetCurSize(), b.DoneMoves().GetCurSize());
    for (int i = 0; i < a.DoneMoves().GetCurSize(); ++i)
        ASSERT_EQ(a.DoneMoves()[i], b.DoneMoves()[i]);
    for (int y = 0; y < BoardSize; ++y)
        for (int x = 0; x < BoardSize; ++x) {
            const Kletka &cell = a.Cell(x, y);
            ASSERT_EQ(cell, b.Cell(x, y)) << "cell " << x << "," << y;
            for (int view = 0; view < 2; ++view)
                for (int dir = 0; dir < 4; ++dir)
                    ASSERT_EQ(cell.iClass[view][dir],
                              LinePatternTable[SparseCode(cell.LineCode[view][dir])]);
        }
    ASSERT_EQ(a.Descriptions().GetCurSize(), b.Descriptions().GetCurSize());
    for (int i = 0; i < a.Descriptions().GetCurSize(); ++i)
        ASSERT_EQ(a.Descriptions()[i], b.Descriptions()[i]);
    ASSERT_TRUE(a.CodesInRange());
    ExpectFreshDescriptions(a);
    ASSERT_TRUE(a.Summary() == Tally(a));
    ASSERT_TRUE(b.Summary() == Tally(b));
    for (int i = 0; i < 4 && sumsToo; ++i)
        ASSERT_EQ(a.RunningSums()[i], b.RunningSums()[i]);
}
