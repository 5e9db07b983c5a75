// What a move would do to the board's summary, worked out without making it:
// the search's leaves need no more than the totals a move leaves, and a leaf
// forced to block a five needs the cell to block as well.

#include "LinePatternTable.h"
#include "Neighbours.h"
#include "Pole.h"

#include <array>

namespace
{

// Moves a cell between the category counts of one point of view.
void CountCategories(std::int32_t count[], unsigned was, unsigned is)
{
    for (unsigned changed = was ^ is; changed != 0; changed &= changed - 1) {
        const int c = __builtin_ctz(changed);
        count[c] += (is >> c) & 1 ? 1 : -1;
    }
}

// The highest line weight of a side, from its classes.
int HighestWeight(const std::uint8_t cls[4])
{
    int max = 0;
    for (int dir = 0; dir < 4; ++dir)
        max = LineWeight[cls[dir]] > max ? LineWeight[cls[dir]] : max;
    return max;
}

// For each cell among a stone's neighbours (by its offset from the stone),
// the stone's neighbours that are that cell or one of its own neighbours: the
// only ones whose lines a sum-up around that cell reads.
constexpr int OffsetReach = 4 * (PaddedStride + 1);
using NeighbourMasks = std::array<std::uint32_t, 2 * OffsetReach + 1>;
constexpr NeighbourMasks BuildSharedNeighbours()
{
    NeighbourMasks masks{};
    for (const Neighbour &cell : Neighbours) {
        std::uint32_t mask = 0;
        for (int q = 0; q < int(Neighbours.size()); ++q) {
            const int rel = Neighbours[q].offset - cell.offset;
            bool shared = rel == 0;
            for (const Neighbour &nb : Neighbours)
                shared = shared || nb.offset == rel;
            if (shared)
                mask |= 1u << q;
        }
        masks[cell.offset + OffsetReach] = mask;
    }
    return masks;
}
constexpr NeighbourMasks SharedNeighbours = BuildSharedNeighbours();

} // namespace

DescriptionTotals Pole::LeafTotalsAfter(const Move &cM, const Kletka **lastFive) const
{
    return TotalsAfter<false>(cM, cSummary, lastFive);
}

bool Pole::HasWinningCell(std::int32_t side) const
{
    using S = DescriptionTotals;
    const std::int32_t *count = cSummary.iCount[ViewOf(side)];
    return count[S::Five] != 0 || count[S::OpenFour] != 0 || count[S::DoubleFour] != 0 ||
           count[S::FourThree] != 0 || count[S::DoubleThree] != 0;
}

// A five needs a line of weight 64, and the move raises only the lines of its
// own side through it, one per neighbour.
template <int Own> bool Pole::GivesFiveOn(const Kletka *stone) const
{
    for (const Neighbour &nb : Neighbours) {
        const Kletka &n = stone[nb.offset];
        if (n.iZnak == FREE &&
            LineWeight[DenseClassTable[n.LineCode[Own][nb.dir] - nb.unit]] >= FiveWeight)
            return true;
    }
    return false;
}

bool Pole::GivesFive(const Move &cM) const
{
    const Kletka *stone = &myCells[Padded(cM.x, cM.y)];
    return cM.iZnak == KREST ? GivesFiveOn<0>(stone) : GivesFiveOn<1>(stone);
}

template <bool FromClasses>
DescriptionTotals Pole::TotalsAfter(const Move &cM, const DescriptionTotals &base,
                                    const Kletka **lastFive) const
{
    DescriptionTotals t = base;
    const Kletka *stone = &myCells[Padded(cM.x, cM.y)];
    if (cM.iZnak == KREST)
        CountMove<0, FromClasses>(stone, t, lastFive);
    else
        CountMove<1, FromClasses>(stone, t, lastFive);
    return t;
}

// The search sums up a blocked leaf with the move before it on the lines only.
template DescriptionTotals Pole::TotalsAfter<true>(const Move &, const DescriptionTotals &,
                                                   const Kletka **) const;

// The totals are plain sums over the descriptions, so adding what the move
// would change in each cell it touches (the cells AddKletka describes again)
// gives what making it would, without writing anything. A cell whose highest
// weight stays below a three can change only its Lively category, which no
// leaf reads; it is skipped, so that count is left as it was.
//
// FromClasses: the board's last stone is on the lines only (see ShiftStone),
// so the descriptions near it are stale; every side is described afresh from
// its classes, and a cell counts as described when a stone is near it, as it
// would be on the board with that stone made.
template <int Own, bool FromClasses>
void Pole::CountMove(const Kletka *stone, DescriptionTotals &t, const Kletka **lastFive) const
{
    constexpr int Other = 1 - Own;
    constexpr unsigned FiveBit = 1u << DescriptionTotals::Five;
    const MoveDescription *list = cDescriptions.Data();
    auto described = [&](const Kletka &k) {
        return FromClasses ? k.iNear > 0 && k.iNear < BorderNear : k.iDesc != -1;
    };
    auto sideOf = [&](const Kletka &k, int view) {
        SideLines s;
        if (FromClasses)
            DescribeSide(k.iClass[view], s);
        else
            s = list[k.iDesc].side[view];
        return s;
    };
    // The last cell, in list order, where the stone's side would have five:
    // new descriptions take the slots from the end of the list in the order
    // AddKletka takes them.
    int nextSlot = cDescriptions.GetCurSize();
    int fiveSlot = -1;
    const Kletka *five = nullptr;

    // The cell leaves the free cells and joins the stones; its own lines do
    // not change with its stone, so neither does its description.
    SideLines lines[2];
    if (described(*stone)) {
        for (int view = 0; view < 2; ++view) {
            lines[view] = sideOf(*stone, view);
            CountCategories(t.iCount[view], lines[view].iCategories, 0);
        }
    } else {
        DescribeSide(stone->iClass[0], lines[0]);
        DescribeSide(stone->iClass[1], lines[1]);
        ++nextSlot;
    }
    t.iStoneValueSum[Own] += lines[Own].iValueSum;
    t.iStoneBlockSum[Own] += lines[Other].iWeightSum;

    // Unrolled by direction only, so that each copy reads its lines at fixed
    // places: the whole body 32 times would push the making of moves out of
    // the instruction cache.
#pragma GCC unroll 1
    for (int at = 0; at < int(Neighbours.size()); at += 4)
#pragma GCC unroll 4
        for (int dir = 0; dir < 4; ++dir) {
            const Neighbour &nb = Neighbours[at + dir];
            const Kletka &n = stone[nb.offset];
            // A cell without a description gets one only when the stone is near.
            const bool fresh = !described(n);
            if (fresh && !(nb.near && n.iNear == 0))
                continue;
            const int slot = fresh ? nextSlot++ : n.iDesc;
            std::uint8_t is[2];
            is[Own] = DenseClassTable[n.LineCode[Own][dir] - nb.unit];
            is[Other] = DenseClassTable[n.LineCode[Other][dir] - 2 * nb.unit];
            if (n.iZnak != FREE) {
                const int v = ViewOf(n.iZnak);
                t.iStoneValueSum[v] += LineValue[is[v]] - LineValue[n.iClass[v][dir]];
                t.iStoneBlockSum[v] += LineWeight[is[1 - v]] - LineWeight[n.iClass[1 - v][dir]];
                continue;
            }
            // Both points of view spelt out: as a loop, the view indexes
            // everything at run time and its values do not fit in registers.
#pragma GCC unroll 2
            for (int view = 0; view < 2; ++view) {
                SideLines was;
                if (!fresh) {
                    if (is[view] == n.iClass[view][dir])
                        continue;
                    const int max =
                        FromClasses ? HighestWeight(n.iClass[view]) : list[n.iDesc].side[view].iMax;
                    if (max < ThreeWeight && LineWeight[is[view]] < ThreeWeight)
                        continue;
                    if (!FromClasses) {
                        // The categories follow the two highest weights alone: a
                        // line that keeps its weight, or stays below the second
                        // highest and reaches it at most, changes neither.
                        const int second = list[n.iDesc].side[view].iSecond;
                        const int before = LineWeight[n.iClass[view][dir]];
                        const int after = LineWeight[is[view]];
                        if (before == after || (before < second && after <= second))
                            continue;
                    }
                    was = sideOf(n, view);
                }
                std::uint8_t cls[4] = {n.iClass[view][0], n.iClass[view][1], n.iClass[view][2],
                                       n.iClass[view][3]};
                cls[dir] = is[view];
                SideLines now;
                DescribeSide(cls, now);
                CountCategories(t.iCount[view], was.iCategories, now.iCategories);
                if (!FromClasses && view == Own && (now.iCategories & FiveBit) && slot > fiveSlot) {
                    fiveSlot = slot;
                    five = &n;
                }
            }
        }
    if (lastFive != nullptr)
        *lastFive = five;
}

// Only the line codes, their classes and the counts of stones near change:
// enough for CountMove<.., true> to look one move further, and undone exactly
// by the same call with Sign -1. Only the neighbours in `which` (bits by
// index in Neighbours) are shifted.
template <int Own, int Sign>
void Pole::ShiftStone(Kletka *stone, std::int8_t znak, std::uint32_t which)
{
    stone->iZnak = Sign > 0 ? znak : std::int8_t(FREE);
    stone->iNear = static_cast<std::int8_t>(stone->iNear + Sign);
    for (; which != 0; which &= which - 1) {
        const Neighbour &nb = Neighbours[__builtin_ctz(which)];
        Kletka &n = stone[nb.offset];
        ShiftLine<Own, Sign>(n, nb);
        if (nb.near)
            n.iNear = static_cast<std::int8_t>(n.iNear + Sign);
    }
}

bool Pole::NearOnALine(const Move &cM, const Kletka &cell) const
{
    const std::ptrdiff_t apart = &cell - &myCells[Padded(cM.x, cM.y)];
    return apart >= -OffsetReach && apart <= OffsetReach &&
           SharedNeighbours[apart + OffsetReach] != 0;
}

// A sum-up around `around`, one of the stone's neighbours, reads that cell and
// its own neighbours and nothing else, so only the stone's neighbours among
// them need its stone on their lines.
std::uint32_t Pole::SharedWith(const Move &cM, const Kletka &around) const
{
    return SharedNeighbours[&around - &myCells[Padded(cM.x, cM.y)] + OffsetReach];
}

void Pole::PutOnLines(const Move &cM, const Kletka &around)
{
    Kletka *stone = &myCells[Padded(cM.x, cM.y)];
    if (cM.iZnak == KREST)
        ShiftStone<0, +1>(stone, KREST, SharedWith(cM, around));
    else
        ShiftStone<1, +1>(stone, NOL, SharedWith(cM, around));
}

void Pole::LiftFromLines(const Move &cM, const Kletka &around)
{
    Kletka *stone = &myCells[Padded(cM.x, cM.y)];
    if (cM.iZnak == KREST)
        ShiftStone<0, -1>(stone, KREST, SharedWith(cM, around));
    else
        ShiftStone<1, -1>(stone, NOL, SharedWith(cM, around));
}
