#include "LinePatternTable.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The board's dense codes stand for the same lines: every meaningful 16-bit
// code has one, and the dense table gives its class.
TEST(LinePatternTableTest, DenseCodesClassLikeTheirSixteenBitForm)
{
    int meaningful = 0;
    for (std::uint32_t code = 0; code < 65536; ++code) {
        bool digitsOk = true;
        for (int j = 0; j < 8; ++j)
            digitsOk = digitsOk && ((code >> (2 * j)) & 3) != 3;
        if (!digitsOk)
            continue;
        ++meaningful;
        const std::uint16_t dense = DenseCode(code);
        ASSERT_LT(dense, DenseCodeCount) << std::hex << code;
        ASSERT_EQ(SparseCode(dense), code) << std::hex << code;
        ASSERT_EQ(DenseClassTable[dense], LinePatternTable[code]) << std::hex << code;
    }
    EXPECT_EQ(meaningful, DenseCodeCount);
}

// A side's description from its four classes, against the plain rule: the
// highest and second highest weight over the four lines (ties count twice),
// the highest-numbered direction holding the highest, and the sums.
TEST(LinePatternTableTest, DescribeSideFollowsTheRuleForEveryFourClasses)
{
    constexpr int N = LinePattern::ClassCount;
    std::uint8_t cls[4];
    for (int i = 0; i < N * N * N * N; ++i) {
        for (int dir = 0, rest = i; dir < 4; ++dir, rest /= N)
            cls[dir] = static_cast<std::uint8_t>(rest % N);
        int weights[4], maxDir = 0, weightSum = 0, valueSum = 0;
        for (int dir = 0; dir < 4; ++dir) {
            weights[dir] = LineWeight[cls[dir]];
            if (weights[dir] >= weights[maxDir])
                maxDir = dir;
            weightSum += weights[dir];
            valueSum += LineValue[cls[dir]];
        }
        std::sort(weights, weights + 4);
        SideLines s;
        DescribeSide(cls, s);
        ASSERT_EQ(s.iMax, weights[3]) << i;
        ASSERT_EQ(s.iSecond, weights[2]) << i;
        ASSERT_EQ(s.iMaxDir, maxDir) << i;
        ASSERT_EQ(s.iWeightSum, weightSum) << i;
        ASSERT_EQ(s.iValueSum, valueSum) << i;
    }
}
