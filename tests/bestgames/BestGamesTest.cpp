// The best-games table itself: its places, the level index, and how new
// games take their rank.

#include "BestGames.h"

#include "BestGamesTestGames.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

template <typename Call> std::string ErrorText(Call call)
{
    try {
        call();
    } catch (const xError &e) {
        return e.GetText();
    }
    return "no error";
}

} // namespace

TEST(BestGamesTableTest, PlacesAreCheckedSideFirstAndLevelThroughTheIndex)
{
    BestGames t;
    EXPECT_EQ(t.GetGame(4, 1, 4).PlayerName, "Anonymous");
    EXPECT_EQ(ErrorText([&] { t.GetGame(0, 2, 5); }), "BestGames::GetGame : Bad Side");
    EXPECT_EQ(ErrorText([&] { t.GetGame(0, 0, 5); }), "BestGames::GetGame : Bad Place");
    EXPECT_EQ(ErrorText([&] { t.GetGame(5, 0, 0); }), "Index out of range.");
    EXPECT_EQ(ErrorText([&] { t.SetGame(DataDivuzDoc(), 0, -1, 0); }),
              "BestGames::SetGame : Bad Side");

    t.SetGame(Win(9, 1, "Eve"), 3, 1, 2);
    EXPECT_EQ(t[2 + 5 * (1 + 2 * 3)].PlayerName, "Eve");
}

TEST(BestGamesTableTest, LevelIndexFilesTimedSettingsWithBeginners)
{
    const int expected[LevelCount] = {0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4};
    for (int level = 0; level < LevelCount; ++level)
        EXPECT_EQ(LevelIndex(level), expected[level]) << level;
    EXPECT_THROW(LevelIndex(11), xParam);
    EXPECT_THROW(LevelIndex(-1), xParam);

    BestGames t;
    t.AddGame(Win(30, 5, "Pokrocily"), AtLevel(8));
    EXPECT_EQ(t[20].PlayerName, "Pokrocily");
    t.AddGame(Win(30, 5, "Timed", false), AtLevel(3));
    EXPECT_EQ(t[5].PlayerName, "Timed") << "level index 0, computer first, place 0";
}

TEST(BestGamesTableTest, NewGamesTakeTheirRankAndTheFifthDropsOut)
{
    BestGames t;
    const int lengths[5] = {20, 25, 30, 35, 40};
    for (int place = 0; place < 5; ++place)
        t.SetGame(Win(lengths[place], 100, 'L' + std::to_string(lengths[place])), 0, 0, place);
    const DivuzOptions beginner = AtLevel(6);

    EXPECT_FALSE(t.IsWorthy(Win(40, 101, "slow"), beginner));
    t.AddGame(Win(40, 101, "slow"), beginner);
    EXPECT_FALSE(t.IsWorthy(Win(40, 100, "equal"), beginner));
    EXPECT_EQ(Names(t, 0, 0), "L20 L25 L30 L35 L40");

    t.AddGame(Win(40, 99, "quick"), beginner);
    EXPECT_EQ(Names(t, 0, 0), "L20 L25 L30 L35 quick");
    t.AddGame(Win(22, 500, "short"), beginner);
    EXPECT_EQ(Names(t, 0, 0), "L20 short L25 L30 L35");
    EXPECT_EQ(Names(t, 0, 1), "Anonymous Anonymous Anonymous Anonymous Anonymous");

    // Only tournament wins are worthy, however short.
    DataDivuzDoc plain = Win(10, 1, "plain"), lost = Win(10, 1, "lost");
    plain.Mode = ModeGame;
    lost.GameMode = ComputerWon;
    EXPECT_FALSE(t.IsWorthy(plain, beginner));
    EXPECT_FALSE(t.IsWorthy(lost, beginner));
    t.AddGame(plain, beginner);
    t.AddGame(lost, beginner);
    EXPECT_EQ(Names(t, 0, 0), "L20 short L25 L30 L35");
}

TEST(BestGamesTableTest, EqualGamesKeepTheirOrderAndANewEqualComesLast)
{
    BestGames t;
    const DivuzOptions expert = AtLevel(10);
    for (const char *name : {"A", "B", "C", "D", "E"})
        t.AddGame(Win(18, 100, name, false), expert);
    EXPECT_FALSE(t.IsWorthy(Win(18, 100, "F", false), expert)) << "equal to the fifth";
    EXPECT_EQ(Names(t, 4, 1), "A B C D E");
}
