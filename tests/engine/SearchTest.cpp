#include "DoskaDescription.h"
#include "Levels.h"
#include "Random.h"

#include "EngineTestSupport.h"
#include "Positions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <future>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace
{

// X has four in a row at (5..8, 5) with both ends open; O has scattered stones.
Pole OpenFourForKrest()
{
    return Board({M(5, 5, KREST), M(5, 9, NOL), M(6, 5, KREST), M(12, 12, NOL), M(7, 5, KREST),
                  M(2, 14, NOL), M(8, 5, KREST), M(14, 2, NOL)});
}

} // namespace

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

TEST(Pole, CalcPriceSplitsOneHundredFifty)
{
    Pole empty;
    EXPECT_EQ(empty.CalcPrice(0, 0, KREST, WinValue).iKrest, 150);
    EXPECT_EQ(empty.CalcPrice(0, 0, NOL, WinValue).iNol, 150);
    const PriceSplit split = empty.CalcPrice(0, 0, KREST, 60000000);
    EXPECT_EQ(split.iKrest, 99);
    EXPECT_EQ(split.iNol, 51);
    EXPECT_EQ(empty.CalcPrice(0, 0, KREST, -60000000).iKrest, 50);
    EXPECT_EQ(empty.CalcPrice(0, 0, FREE, 60000000).iKrest, 75);
    // More in X's stones moves the split towards X, at most by 22.
    Pole one = Board({M(9, 9, KREST)});
    const PriceSplit adjusted = one.CalcPrice(9, 9, KREST, 0);
    EXPECT_EQ(adjusted.iKrest,
              75 + static_cast<int>(std::atan(0.02 * 44) * 0.6366199048125918 * 0.15 * 150.0));
    EXPECT_EQ(adjusted.iKrest + adjusted.iNol, 150);
}

TEST(Search, RandomPickStaysWithinTheWindowAtTheTop)
{
    // 100, 90 and 50 at the top: the gap of 40 closes the window after two.
    std::set<int> picked;
    for (unsigned seed = 1; seed <= 64; ++seed) {
        EngineRandom::SetFixedSeed(seed);
        Move moves[] = {
            {1, 0, KREST, 50}, {2, 0, KREST, 100}, {3, 0, KREST, 10}, {4, 0, KREST, 90}};
        picked.insert(PickNearTheTop(moves, 4).x);
    }
    EXPECT_EQ(picked, (std::set<int>{2, 4}));

    // Steps under 33 keep it open all the way down; a lone move is the pick.
    picked.clear();
    for (unsigned seed = 1; seed <= 64; ++seed) {
        EngineRandom::SetFixedSeed(seed);
        Move moves[] = {{1, 0, KREST, 68}, {2, 0, KREST, 100}, {3, 0, KREST, 70}};
        picked.insert(PickNearTheTop(moves, 3).x);
    }
    EXPECT_EQ(picked, (std::set<int>{1, 2, 3}));
    Move one[] = {{7, 7, NOL, -5}};
    EXPECT_EQ(PickNearTheTop(one, 1), one[0]);
}

TEST(FindMove, EmptyAndFullBoards)
{
    for (int level : {-15, -9, 0, 1, 4, 6}) {
        Pole empty;
        EXPECT_EQ(empty.FindMove(NOL, level), (Move{9, 9, NOL, 0}));
    }
    Pole full;
    for (int i = 0; i < CellCount; ++i)
        full.MakeMove(M(i % BoardSize, i / BoardSize, (i / BoardSize) % 4 < 2 ? i % 2 : 1 - i % 2));
    EXPECT_EQ(full.FindMove(KREST, 4), (Move{0, 0, KREST, FullBoardValue}));
    EXPECT_THROW(full.FindMove(FREE, 4), xParam);
    EXPECT_THROW(full.FindMoveInTime(KREST, -1), xParam);
}

TEST(FindMove, TakesAFiveAndBlocksAFive)
{
    EngineRandom::SetFixedSeed(7);
    for (int setting = 0; setting < SettingCount; ++setting) {
        if (CallForSetting(setting).timed && setting > 1)
            continue; // the longer timed settings search the same way as 2 seconds
        Pole win = OpenFourForKrest();
        const Move m = FindMoveForSetting(win, KREST, setting);
        EXPECT_EQ(m.y, 5) << "setting " << setting;
        EXPECT_TRUE(m.x == 4 || m.x == 9) << "setting " << setting;

        // O's four is half-closed: O must block at (13, 10).
        Pole block = Board({M(9, 10, NOL), M(8, 10, KREST), M(10, 10, NOL), M(0, 0, KREST),
                            M(11, 10, NOL), M(18, 0, KREST), M(12, 10, NOL)});
        const Move b = FindMoveForSetting(block, KREST, setting);
        EXPECT_EQ(b.x, 13) << "setting " << setting;
        EXPECT_EQ(b.y, 10) << "setting " << setting;
    }
}

// Searches at every kind of level on random positions leave the board as it
// was, and the leaves worked out without making their moves give the same
// move, value and number of calls as making them, also on a board whose leaf
// cache holds what the searches of the other positions left there.
TEST(FindMove, EverySearchLeavesTheBoardAsItFoundIt)
{
    std::mt19937 rng(99);
    EngineRandom::SetFixedSeed(3);
    // The warm board searches alone: a helper thread's leaves go into the
    // helper's own cache, and how many it takes depends on the timing.
    Pole warm;
    warm.SetSharing(false);
    for (int game = 0; game < 12; ++game) {
        Pole p;
        int sign = KREST;
        const int stones = 4 + static_cast<int>(rng() % 30);
        while (p.DoneMoves().GetCurSize() < stones) {
            const int x = 4 + rng() % 11, y = 4 + rng() % 11;
            if (p.Cell(x, y).iZnak == FREE) {
                p.MakeMove(M(x, y, sign));
                sign = Opponent(sign);
            }
        }
        BoundedList<Place> line(1);
        if (p.CheckVictory(line) != FREE)
            continue;
        const Pole before = p;
        for (int level : {-15, -9, 1, 2, 4, 6}) {
            const std::uint64_t calls = p.SearchCalls();
            EngineRandom::SetFixedSeed(level + 20);
            const Move move = p.FindMove(sign, level);
            ExpectSameBoard(p, before, /*sumsToo=*/false);
            if (level < 0)
                continue;
            Pole made = before;
            made.SetLeafShortcut(false);
            const std::uint64_t madeCalls = made.SearchCalls();
            EngineRandom::SetFixedSeed(level + 20);
            EXPECT_EQ(made.FindMove(sign, level), move) << "game " << game << " level " << level;
            EXPECT_EQ(made.SearchCalls() - madeCalls, p.SearchCalls() - calls);
            warm.SetPosition(before.DoneMoves());
            EngineRandom::SetFixedSeed(level + 20);
            EXPECT_EQ(warm.FindMove(sign, level), move) << "game " << game << " level " << level;
            EXPECT_EQ(warm.SearchCalls(), p.SearchCalls() - calls);
        }
        p.FindMoveInTime(sign, 0);
        ExpectSameBoard(p, before, /*sumsToo=*/false);
        EXPECT_EQ(p.TimeLimit(), 0);
    }
    EXPECT_GT(warm.RememberedLeaves(), 0u);
}

TEST(FindMove, StopRequestUnwindsTheSearchAtOnce)
{
    const std::vector<NamedPosition> positions = LoadPositions(DIVUZ_BENCH_DIR "/positions.txt");
    const NamedPosition &heavy = positions.at(8);
    Pole p = heavy.Board();
    const Pole before = p;

    // Already set: every node returns at its first check.
    p.RequestStop();
    const std::uint64_t calls = p.SearchCalls();
    p.FindMove(heavy.SideToMove(), 8);
    EXPECT_LT(p.SearchCalls() - calls, 20u);
    ExpectSameBoard(p, before, /*sumsToo=*/false);
    p.ClearStop();

    // Set from another thread while a deep search runs.
    auto search =
        std::async(std::launch::async, [&] { return p.FindMove(heavy.SideToMove(), 10); });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    p.RequestStop();
    ASSERT_EQ(search.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    search.get();
    p.ClearStop();
    ExpectSameBoard(p, before, /*sumsToo=*/false);
}

// Deep searches share their nodes' moves with a helper thread, which starts
// moves before the bound they need is known; the moves, values and numbers of
// calls are still those of searching alone, in both phases, on one board
// whose helper goes from position to position.
TEST(FindMove, SharingWithAHelperThreadChangesNothingButTheTime)
{
    const std::vector<NamedPosition> positions = LoadPositions(DIVUZ_BENCH_DIR "/middle_games.txt");
    Pole shared;
    int checked = 0;
    for (std::size_t i = 0; i < positions.size(); i += 4) {
        const NamedPosition &position = positions[i];
        for (int level : {5, 6, 7}) {
            Pole alone = position.Board();
            alone.SetSharing(false);
            EngineRandom::SetFixedSeed(level);
            const Move expected = alone.FindMove(position.SideToMove(), level);

            shared.SetPosition(alone.DoneMoves());
            const std::uint64_t calls = shared.SearchCalls();
            EngineRandom::SetFixedSeed(level);
            EXPECT_EQ(shared.FindMove(position.SideToMove(), level), expected)
                << position.name << " level " << level;
            EXPECT_EQ(shared.SearchCalls() - calls, alone.SearchCalls())
                << position.name << " level " << level;
            EXPECT_EQ(alone.HelpedMoves(), 0u) << position.name << " level " << level;
            ExpectSameBoard(shared, alone, /*sumsToo=*/false);
            ++checked;
        }
    }
    EXPECT_GE(checked, 30);
    // Alike results prove nothing if the helper never searched a move; with
    // a second processor every one of these searches hands some over.
    if (std::thread::hardware_concurrency() < 2)
        GTEST_SKIP() << "one processor: the searches ran without a helper, so only their "
                        "results were compared";
    EXPECT_GT(shared.HelpedMoves(), 0u) << "no move was handed to the helper thread";
}

// The moves and values the engine chooses on the benchmark positions are
// recorded; any change to the engine must reproduce them exactly.
TEST(FindMove, BenchmarkPositionsKeepTheirRecordedMoves)
{
    const std::vector<NamedPosition> positions = LoadPositions(DIVUZ_BENCH_DIR "/positions.txt");
    std::ifstream in(DIVUZ_BENCH_DIR "/expected_moves.txt");
    std::string line;
    int checked = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name;
        int level;
        Move expected;
        fields >> name >> level >> expected.x >> expected.y >> expected.iZnak >> expected.iValue;
        if (level > 6)
            continue; // the deepest level is left to the benchmark
        auto p = std::find_if(positions.begin(), positions.end(),
                              [&](const NamedPosition &n) { return n.name == name; });
        ASSERT_NE(p, positions.end()) << name;
        Pole pole = p->Board();
        EngineRandom::SetFixedSeed(1);
        EXPECT_EQ(pole.FindMove(p->SideToMove(), level), expected) << name << " level " << level;
        ++checked;
    }
    EXPECT_EQ(checked, 48);
}

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
TEST(DoskaDescription, CategoryWalkFindsEveryCellTheFilterTakes)
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
