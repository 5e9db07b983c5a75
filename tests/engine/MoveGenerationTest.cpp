// Move generation: the cells a search node tries, walked through the board's
// category sets, against the same filter put over every free cell.

#include "DoskaDescription.h"

#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace
{

// The seed of a test's random boards: DIVUZ_TEST_SEED when set, as for the
// other test programs, and printed, so that a failure can be replayed.
unsigned BoardSeed()
{
    const char *given = std::getenv("DIVUZ_TEST_SEED");
    const unsigned seed =
        given != nullptr ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : 20261208u;
    std::printf("random seed %u (DIVUZ_TEST_SEED)\n", seed);
    return seed;
}

bool SameMoves(const BoundedList<Move> &a, const BoundedList<Move> &b)
{
    if (a.GetCurSize() != b.GetCurSize())
        return false;
    for (int i = 0; i < a.GetCurSize(); ++i)
        if (!(a[i] == b[i]))
            return false;
    return true;
}

std::string MovesText(const BoundedList<Move> &moves)
{
    std::string text;
    for (int i = 0; i < moves.GetCurSize(); ++i)
        text += std::to_string(moves[i].x) + "," + std::to_string(moves[i].y) + ":" +
                std::to_string(moves[i].iValue) + " ";
    return text;
}

} // namespace

// A node's filter sees only the cells in the category sets it walks. On
// crowded random boards, on the way up and on the way back, for every kind
// of node, phase, side to move and depth, those sets hold every free cell
// the filter takes: the candidates, in order, are those of putting every
// free described cell through it.
TEST(MoveGeneration, CategoryWalkFindsEveryCellTheFilterTakes)
{
    const unsigned seed = BoardSeed();
    SCOPED_TRACE("random seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    int forced[5] = {}; // nodes by what the side to move must answer
    auto compare = [&](Pole &p, int game) {
        for (bool attackPhase : {false, true})
            for (int side : {KREST, NOL}) {
                p.SetEvaluation(attackPhase ? Pole::AttackSet : Pole::DefenceSet, attackPhase,
                                side);
                for (eSearchMode mode : {PASSIVE, ACTIVE, ATTACK, DEFENCE}) {
                    DoskaDescription d(p, side, mode);
                    ++forced[static_cast<int>(d.own.iStatus)];
                    // Every depth where a filter or the walk changes its threshold.
                    for (int depth : {0, 1, 2, 3, 4, 5, 6, 7, 13, 20, 21}) {
                        d.GenerateMoves(depth, false);
                        const BoundedList<Move> walked = p.Candidates();
                        d.GenerateMovesByScan(depth);
                        ASSERT_TRUE(SameMoves(walked, p.Candidates()))
                            << "game " << game << ", " << p.DoneMoves().GetCurSize()
                            << " stones, side " << side << ", mode " << mode << ", phase "
                            << attackPhase << ", depth " << depth
                            << "\nwalked:  " << MovesText(walked)
                            << "\nscanned: " << MovesText(p.Candidates());
                    }
                }
            }
    };
    for (int game = 0; game < 16; ++game) {
        Pole p;
        int sign = rng() % 2 ? KREST : NOL;
        const int stones = 6 + static_cast<int>(rng() % 50);
        for (int tries = 0; p.DoneMoves().GetCurSize() < stones && tries < 10000; ++tries) {
            // Near the middle, so that threes and fours build up; never a
            // five, after which no search goes on.
            const int x = 4 + static_cast<int>(rng() % 11), y = 4 + static_cast<int>(rng() % 11);
            const Kletka &cell = p.Cell(x, y);
            if (cell.iZnak != FREE ||
                (cell.iDesc != -1 && p.Descriptions()[cell.iDesc].Of(sign).iMax == FiveWeight))
                continue;
            p.MakeMove(M(x, y, sign));
            sign = Opponent(sign);
            compare(p, game);
            if (HasFatalFailure())
                return;
        }
        // Taken back, the sets lose their cells as they gained them.
        for (const int keep = p.DoneMoves().GetCurSize() / 2; p.DoneMoves().GetCurSize() > keep;) {
            p.BackMove();
            compare(p, game);
            if (HasFatalFailure())
                return;
        }
    }
    std::printf("nodes by forced answer: none %d, open four %d, five %d, double four %d, "
                "four-three %d\n",
                forced[0], forced[1], forced[2], forced[3], forced[4]);
    // Each forced answer walks sets of its own; all of them must have been met.
    EXPECT_GT(forced[static_cast<int>(ForcedMove::AnswerOpenFour)], 0);
    EXPECT_GT(forced[static_cast<int>(ForcedMove::AnswerDoubleFour)], 0);
    EXPECT_GT(forced[static_cast<int>(ForcedMove::AnswerFourThree)], 0);
}
