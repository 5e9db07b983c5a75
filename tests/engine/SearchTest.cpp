// The search: the pick near the top, the moves it finds, and a search that
// leaves its board as it found it, stopped, shared with a helper or not.

#include "Levels.h"
#include "Random.h"

#include "EngineTestSupport.h"
#include "Positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
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
