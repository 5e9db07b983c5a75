#include "LinePatternTable.h"

#include "Pole.h"

namespace
{

constexpr int Blocked = 0;
constexpr int Own = 1;
constexpr int Free = 2;

// The rule that classes one line. The nine cells at distances -4..+4 are
// c[0..8]; the centre c[4] holds the side's own sign.
constexpr std::int32_t ClassifyLine(std::uint32_t code)
{
    // Three codes the rule would class otherwise.
    if (code == 0x92AA || code == 0xAA86)
        return 1;
    if (code == 0x06A6)
        return 2;

    int c[9] = {};
    for (int j = 0; j < 8; ++j) {
        int digit = static_cast<int>((code >> (2 * j)) & 3);
        if (digit == 3)
            return LinePattern::Filler;
        c[j < 4 ? j : j + 1] = digit;
    }
    c[4] = Own;

    // The segment: the run of unblocked cells through the centre.
    int L = 4, R = 4;
    while (L > 0 && c[L - 1] != Blocked)
        --L;
    while (R < 8 && c[R + 1] != Blocked)
        ++R;
    const int n = R - L + 1;
    if (n < 5)
        return 0;

    int k = 0;
    for (int i = L; i <= R; ++i)
        if (i != 4 && c[i] == Own)
            ++k;

    // Most own stones in a five-cell window of the segment holding the centre.
    auto windowMax = [&](const int *cells) {
        int best = 0;
        for (int s = 0; s <= 4; ++s) {
            if (s < L || s + 4 > R)
                continue;
            int count = 0;
            for (int i = s; i < s + 5; ++i)
                count += cells[i] == Own;
            best = count > best ? count : best;
        }
        return best;
    };
    const int m = windowMax(c);

    auto runThroughCentre = [&](const int *cells) {
        int a = 4, b = 4;
        while (a > 0 && cells[a - 1] == Own)
            --a;
        while (b < 8 && cells[b + 1] == Own)
            ++b;
        return b - a + 1;
    };
    const int run = runThroughCentre(c);

    // Four consecutive own cells with the centre among them, free at both ends.
    auto hasStraightFour = [&](const int *cells) {
        for (int s = 1; s <= 4; ++s) {
            if (s + 4 > 8)
                continue;
            bool four = true;
            for (int i = s; i < s + 4; ++i)
                four = four && cells[i] == Own;
            if (four && cells[s - 1] == Free && cells[s + 4] == Free)
                return true;
        }
        return false;
    };

    // How many free cells of the segment, filled with an own stone, give a
    // line that passes the test.
    auto fillsPassing = [&](auto test) {
        int count = 0;
        for (int f = L; f <= R; ++f) {
            if (c[f] != Free)
                continue;
            int t[9] = {};
            for (int i = 0; i < 9; ++i)
                t[i] = c[i];
            t[f] = Own;
            if (test(t))
                ++count;
        }
        return count;
    };

    // The leftmost and rightmost own stones of the segment.
    auto ownSpan = [&](int &lo, int &hi) {
        lo = 9;
        hi = -1;
        for (int i = L; i <= R; ++i)
            if (c[i] == Own) {
                lo = i < lo ? i : lo;
                hi = i > hi ? i : hi;
            }
    };

    if (m == 5)
        return 24;

    if (m == 4) {
        const int winning = fillsPassing([&](const int *t) { return runThroughCentre(t) >= 5; });
        if (winning >= 2)
            return (k == 4 && hasStraightFour(c)) ? 28 : 14;
        if (k == 3) {
            int lo, hi;
            ownSpan(lo, hi);
            if (hi - lo + 1 == 5 && lo > 0 && hi < 8 && c[lo - 1] == Free && c[hi + 1] == Free)
                return 27;
        }
        if (n == 5)
            return 23;
        return k == 4 ? 29 : 4;
    }

    if (m == 3) {
        if (fillsPassing(hasStraightFour) > 0) {
            if (run >= 3)
                return k == 3 ? 31 : 11;
            return k == 3 ? 30 : 13;
        }
        if (k == 3)
            return 32;
        if (k >= 4)
            return 3;
        // Exactly three stones, all within one window: by their shape.
        int lo, hi;
        ownSpan(lo, hi);
        const int span = hi - lo + 1;
        if (span == 3)
            return 20;
        if (span == 4)
            return 21;
        if (c[lo + 2] == Own)
            return 22; // stone, gap, stone, gap, stone
        return n == 5 ? 3 : 25;
    }

    if (m == 2) {
        int bestGap = 99;
        for (int s = L; s <= R; ++s) {
            if (s == 4 || c[s] != Own)
                continue;
            int windows = 0;
            for (int w = L; w + 4 <= R; ++w) {
                int lo = s < 4 ? s : 4;
                int hi = s < 4 ? 4 : s;
                if (w <= lo && hi <= w + 4)
                    ++windows;
            }
            if (windows >= 2) {
                int gap = (s < 4 ? 4 - s : s - 4) - 1;
                bestGap = gap < bestGap ? gap : bestGap;
            }
        }
        if (bestGap == 0)
            return 10;
        if (bestGap == 1)
            return 15;
        if (bestGap == 2)
            return 12;
        return 2;
    }

    return n == 5 ? 1 : 5;
}

constexpr std::array<std::int32_t, 65536> BuildTable()
{
    std::array<std::int32_t, 65536> table{};
    for (std::uint32_t code = 0; code < 65536; ++code)
        table[code] = ClassifyLine(code);
    return table;
}

// Built by the compiler, so the engine starts with it ready.
constexpr std::array<std::int32_t, 65536> TheTable = BuildTable();

constexpr std::array<std::uint8_t, DenseCodeCount> BuildDenseTable()
{
    std::array<std::uint8_t, DenseCodeCount> bytes{};
    for (std::uint32_t dense = 0; dense < DenseCodeCount; ++dense)
        bytes[dense] = static_cast<std::uint8_t>(TheTable[SparseCode(dense)]);
    return bytes;
}

constexpr std::array<std::uint8_t, DenseCodeCount> TheDenseTable = BuildDenseTable();

} // namespace

constexpr std::int32_t LineWeight[LinePattern::ClassCount] = {
    0,  0,  6,  16, 32, 0,  0, 0,  0,  0,  // 0..9
    14, 28, 12, 24, 56, 13, 0, 0,  0,  0,  // 10..19
    16, 16, 16, 32, 64, 16, 0, 48, 56, 32, // 20..29
    24, 28, 16};                           // 30..32

constexpr std::int32_t LineValue[LinePattern::ClassCount] = {
    0,  0,  8,  11, 16, 11, 0, 0,  0,  0,  // 0..9
    14, 19, 12, 16, 16, 14, 0, 0,  0,  0,  // 10..19
    11, 11, 11, 16, 16, 11, 0, 16, 16, 16, // 20..29
    16, 19, 11};                           // 30..32

namespace
{

constexpr bool IsFour(int w)
{
    return w == FourWeight || w == StrongFourWeight;
}
constexpr bool IsThree(int w)
{
    return w == ThreeWeight || w == 28;
}

// The categories of a free cell by its highest and second highest weight.
constexpr std::uint8_t CategoriesOf(int max, int second)
{
    using S = DescriptionSummary;
    unsigned m = 0;
    if (max >= LivelyWeight)
        m |= 1u << S::Lively;
    if (max >= ThreeWeight)
        m |= 1u << S::ThreeOrBetter;
    if (max == FiveWeight)
        m |= 1u << S::Five;
    else if (max == OpenFourWeight)
        m |= 1u << S::OpenFour;
    else if (IsFour(max)) {
        m |= 1u << S::Four;
        if (IsFour(second))
            m |= 1u << S::DoubleFour;
        else if (IsThree(second))
            m |= 1u << S::FourThree;
    } else if (IsThree(max) && IsThree(second))
        m |= 1u << S::DoubleThree;
    return static_cast<std::uint8_t>(m);
}

// The distinct weights, ascending; a weight's rank is its place here.
struct RankedWeights {
    std::array<std::int32_t, WeightRanks> weight{};
    int count = 0;
};
constexpr RankedWeights BuildRankedWeights()
{
    RankedWeights ranked;
    for (int c = 0; c < LinePattern::ClassCount; ++c) {
        const std::int32_t w = LineWeight[c];
        int at = 0;
        while (at < ranked.count && ranked.weight[at] < w)
            ++at;
        if (at < ranked.count && ranked.weight[at] == w)
            continue;
        for (int k = ranked.count; k > at; --k)
            ranked.weight[k] = ranked.weight[k - 1];
        ranked.weight[at] = w;
        ++ranked.count;
    }
    return ranked;
}
constexpr RankedWeights Ranked = BuildRankedWeights();
static_assert(Ranked.count <= WeightRanks);

constexpr int RankOf(std::int32_t weight)
{
    int r = 0;
    while (Ranked.weight[r] != weight)
        ++r;
    return r;
}

// A class's key in direction dir.
constexpr std::uint8_t LineKey(int dir, int c)
{
    return static_cast<std::uint8_t>(RankOf(LineWeight[c]) << 2 | dir);
}

constexpr std::array<LinePairKeys, LinePattern::ClassCount * LinePattern::ClassCount>
BuildPairKeys(int firstDir)
{
    std::array<LinePairKeys, LinePattern::ClassCount * LinePattern::ClassCount> pairs{};
    for (int a = 0; a < LinePattern::ClassCount; ++a)
        for (int b = 0; b < LinePattern::ClassCount; ++b) {
            const std::uint8_t ka = LineKey(firstDir, a);
            const std::uint8_t kb = LineKey(firstDir + 1, b);
            const std::uint32_t weights = static_cast<std::uint32_t>(LineWeight[a] + LineWeight[b]);
            const std::uint32_t values = static_cast<std::uint32_t>(LineValue[a] + LineValue[b]);
            pairs[a * LinePattern::ClassCount + b] = {values << 16 | weights, ka > kb ? ka : kb,
                                                      ka > kb ? kb : ka};
        }
    return pairs;
}

constexpr std::array<TopTwoLines, TopTwoCount> BuildTopTwo()
{
    std::array<TopTwoLines, TopTwoCount> all{};
    for (int top = 0; top < 4 * Ranked.count; ++top)
        for (int second = 0; second < Ranked.count; ++second) {
            const std::int32_t max = Ranked.weight[top >> 2];
            const std::int32_t next = Ranked.weight[second];
            all[TopTwoIndex(top, second << 2)] = {
                static_cast<std::int16_t>(max), static_cast<std::int16_t>(next),
                static_cast<std::int8_t>(top & 3), CategoriesOf(max, next)};
        }
    return all;
}

} // namespace

constexpr std::array<LinePairKeys, LinePattern::ClassCount * LinePattern::ClassCount> LinePairs[2] =
    {BuildPairKeys(0), BuildPairKeys(2)};
constexpr std::array<TopTwoLines, TopTwoCount> TopTwoTable = BuildTopTwo();
const std::int32_t *const LinePatternTable = TheTable.data();
const std::uint8_t *const DenseClassTable = TheDenseTable.data();

std::int32_t LinePattern::Classify(std::uint32_t code)
{
    return ClassifyLine(code & 0xFFFF);
}

const std::array<std::int32_t, 65536> &LinePattern::Table()
{
    return TheTable;
}

void DescribeCell(const Kletka &cell, MoveDescription &d)
{
    for (int view = 0; view < 2; ++view) {
        std::uint8_t cls[4];
        for (int dir = 0; dir < 4; ++dir)
            cls[dir] = TheDenseTable[cell.LineCode[view][dir]];
        DescribeSide(cls, d.side[view]);
    }
}
