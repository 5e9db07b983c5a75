#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace
{

template <typename F> std::string ErrorText(F f)
{
    try {
        f();
    } catch (const xError &e) {
        return e.GetText();
    }
    return "";
}

} // namespace

TEST(Pole, StoneSetsNeighbourDigitsAndBackMoveRestoresThem)
{
    Pole p;
    // The board keeps its codes dense; in 16-bit form, off-board digits are blocked.
    EXPECT_EQ(SparseCode(p.Cell(0, 0).LineCode[1][3]), 0xAA00u);
    EXPECT_EQ(SparseCode(p.Cell(18, 18).LineCode[0][0]), 0x00AAu);
    p.MakeMove(M(9, 9, KREST));
    const Kletka &east = p.Cell(10, 9);
    EXPECT_EQ((SparseCode(east.LineCode[0][3]) >> 6) & 3, 1u); // own for KREST
    EXPECT_EQ((SparseCode(east.LineCode[1][3]) >> 6) & 3, 0u); // blocked for NOL
    EXPECT_EQ(p.Cell(11, 11).iNear, 1);
    EXPECT_EQ(p.Cell(12, 12).iNear, 0);
    EXPECT_EQ(p.Descriptions().GetCurSize(), 17); // the stone and 16 near cells
    p.BackMove();
    ExpectSameBoard(p, Pole());
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
        ExpectSameBoard(partial, replay);

        while (p.DoneMoves().GetCurSize() > 0)
            p.BackMove();
        ExpectSameBoard(p, empty);
    }
}

// A leaf's totals, worked out without making the move, are what making it
// gives, on crowded boards full of threes and fours.
TEST(Pole, LeafTotalsAreThoseTheMoveLeaves)
{
    std::mt19937 rng(777);
    for (int game = 0; game < 12; ++game) {
        Pole p;
        int sign = KREST;
        for (int i = 0; i < 40; ++i, sign = Opponent(sign)) {
            for (int k = 0; k < p.Descriptions().GetCurSize(); ++k) {
                const MoveDescription &d = p.Descriptions()[k];
                if (d.iZnak != FREE)
                    continue;
                for (int side : {KREST, NOL}) {
                    const Move m = M(d.x, d.y, side);
                    DescriptionTotals leaf = p.LeafTotalsAfter(m);
                    // What lets the search skip the sum-up of a leaf.
                    const bool otherCouldWin = p.HasWinningCell(Opponent(side));
                    const bool hadFive = p.Summary().iCount[ViewOf(side)][DescriptionTotals::Five];
                    const bool givesFive = p.GivesFive(m);
                    p.MakeMove(m);
                    DescriptionTotals made = p.Summary();
                    ASSERT_TRUE(otherCouldWin || !p.HasWinningCell(Opponent(side)));
                    ASSERT_TRUE(hadFive || givesFive ||
                                made.iCount[ViewOf(side)][DescriptionTotals::Five] == 0);
                    p.BackMove();
                    for (int v = 0; v < 2; ++v) {
                        leaf.iCount[v][DescriptionTotals::Lively] = 0;
                        made.iCount[v][DescriptionTotals::Lively] = 0;
                    }
                    ASSERT_TRUE(leaf == made)
                        << "game " << game << " move " << i << " at " << d.x << "," << d.y;
                }
            }
            // The next stone near the middle, so that lines build up.
            int x, y;
            do {
                x = 5 + static_cast<int>(rng() % 9);
                y = 5 + static_cast<int>(rng() % 9);
            } while (p.Cell(x, y).iZnak != FREE);
            p.MakeMove(M(x, y, sign));
        }
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
    BoundedList<Place> out(1);
    Pole five = Board({M(3, 9, NOL)});
    for (int i = 0; i < 5; ++i)
        five.MakeMove(M(3 + i, 7, KREST));
    EXPECT_EQ(five.CheckVictory(out), KREST);
    ASSERT_EQ(out.GetCurSize(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(out[i], (Place{3 + i, 7, KREST}));

    const Pole six =
        Board({M(0, 0, NOL), M(1, 0, NOL), M(2, 0, NOL), M(4, 0, NOL), M(5, 0, NOL), M(3, 0, NOL)});
    EXPECT_EQ(six.CheckVictory(out), NOL);
    EXPECT_EQ(out.GetCurSize(), 6);

    const Pole gap =
        Board({M(0, 4, KREST), M(1, 4, KREST), M(2, 4, KREST), M(3, 4, KREST), M(5, 4, KREST)});
    BoundedList<Place> untouched(1);
    EXPECT_EQ(gap.CheckVictory(untouched), FREE);
    EXPECT_EQ(untouched.GetCurSize(), 0);

    // Both sides with five (only reachable by setting a position): KREST
    // counts, on either diagonal.
    Pole both, diagonal;
    for (int i = 0; i < 5; ++i) {
        both.MakeMove(M(i, 10, NOL));
        both.MakeMove(M(10 + i, 3 + i, KREST));
        diagonal.MakeMove(M(i, 12, NOL));
        diagonal.MakeMove(M(14 - i, i, KREST));
    }
    EXPECT_EQ(both.CheckVictory(out), KREST);
    EXPECT_EQ(out[4], (Place{14, 7, KREST}));
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
    EXPECT_EQ(ErrorText([&] { p.MakeMove(M(5, 5, FREE)); }), "Pole::MakeMove : cM.iZnak=FREE");
    ExpectSameBoard(p, before);

    Pole empty;
    EXPECT_EQ(ErrorText([&] { empty.BackMove(); }), "Stack is empty.");

    Pole full;
    for (int i = 0; i < CellCount; ++i)
        full.MakeMove(M(i % BoardSize, i / BoardSize, i % 2 ? NOL : KREST));
    EXPECT_EQ(ErrorText([&] { full.MakeMove(M(0, 0, KREST)); }), "Place to move is occupied");
    EXPECT_EQ(full.DoneMoves().GetCurSize(), CellCount);
}
