#include "LinePatternTable.h"

#include <gtest/gtest.h>

#include <map>

TEST(LinePatternTableTest, ClassCountsOverAllMeaningfulCodes)
{
    std::map<int, int> counts;
    for (std::uint32_t code = 0; code < 65536; ++code) {
        bool meaningful = true;
        for (int j = 0; j < 8; ++j)
            meaningful = meaningful && ((code >> (2 * j)) & 3) != 3;
        if (meaningful)
            ++counts[LinePatternTable[code]];
    }
    const std::map<int, int> expected = {
        {0, 3537}, {1, 83},  {2, 427},  {3, 145}, {4, 252},  {5, 32},   {10, 60},  {11, 59},
        {12, 38},  {13, 91}, {14, 104}, {15, 50}, {20, 147}, {21, 230}, {22, 107}, {23, 324},
        {24, 297}, {25, 94}, {27, 28},  {28, 38}, {29, 192}, {30, 50},  {31, 22},  {32, 154}};
    EXPECT_EQ(counts, expected);
}

TEST(LinePatternTableTest, ExampleCodesAndTheThreeExceptions)
{
    const std::map<std::uint32_t, int> examples = {
        {0xAAAA, 5},  {0x0000, 0},  {0x00AA, 1},  {0xAA6A, 10}, {0xAA5A, 11},
        {0xAA66, 13}, {0xAA56, 14}, {0xAA55, 24}, {0xA966, 27}, {0x0658, 4},
        {0xA955, 24}, {0x92AA, 1},  {0xAA86, 1},  {0x06A6, 2}};
    for (const auto &[code, cls] : examples) {
        EXPECT_EQ(LinePatternTable[code], cls) << std::hex << code;
        EXPECT_EQ(LinePattern::Classify(code), cls) << std::hex << code;
    }
}

TEST(LinePatternTableTest, WeightsAndValuesFollowTheThreatScale)
{
    const int weights[][2] = {{24, 64}, {14, 56}, {28, 56}, {27, 48}, {4, 32},  {11, 28},
                              {13, 24}, {3, 16},  {10, 14}, {15, 13}, {12, 12}, {2, 6}};
    for (const auto &[cls, weight] : weights)
        EXPECT_EQ(LineWeight[cls], weight) << cls;
    for (int unused : {5, 6, 9, 16, 19, 26})
        EXPECT_EQ(LineWeight[unused], 0) << unused;
    EXPECT_EQ(LineValue[11] + LineValue[5] + LineValue[2] + LineValue[26], 19 + 11 + 8);
}

TEST(LinePatternTableTest, DescribeCellFindsHighestAndSecondWeights)
{
    const auto describe = [](std::uint32_t const(&krest)[4], std::uint32_t const(&nol)[4]) {
        Kletka cell;
        for (int dir = 0; dir < 4; ++dir) {
            cell.LineCode[0][dir] = krest[dir];
            cell.LineCode[1][dir] = nol[dir];
        }
        MoveDescription d;
        DescribeCell(cell, d);
        return d;
    };
    // Four fours (weight 32) for KREST, four lone stones for NOL: ties go to
    // the highest-numbered direction.
    MoveDescription d =
        describe({0x0658, 0x0658, 0x0658, 0x0658}, {0xAAAA, 0xAAAA, 0xAAAA, 0xAAAA});
    EXPECT_EQ(d.Of(KREST), (SideLines{32, 32, 128, 64, 3}));
    EXPECT_EQ(d.Of(NOL), (SideLines{0, 0, 0, 44, 3}));
    EXPECT_EQ(d.iTotal, 128);
    // Weights 64, 28, 56, 0 and 14, 0, 24, 24.
    d = describe({0xAA55, 0xAA5A, 0xAA56, 0x0000}, {0xAA6A, 0x0000, 0xAA66, 0xAA66});
    EXPECT_EQ(d.Of(KREST), (SideLines{64, 56, 148, 51, 0}));
    EXPECT_EQ(d.Of(NOL), (SideLines{24, 24, 62, 46, 3}));
    EXPECT_EQ(d.iTotal, 210);
}
