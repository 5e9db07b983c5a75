// The description of a position: the threats of each side and what the side
// to move must answer, and the values summed over the stones.

#include "DoskaDescription.h"

#include "EngineTestSupport.h"

#include <gtest/gtest.h>

TEST(DoskaDescription, FourThreeWinsUnlessTheOpponentHasAFour)
{
    // X: two in the row (7, 9), (8, 9) and three in the column (10, 6..8), so
    // (10, 9) makes a four and an open three at once.
    Pole p =
        Board({M(7, 9, KREST), M(0, 0, NOL), M(8, 9, KREST), M(0, 18, NOL), M(10, 6, KREST),
               M(18, 0, NOL), M(10, 7, KREST), M(18, 18, NOL), M(10, 8, KREST), M(10, 5, NOL)});
    DoskaDescription d(p, KREST, ACTIVE);
    EXPECT_GT(d.own.iFourThrees, 0);
    EXPECT_TRUE(d.own.bWin);
    EXPECT_EQ(d.opponent.iStatus, ForcedMove::AnswerFourThree);

    // Give O a four cell of its own (a closed three): nobody wins, and only O
    // must answer.
    Pole q = p;
    const int fillers[3][2] = {{0, 9}, {18, 9}, {13, 14}};
    for (int i = 0; i < 3; ++i) {
        q.MakeMove(M(fillers[i][0], fillers[i][1], KREST));
        q.MakeMove(M(14 + i, 14, NOL));
    }
    DoskaDescription e(q, KREST, ACTIVE);
    EXPECT_GT(e.opponent.iFours, 0);
    EXPECT_FALSE(e.own.bWin);
    EXPECT_EQ(e.opponent.iStatus, ForcedMove::AnswerFourThree);
    EXPECT_EQ(e.own.iStatus, ForcedMove::Nothing);
}

TEST(DoskaDescription, BothDoubleThreesWin)
{
    Pole p = Board({M(4, 4, KREST), M(14, 4, NOL), M(5, 4, KREST), M(15, 4, NOL), M(6, 3, KREST),
                    M(16, 3, NOL), M(6, 2, KREST), M(16, 2, NOL)});
    DoskaDescription d(p, KREST, ACTIVE);
    EXPECT_GT(d.own.iDoubleThrees, 0);
    EXPECT_GT(d.opponent.iDoubleThrees, 0);
    EXPECT_TRUE(d.own.bWin);
    EXPECT_TRUE(d.opponent.bWin);
}

TEST(DoskaDescription, OneStoneInTheCentreIsWorth1441792)
{
    Pole p = Board({M(9, 9, KREST)});
    p.SetEvaluation(Pole::AttackSet, true, KREST);
    DoskaDescription d(p, KREST, ACTIVE);
    EXPECT_EQ(d.own.iStoneValueSum, 44);
    EXPECT_EQ(d.own.iValue, 32768 * 44);
    EXPECT_EQ(d.opponent.iValue, 32768 * 44);
}
