// Leaf totals remembered by position, and the board's use of them.

#include "LeafCache.h"

#include "Pole.h"

static_assert(LeafCache::Categories == DescriptionTotals::Lively,
              "every category a leaf reads is remembered, and no more");

namespace
{

void Keep(const DescriptionTotals &t, LeafCache::Entry &e)
{
    for (int view = 0; view < 2; ++view) {
        e.iStoneValueSum[view] = t.iStoneValueSum[view];
        e.iStoneBlockSum[view] = t.iStoneBlockSum[view];
        for (int c = 0; c < LeafCache::Categories; ++c)
            e.iCount[view][c] = static_cast<std::int16_t>(t.iCount[view][c]);
    }
}

// The Lively counts stay as they are: no leaf reads them.
void Restore(const LeafCache::Entry &e, DescriptionTotals &t)
{
    for (int view = 0; view < 2; ++view) {
        t.iStoneValueSum[view] = e.iStoneValueSum[view];
        t.iStoneBlockSum[view] = e.iStoneBlockSum[view];
        for (int c = 0; c < LeafCache::Categories; ++c)
            t.iCount[view][c] = e.iCount[view][c];
    }
}

} // namespace

bool LeafCache::Allocate()
{
    myEntries = std::make_unique<Entry[]>(Size);
    return true;
}

std::uint64_t Pole::KeyAfter(const Move &cM) const
{
    return myStoneHash ^ StoneKey(Padded(cM.x, cM.y), ViewOf(cM.iZnak));
}

// The cell to block comes with the totals. Where the leaf's side already had
// a five, or has more than one after the move, the cell remembered may be
// another five than the one a fresh sum-up names, or none; the search then
// either does not use it or reaches the same outcome with any of them.
DescriptionTotals Pole::RememberedLeafTotals(const Move &cM, const Kletka **lastFive)
{
    if (!myLeafCache.InUse())
        return LeafTotalsAfter(cM, lastFive);
    const std::uint64_t key = KeyAfter(cM);
    LeafCache::Entry *e = &myLeafCache.Slot(key);
    // The same stones may have been reached with another last move, so the
    // cell is kept by its place on the board. One that is not near the move
    // cannot be this leaf's (only two positions sharing a key could bring
    // that about), and the leaf is summed up afresh.
    if (myLeafCache.Holds(*e, key) &&
        (e->iFive == LeafCache::NoFive || NearOnALine(cM, myCells[e->iFive]))) {
        DescriptionTotals t = cSummary;
        Restore(*e, t);
        *lastFive = e->iFive == LeafCache::NoFive ? nullptr : &myCells[e->iFive];
        return t;
    }
    const DescriptionTotals t = LeafTotalsAfter(cM, lastFive);
    e->key = key;
    Keep(t, *e);
    e->iFive =
        static_cast<std::int16_t>(*lastFive == nullptr ? LeafCache::NoFive : *lastFive - myCells);
    return t;
}

DescriptionTotals Pole::RememberedBlockTotals(const Move &made, const Move &block,
                                              const DescriptionTotals &afterMade)
{
    const std::uint64_t key =
        KeyAfter(made) ^ StoneKey(Padded(block.x, block.y), ViewOf(block.iZnak));
    LeafCache::Entry *e = myLeafCache.Allocated() ? &myLeafCache.Slot(key) : nullptr;
    DescriptionTotals t = afterMade;
    if (e != nullptr && myLeafCache.Holds(*e, key)) {
        Restore(*e, t);
        return t;
    }
    const Kletka &five = myCells[Padded(block.x, block.y)];
    PutOnLines(made, five);
    t = TotalsAfter<true>(block, afterMade, nullptr);
    LiftFromLines(made, five);
    if (e != nullptr) {
        e->key = key;
        Keep(t, *e);
        e->iFive = LeafCache::NoFive;
    }
    return t;
}
