#include "Pole.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

Move M(int x, int y, int znak) { return Move{x, y, znak, 0}; }

// Everything a board holds about its cells must match a reference board.
void ExpectSameCells(const Pole &a, const Pole &b)
{
    for (int y = 0; y < BoardSize; ++y)
        for (int x = 0; x < BoardSize; ++x)
            ASSERT_EQ(a.Cell(x, y), b.Cell(x, y)) << "cell " << x << "," << y;
    ASSERT_EQ(a.Descriptions().GetCurSize(), b.Descriptions().GetCurSize());
    for (int i = 0; i < a.Descriptions().GetCurSize(); ++i)
        ASSERT_EQ(a.Descriptions()[i], b.Descriptions()[i]);
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(a.RunningSums()[i], b.RunningSums()[i]);
    ASSERT_EQ(a.DoneMoves().GetCurSize(), b.DoneMoves().GetCurSize());
}

template <typename F>
std::string ErrorText(F f)
{
    try {
        f();
    } catch (const xError &e) {
        return e.GetText();
    }
    return "";
}

} // namespace

TEST(Pole, NewBoardHasOffBoardDigitsBlocked)
{
    Pole p;
    EXPECT_EQ(p.Cell(0, 0).LineCode[0][3], 0xAA00u);
    EXPECT_EQ(p.Cell(0, 0).LineCode[1][3], 0xAA00u);
    EXPECT_EQ(p.Cell(9, 9).LineCode[0][1], 0xAAAAu);
    EXPECT_EQ(p.Cell(18, 18).LineCode[0][0], 0x00AAu);
    BoundedList<Place> out(1);
    EXPECT_EQ(p.CheckVictory(out), FREE);
}

TEST(Pole, StoneSetsNeighbourDigitsAndBackMoveRestoresThem)
{
    Pole p;
    p.MakeMove(M(9, 9, KREST));
    const Kletka &east = p.Cell(10, 9);
    EXPECT_EQ((east.LineCode[0][3] >> 6) & 3, 1u); // own for KREST
    EXPECT_EQ((east.LineCode[1][3] >> 6) & 3, 0u); // blocked for NOL
    EXPECT_EQ(p.Cell(9, 9).iNear, 1);
    EXPECT_EQ(p.Cell(11, 11).iNear, 1);
    EXPECT_EQ(p.Cell(12, 12).iNear, 0);
    EXPECT_EQ(p.Descriptions().GetCurSize(), 17); // the stone and 16 near cells
    p.BackMove();
    EXPECT_EQ(p.Cell(10, 9).LineCode[0][3], 0xAAAAu);
    ExpectSameCells(p, Pole());
}

// Random games, including games that fill the board, taken back to the start
// leave no trace; taking back part way equals replaying the shorter game.
TEST(Pole, MakeAndBackMoveAreExactInverses)
{
    std::mt19937 rng(12345);
    const Pole empty;
    for (int game = 0; game < 40; ++game) {
        std::vector<int> cells(CellCount);
        for (int i = 0; i < CellCount; ++i)
            cells[i] = i;
        std::shuffle(cells.begin(), cells.end(), rng);
        const int length = game % 4 == 0 ? CellCount : 1 + static_cast<int>(rng() % 120);
        Pole p;
        int sign = rng() % 2 ? KREST : NOL;
        for (int i = 0; i < length; ++i, sign = Opponent(sign))
            p.MakeMove(Move{cells[i] % BoardSize, cells[i] / BoardSize, sign,
                            static_cast<int>(rng() % 1000)});

        const int keep = static_cast<int>(rng() % (length + 1));
        Pole replay;
        for (int i = 0; i < keep; ++i)
            replay.MakeMove(p.DoneMoves()[i]);
        Pole partial = p;
        for (int i = length; i > keep; --i)
            partial.BackMove();
        ExpectSameCells(partial, replay);

        while (p.DoneMoves().GetCurSize() > 0)
            p.BackMove();
        ExpectSameCells(p, empty);
    }
}

TEST(Pole, RunningSumsCountWeightsBeforeTheStone)
{
    Pole p;
    p.MakeMove(M(9, 9, KREST));
    // Cell (10, 9) sees the KREST stone as a live two in one line.
    const MoveDescription d = p.Descriptions()[p.Cell(10, 9).iDesc];
    p.MakeMove(M(10, 9, NOL));
    EXPECT_EQ(p.RunningSums()[2], d.side[1].iWeightSum);
    EXPECT_EQ(p.RunningSums()[3], d.side[0].iWeightSum);
    EXPECT_EQ(p.RunningSums()[0], 0); // the first stone had no description yet
}

TEST(Pole, CheckVictoryFindsFiveSixAndNotABrokenFour)
{
    Pole five;
    for (int i = 0; i < 5; ++i) {
        five.MakeMove(M(3 + i, 7, KREST));
        if (i < 4)
            five.MakeMove(M(3 + i, 9, NOL));
    }
    BoundedList<Place> out(1);
    EXPECT_EQ(five.CheckVictory(out), KREST);
    ASSERT_EQ(out.GetCurSize(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(out[i], (Place{3 + i, 7, KREST}));

    Pole six;
    for (int x : {0, 1, 2, 4, 5, 3})
        six.MakeMove(M(x, 0, NOL));
    EXPECT_EQ(six.CheckVictory(out), NOL);
    EXPECT_EQ(out.GetCurSize(), 6);

    Pole gap;
    for (int x : {0, 1, 2, 3, 5})
        gap.MakeMove(M(x, 4, KREST));
    BoundedList<Place> untouched(1);
    EXPECT_EQ(gap.CheckVictory(untouched), FREE);
    EXPECT_EQ(untouched.GetCurSize(), 0);

    // Both sides with five (only reachable by setting a position): KREST counts.
    Pole both;
    for (int i = 0; i < 5; ++i) {
        both.MakeMove(M(i, 10, NOL));
        both.MakeMove(M(10 + i, 3 + i, KREST));
    }
    EXPECT_EQ(both.CheckVictory(out), KREST);
    EXPECT_EQ(out[4], (Place{14, 7, KREST}));
    Pole diagonal;
    for (int i = 0; i < 5; ++i) {
        diagonal.MakeMove(M(i, 12, NOL));
        diagonal.MakeMove(M(14 - i, i, KREST));
    }
    EXPECT_EQ(diagonal.CheckVictory(out), KREST);
    EXPECT_EQ(out[0], (Place{14, 0, KREST}));
}

TEST(Pole, RefusedMovesChangeNothing)
{
    Pole p;
    p.MakeMove(M(4, 4, KREST));
    const Pole before = p;
    EXPECT_EQ(ErrorText([&] { p.MakeMove(M(4, 4, NOL)); }), "Place to move is occupied");
    EXPECT_THROW(p.MakeMove(M(4, 4, NOL)), xMove);
    EXPECT_EQ(ErrorText([&] { p.MakeMove(M(19, 0, NOL)); }), "Index out of range.");
    EXPECT_EQ(ErrorText([&] { p.MakeMove(M(0, -1, NOL)); }), "Index out of range.");
    EXPECT_EQ(ErrorText([&] { p.MakeMove(M(5, 5, FREE)); }), "Pole::MakeMove : cM.iZnak=FREE");
    ExpectSameCells(p, before);

    Pole empty;
    EXPECT_EQ(ErrorText([&] { empty.BackMove(); }), "Stack is empty.");

    Pole full;
    for (int i = 0; i < CellCount; ++i)
        full.MakeMove(M(i % BoardSize, i / BoardSize, i % 2 ? NOL : KREST));
    EXPECT_EQ(ErrorText([&] { full.MakeMove(M(0, 0, KREST)); }), "Place to move is occupied");
    EXPECT_EQ(full.DoneMoves().GetCurSize(), CellCount);
}

TEST(Pole, SetPositionReplaysFromAClearBoardAndCopiesAreIndependent)
{
    BoundedList<Move> moves(3);
    moves.Push(M(9, 9, KREST));
    moves.Push(M(10, 10, NOL));
    moves.Push(M(8, 8, KREST));
    Pole p;
    p.MakeMove(M(0, 0, NOL));
    p.SetPosition(moves);
    Pole expected;
    for (int i = 0; i < 3; ++i)
        expected.MakeMove(moves[i]);
    ExpectSameCells(p, expected);

    Pole copy = p;
    copy.BackMove();
    ExpectSameCells(p, expected);
    p.Clear();
    ExpectSameCells(p, Pole());
}
