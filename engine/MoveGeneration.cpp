// Move generation: the cells a search node tries, each with the value that
// orders them. Which cells a node accepts depends on its kind, its depth
// and what the side to move is forced to answer.

#include "DoskaDescription.h"

#include "LinePatternTable.h"

#include <cstdlib>

namespace
{

bool InDepth(std::int32_t d)
{
    return d >= 1 && d <= 20;
}

bool OwnThreat(std::int32_t d, std::int32_t max, std::int32_t second)
{
    if (!InDepth(d))
        return false;
    if (d <= 3)
        return (max >= ThreeWeight && second >= LivelyWeight) || max == StrongFourWeight;
    if (d <= 5)
        return max >= ThreeWeight || (max >= LivelyWeight && second >= LivelyWeight);
    return max >= LivelyWeight;
}

bool BlockOrThreat(std::int32_t d, std::int32_t max, std::int32_t second, std::int32_t omax,
                   std::int32_t osecond)
{
    if (d <= 5 ? omax >= ThreeWeight
               : (omax >= ThreeWeight || (omax >= LivelyWeight && osecond >= LivelyWeight)))
        return true;
    if (!InDepth(d))
        return false;
    if (d <= 3)
        return max >= ThreeWeight && second >= LivelyWeight;
    return max >= ThreeWeight || (max >= 16 && second >= 6);
}

bool AttackThreat(std::int32_t d, std::int32_t max, std::int32_t second)
{
    switch (d) {
    case 1:
        return max >= FourWeight && second >= ThreeWeight;
    case 2:
        return (max >= FourWeight && second >= 16) ||
               (max >= ThreeWeight && second >= ThreeWeight) || max == StrongFourWeight;
    case 3:
        return (max >= ThreeWeight && second >= LivelyWeight) || max == StrongFourWeight;
    case 4:
        return (max >= ThreeWeight && second >= LivelyWeight) || (max >= 16 && second >= 16) ||
               max == StrongFourWeight;
    case 5:
        return (max >= 16 && second >= LivelyWeight) || max == StrongFourWeight;
    case 6:
        return (max >= 16 && second >= LivelyWeight) || (max >= ThreeWeight && second >= 6) ||
               max == StrongFourWeight;
    default:
        if (!InDepth(d))
            return false;
        return (max >= 16 && second >= 6) || max >= ThreeWeight;
    }
}

// Answers to a four: any own four, or a cell near the reference cell on one
// of its lines.
bool LineAnswer(const MoveDescription &e, const MoveDescription &ref, std::int32_t t,
                std::int32_t max, std::int32_t omax)
{
    if (max >= FourWeight)
        return true;
    if (omax < t)
        return false;
    const int dx = e.x - ref.x;
    const int dy = e.y - ref.y;
    if (std::abs(dx) >= 5 || std::abs(dy) >= 5)
        return false;
    return dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy);
}

} // namespace

// The value that orders a candidate: the side's own weight sum, or both
// sides' together, by the node's kind and the phase.
std::int32_t DoskaDescription::CalcPower(const MoveDescription &d) const
{
    const std::int32_t mine = d.Of(iZnak).iWeightSum;
    const std::int32_t both = mine + d.Of(Opponent(iZnak)).iWeightSum;
    const bool phase = myPole.PhaseFlag();
    switch (eMode) {
    case PASSIVE:
        return phase ? both : mine;
    case ACTIVE:
        return phase ? mine : both;
    case ATTACK:
        return mine;
    case DEFENCE:
        return both;
    }
    throw xParam("DoskaDescription::CalcPower : Unknown value of DoskaDescription:eMode");
}

// Inlined into Accepts, its only caller.
[[gnu::always_inline]] inline bool DoskaDescription::OpenFourAnswer(const MoveDescription &e) const
{
    const std::int32_t them = Opponent(iZnak);
    if (e.Of(iZnak).iMax >= FourWeight)
        return true;
    const std::int32_t omax = e.Of(them).iMax;
    const std::int32_t k = opponent.iOpenFours;
    if (k == 0 || (k == 1 && omax < FourWeight) || (k >= 2 && omax < OpenFourWeight))
        return false;
    // On the opponent's strongest line through its open-four cell, within
    // five steps either way.
    const MoveDescription &ref = *opponent.pcOpenFour;
    const int dir = ref.Of(them).iMaxDir;
    const int dx = e.x - ref.x;
    const int dy = e.y - ref.y;
    const int t = DirDy[dir] != 0 ? dy * DirDy[dir] : dx * DirDx[dir]; // steps along the line
    return t >= -5 && t <= 5 && dx == t * DirDx[dir] && dy == t * DirDy[dir];
}

// Inlined into the generation loop and the tests' plain scan, its callers.
[[gnu::always_inline]] inline bool DoskaDescription::Accepts(const MoveDescription &e,
                                                             std::int32_t d) const
{
    const SideLines &mine = e.Of(iZnak);
    const SideLines &theirs = e.Of(Opponent(iZnak));
    const std::int32_t max = mine.iMax, second = mine.iSecond;

    bool accepted = false;
    switch (own.iStatus) {
    case ForcedMove::Nothing:
        switch (eMode) {
        case PASSIVE:
            return myPole.PhaseFlag() ? BlockOrThreat(d, max, second, theirs.iMax, theirs.iSecond)
                                      : OwnThreat(d, max, second);
        case ACTIVE:
            return myPole.PhaseFlag() ? OwnThreat(d, max, second)
                                      : BlockOrThreat(d, max, second, theirs.iMax, theirs.iSecond);
        case ATTACK:
            return AttackThreat(d, max, second);
        case DEFENCE:
            return false;
        }
        return false;
    case ForcedMove::AnswerOpenFour:
        accepted = OpenFourAnswer(e) ||
                   LineAnswer(e, *opponent.pcDoubleFour, FourWeight, max, theirs.iMax);
        break;
    case ForcedMove::AnswerDoubleFour:
        accepted = LineAnswer(e, *opponent.pcDoubleFour, FourWeight, max, theirs.iMax);
        break;
    case ForcedMove::AnswerFourThree:
        accepted = LineAnswer(e, *opponent.pcFourThree, 16, max, theirs.iMax);
        break;
    default:
        return false;
    }
    // The attacker answers a four only with a move that keeps its attack going.
    if (accepted && eMode == ATTACK)
        accepted = (d > 2 && own.iFourThrees != 0) || AttackThreat(d, max, second);
    return accepted;
}

void DoskaDescription::GenerateMoves(std::int32_t depth, bool all)
{
    // Step 1. Start empty.
    BoundedList<Move> &out = myPole.Candidates();
    out.Clear();

    // Step 2. A five to block leaves no choice.
    if (own.iStatus == ForcedMove::BlockFive) {
        out.Push(Move{opponent.pcFive->x, opponent.pcFive->y, iZnak, 0});
        return;
    }

    // Step 3. Every free described cell that the node's filter lets through.
    // Every filter asks for a minimum weight on one side or both, so the
    // board's sets of cells that reach it, walked in list order, stand in
    // for the whole list.
    const MoveDescription *cells = myPole.Descriptions().Data();
    if (all) {
        const MoveDescription *end = cells + myPole.Descriptions().GetCurSize();
        for (const MoveDescription *e = cells; e != end; ++e)
            if (e->iZnak == FREE)
                out.Push(Move{e->x, e->y, iZnak, CalcPower(*e)});
    } else {
        // The set to walk for each side: cells where its highest weight
        // reaches 12, 24 where the filter asks for a three or better, or 32
        // (a four, open four or five) where it answers a four: such an
        // answer makes a four or stands on a line of the other side's four.
        using S = DescriptionSummary;
        enum Walk { None, Lively, Three, Four };
        Walk mine = None;
        Walk theirs = None;
        const Walk ownThreat = depth <= 3 ? Three : Lively;
        switch (own.iStatus) {
        case ForcedMove::Nothing:
            if (eMode == DEFENCE)
                break;
            mine = ownThreat;
            if (eMode != ATTACK && (eMode == PASSIVE) == myPole.PhaseFlag())
                theirs = depth <= 5 ? Three : Lively; // a block counts too
            break;
        case ForcedMove::AnswerOpenFour:
        case ForcedMove::AnswerDoubleFour:
            mine = theirs = Four;
            break;
        case ForcedMove::AnswerFourThree:
            mine = Four;
            theirs = Lively;
            break;
        case ForcedMove::BlockFive: // left at Step 2
            break;
        }
        const S &sum = myPole.Summary();
        auto bitsOf = [&](int view, Walk walk, int w) -> std::uint64_t {
            const std::uint64_t *sets = sum.cMembers[w][view];
            switch (walk) {
            case Lively:
                return sets[S::Lively];
            case Three:
                return sets[S::ThreeOrBetter];
            case Four:
                return sets[S::Four] | sets[S::OpenFour] | sets[S::Five];
            default:
                return 0;
            }
        };
        const int view = ViewOf(iZnak);
        for (int w = 0; w < S::Words; ++w) {
            std::uint64_t bits = bitsOf(view, mine, w) | bitsOf(1 - view, theirs, w);
            while (bits != 0) {
                const MoveDescription &e = cells[64 * w + __builtin_ctzll(bits)];
                bits &= bits - 1;
                if (Accepts(e, depth))
                    out.Push(Move{e.x, e.y, iZnak, CalcPower(e)});
            }
        }
    }

    // Step 4. Ascending by ordering value; the search takes them from the top.
    if (out.GetCurSize() >= 2)
        SortByValue(out.Data(), 0, out.GetCurSize() - 1);
}

void DoskaDescription::GenerateMovesByScan(std::int32_t depth)
{
    BoundedList<Move> &out = myPole.Candidates();
    out.Clear();
    if (own.iStatus == ForcedMove::BlockFive) {
        out.Push(Move{opponent.pcFive->x, opponent.pcFive->y, iZnak, 0});
        return;
    }
    const MoveDescription *cells = myPole.Descriptions().Data();
    const MoveDescription *end = cells + myPole.Descriptions().GetCurSize();
    for (const MoveDescription *e = cells; e != end; ++e)
        if (e->iZnak == FREE && Accepts(*e, depth))
            out.Push(Move{e->x, e->y, iZnak, CalcPower(*e)});
    if (out.GetCurSize() >= 2)
        SortByValue(out.Data(), 0, out.GetCurSize() - 1);
}
