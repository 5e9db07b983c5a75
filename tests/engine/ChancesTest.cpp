// The chances split shown beside the board: the 150 points shared between
// the players after a search.

#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Chances, CalcPriceSplitsOneHundredFifty)
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
