#include "TimeControl.h"

#include "Protocol.h"

#include <gtest/gtest.h>

TEST(TimeControlTest, DeadlineKeepsAMarginInsideTheTurnAndTheMatch)
{
    ManagerClock clock;
    clock.timeoutTurn = 1000;
    TurnBudget b = BudgetForTurn(clock, 10);
    EXPECT_GT(b.deadline, 900);
    EXPECT_LT(b.deadline, 1000);
    EXPECT_EQ(b.target, b.deadline) << "without a match clock the whole turn is there to use";

    clock.timeoutTurn = 0; // as fast as possible
    b = BudgetForTurn(clock, 10);
    EXPECT_EQ(b.deadline, 0);
    EXPECT_EQ(b.target, 0);

    // A match clock: the move's share of what is left, never past the turn
    // or the clock.
    clock.timeoutTurn = 5000;
    clock.timeoutMatch = 100000;
    clock.timeLeft = 20000;
    b = BudgetForTurn(clock, 20);
    EXPECT_GT(b.target, 200);
    EXPECT_LT(b.target, 2000);
    EXPECT_LE(b.deadline, 2 * b.target);
    clock.timeLeft = 10;
    b = BudgetForTurn(clock, 20);
    EXPECT_EQ(b.deadline, 0);
    clock.timeLeft = 20000;
    clock.timeoutMatch = 0; // no limit: time_left means nothing
    EXPECT_GT(BudgetForTurn(clock, 20).deadline, 4000);

    // The largest values the reader lets through give sane budgets.
    clock = {MaxTimeMs, MaxTimeMs, MaxTimeMs};
    b = BudgetForTurn(clock, 0);
    EXPECT_GT(b.target, 0);
    EXPECT_LE(b.deadline, MaxTimeMs);
}

TEST(TimeControlTest, PassStartsWhenItShouldFinishOrTheMoveIsYoung)
{
    const TurnBudget b{1000, 1000};
    EXPECT_TRUE(StartAnotherPass(b, 0, 0, 0));
    EXPECT_TRUE(StartAnotherPass(b, 100, 50, 10)) << "predicted to end at 500";
    EXPECT_TRUE(StartAnotherPass(b, 700, 300, 100)) << "early enough to try";
    EXPECT_FALSE(StartAnotherPass(b, 800, 300, 100)) << "would end at 1700";
    EXPECT_TRUE(StartAnotherPass(b, 800, 10, 5)) << "a cheap pass still fits";
    EXPECT_FALSE(StartAnotherPass(b, 1000, 0, 0)) << "the target is spent";
}
