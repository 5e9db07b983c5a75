// Move generation, the search and its levels, and the chances split.

#include "DoskaDescription.h"
#include "Random.h"

#include <cmath>
#include <cstdlib>

namespace {

// Room for a node's candidates without constructing 361 moves per node.
struct CandidateBuffer {
    union {
        Move move[CellCount];
    };
    CandidateBuffer() {}
};

bool InDepth(std::int32_t d) { return d >= 1 && d <= 20; }

bool OwnThreat(std::int32_t d, std::int32_t max, std::int32_t second)
{
    if (!InDepth(d))
        return false;
    if (d <= 3)
        return (max >= 24 && second >= 12) || max == 48;
    if (d <= 5)
        return max >= 24 || (max >= 12 && second >= 12);
    return max >= 12;
}

bool BlockOrThreat(std::int32_t d, std::int32_t max, std::int32_t second, std::int32_t omax,
                   std::int32_t osecond)
{
    if (d <= 5 ? omax >= 24 : (omax >= 24 || (omax >= 12 && osecond >= 12)))
        return true;
    if (!InDepth(d))
        return false;
    if (d <= 3)
        return max >= 24 && second >= 12;
    return max >= 24 || (max >= 16 && second >= 6);
}

bool AttackThreat(std::int32_t d, std::int32_t max, std::int32_t second)
{
    switch (d) {
    case 1:
        return max >= 32 && second >= 24;
    case 2:
        return (max >= 32 && second >= 16) || (max >= 24 && second >= 24) || max == 48;
    case 3:
        return (max >= 24 && second >= 12) || max == 48;
    case 4:
        return (max >= 24 && second >= 12) || (max >= 16 && second >= 16) || max == 48;
    case 5:
        return (max >= 16 && second >= 12) || max == 48;
    case 6:
        return (max >= 16 && second >= 12) || (max >= 24 && second >= 6) || max == 48;
    default:
        if (!InDepth(d))
            return false;
        return (max >= 16 && second >= 6) || max >= 24;
    }
}

// Answers to a four: any own four, or a cell near the reference cell on one
// of its lines.
bool LineAnswer(const MoveDescription &e, const MoveDescription &ref, std::int32_t t,
                std::int32_t max, std::int32_t omax)
{
    if (max >= 32)
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

bool DoskaDescription::OpenFourAnswer(const MoveDescription &e) const
{
    const std::int32_t them = Opponent(iZnak);
    if (e.Of(iZnak).iMax >= 32)
        return true;
    const std::int32_t omax = e.Of(them).iMax;
    const std::int32_t k = opponent.iOpenFours;
    if (k == 0 || (k == 1 && omax < 32) || (k >= 2 && omax < 56))
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

bool DoskaDescription::Accepts(const MoveDescription &e, std::int32_t d) const
{
    const SideLines &mine = e.Of(iZnak);
    const SideLines &theirs = e.Of(Opponent(iZnak));
    const std::int32_t max = mine.iMax, second = mine.iSecond;

    bool accepted = false;
    switch (own.iStatus) {
    case 0:
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
    case 1:
        accepted = OpenFourAnswer(e) ||
                   LineAnswer(e, *opponent.pcDoubleFour, 32, max, theirs.iMax);
        break;
    case 3:
        accepted = LineAnswer(e, *opponent.pcDoubleFour, 32, max, theirs.iMax);
        break;
    case 4:
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
    if (own.iStatus == 2) {
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
        // reaches 12, or 24 where the filter asks for a three or better.
        using S = DescriptionSummary;
        enum Walk { None, Lively, Three };
        Walk mine = None;
        Walk theirs = None;
        const Walk ownThreat = depth <= 3 ? Three : Lively;
        switch (own.iStatus) {
        case 0:
            if (eMode == DEFENCE)
                break;
            mine = ownThreat;
            if (eMode != ATTACK && (eMode == PASSIVE) == myPole.PhaseFlag())
                theirs = depth <= 5 ? Three : Lively; // a block counts too
            break;
        case 1:
        case 3:
            mine = theirs = Three;
            break;
        case 4:
            mine = Three;
            theirs = Lively;
            break;
        }
        auto set = [&](int view, Walk walk) -> const std::uint64_t * {
            const S &sum = myPole.Summary();
            return walk == None ? nullptr : sum.cMembers[view][walk == Three ? S::ThreeOrBetter : S::Lively];
        };
        const int view = ViewOf(iZnak);
        const std::uint64_t *ownSet = set(view, mine);
        const std::uint64_t *otherSet = set(1 - view, theirs);
        for (int w = 0; w < S::Words; ++w) {
            std::uint64_t bits = (ownSet ? ownSet[w] : 0) | (otherSet ? otherSet[w] : 0);
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

Move PickNearTheTop(Move *moves, int n)
{
    SortByValue(moves, 0, n - 1);
    int k = n - 1;
    while (k > 0 && moves[k].iValue - moves[k - 1].iValue < 33)
        --k;
    return moves[k + EngineRandom::Random(n - k)];
}

Move Pole::Search(std::int32_t iz, std::int32_t d, std::int32_t b, eSearchMode m, bool pickRandom)
{
    return SearchNode(iz, d, b, m, pickRandom, true);
}

Move Pole::SearchNode(std::int32_t iz, std::int32_t d, std::int32_t b, eSearchMode m,
                      bool pickRandom, bool needCell)
{
    ++myNodes;
    const bool maximizing = m == ACTIVE || m == ATTACK;
    const bool threatNode = m == ATTACK || m == DEFENCE;
    const std::int32_t win = maximizing ? WinValue : -WinValue;

    // Step 1. Threat probe: a forced win by threats ends the node at once.
    if (!threatNode && d >= 0 && d < 20 && ThreatDepth[d] >= 1) {
        // A win found by threats comes with its cell from a winning cell or
        // a candidate, never from a fallback, so the probe need not look one up.
        Move r = SearchNode(iz, ThreatDepth[d], NothingFound, ATTACK, false, false);
        if (r.iValue == WinValue)
            return Move{r.x, r.y, r.iZnak, win};
    }

    // Step 2. Describe the node. The fallback cell matters only to a caller
    // that uses the cell; the others take the value alone.
    DoskaDescription D(*this, iz, m);
    auto fallback = [&](std::int32_t value) {
        if (!needCell && !D.own.bWin)
            return Move{0, 0, iz, value};
        const MoveDescription &cell = D.MoveCell(D.own);
        return Move{cell.x, cell.y, iz, value};
    };

    // Step 3. Blocking a five costs no depth.
    if (D.own.iStatus == 2)
        ++d;

    // Step 4. A sure win.
    if (D.own.bWin)
        return fallback(win);

    // Step 5. Leaf: out of depth, told to stop or out of time.
    const std::int32_t leafValue = threatNode ? 0 : D.own.iValue;
    if (d < 1 || StopSearch.load(std::memory_order_relaxed) || PastTimeLimit())
        return fallback(leafValue);

    // Step 6. Candidates, copied because the children reuse cCandidates.
    D.GenerateMoves(d, false);
    const int n = cCandidates.GetCurSize();
    if (n == 0)
        return fallback(leafValue);
    CandidateBuffer buffer;
    Move *L = buffer.move;
    const Move *source = cCandidates.Data();
    for (int i = 0; i < n; ++i)
        L[i] = source[i];

    // Step 7.
    std::int32_t best = maximizing ? -NothingFound : NothingFound;
    Move bestMove{0, 0, FREE, 0};
    eSearchMode child = m == PASSIVE ? ACTIVE : m == ACTIVE ? PASSIVE : m == ATTACK ? DEFENCE : ATTACK;

    // Step 8. Best-rated candidates first, with a one-sided cut-off.
    for (int i = n - 1; i >= 0; --i) {
        Move made = L[i];
        made.iValue = D.own.iValue;
        DescriptionLog log;
        MakeMoveLogged(made, log);
        Move r = SearchNode(Opponent(iz), d - 1, m == ATTACK ? 0 : best, child, false, false);
        L[i].iValue = r.iValue;
        BackMoveLogged(log);
        if (maximizing) {
            if (r.iValue > best) {
                best = r.iValue;
                bestMove = L[i];
            }
            if (best >= b || best == WinValue)
                return Move{L[i].x, L[i].y, L[i].iZnak, best};
        } else {
            if (r.iValue < best) {
                best = r.iValue;
                bestMove = L[i];
            }
            if (best <= b || best == -WinValue)
                return Move{L[i].x, L[i].y, L[i].iZnak, best};
        }
    }

    // Step 9. At the root, a random pick among the moves close to the top.
    const Move choice = pickRandom ? PickNearTheTop(L, n) : bestMove;

    // Step 10. A phase that only finds the obvious hands the decision back.
    if ((best == -WinValue && m == ACTIVE && myPhase) || (best == WinValue && m == PASSIVE && !myPhase))
        return fallback(0);

    // Step 11.
    return Move{choice.x, choice.y, choice.iZnak, best};
}

Move Pole::FindMove(std::int32_t iz, std::int32_t level)
{
    // Step 1.
    if (iz == FREE)
        throw xParam("Pole::FindMove : iz=FREE");
    myLevel = level;
    myRootSide = iz;
    for (auto &s : mySums)
        s = 0;

    // Step 2. Empty and full boards.
    if (cDoneMoves.GetCurSize() == 0)
        return Move{9, 9, iz, 0};
    if (cDoneMoves.GetCurSize() >= CellCount)
        return Move{0, 0, iz, FullBoardValue};

    // Step 3. The weak levels.
    if (level < 0)
        return FindEasyMove(iz, level);

    // Step 4. Forced to block a five: first look for a faster win of our own,
    // then whether the block holds.
    {
        DoskaDescription D(*this, iz, ACTIVE);
        if (D.own.iStatus == 2) {
            if (level < 0 || level >= 20)
                throw xParam("Index out of range.");
            Move r = Search(iz, ThreatDepth[level], NothingFound, ATTACK, false);
            if (r.iValue == WinValue)
                return r;
            r = Search(iz, ThreatDepth[level], NothingFound, DEFENCE, false);
            if (r.iValue == WinValue || r.iValue == -WinValue)
                return Move{r.x, r.y, r.iZnak, -WinValue};
            if (level > 2)
                level -= 2;
        }
    }

    // Step 5. Attack phase.
    myCurrent = AttackSet;
    myPhase = true;
    Move r = Search(iz, level, NothingFound, ACTIVE, true);
    if (r.iValue > InitiativeBonus)
        return r;

    // Step 6. Defence phase.
    myCurrent = DefenceSet;
    myPhase = false;
    if (level > 0)
        --level;
    return Search(iz, level, NothingFound, ACTIVE, true);
}

Move Pole::FindMoveInTime(std::int32_t iz, std::int32_t seconds)
{
    // Step 1.
    if (iz == FREE)
        throw xParam("Pole::FindMove : iz=FREE");
    if (seconds < 0)
        throw xParam("Pole::FindMoveInTime : Seconds<0");

    // Step 2. A hard limit for every node, and a soft one for starting another level.
    const std::int64_t t = ClockMs();
    myTimeLimit = t + 1000 * std::int64_t(seconds);
    const std::int64_t soft = t + 1000 * std::int64_t(seconds) - (2000 * std::int64_t(seconds)) / 3;

    // Steps 3 and 4. Deepen until the time is spent.
    Move result;
    try {
        result = FindMove(iz, 0);
        for (std::int32_t level = 1;; ++level) {
            Move r = FindMove(iz, level);
            // A level cut short, by the clock or a stop request, is dropped.
            if (ClockMs() > myTimeLimit || IsStopRequested())
                break;
            result = r;
            if (r.iValue == WinValue)
                break;
            if (ClockMs() > soft || level >= 18)
                break;
        }
    } catch (...) {
        myTimeLimit = 0;
        throw;
    }

    // Step 5.
    myTimeLimit = 0;
    return result;
}

Move Pole::FindEasyMove(std::int32_t iz, std::int32_t level)
{
    // Step 1.
    EngineRandom::SeedFromTime();
    if (level >= 0)
        throw xError("Pole::FindEasyMove : Level>=0");

    // Step 2. The weaker of the two may overlook threats.
    double pFive = 0;
    double pFour = 0;
    if (level < -10) {
        pFive = 0.1;
        pFour = 0.3;
    }
    const int n = -level;

    // Steps 3 to 6.
    DoskaDescription D(*this, iz, ACTIVE);
    if (D.own.bWin) {
        int r = EngineRandom::Random(100);
        if (r > 0)
            return Move{D.own.pcMove->x, D.own.pcMove->y, iz, WinValue};
    }
    if (D.own.iStatus == 2) {
        int r = EngineRandom::Random(100);
        if (100 * pFive < r)
            return Move{D.opponent.pcFive->x, D.opponent.pcFive->y, iz, 0};
    }
    if (D.own.iStatus == 1) {
        int r = EngineRandom::Random(100);
        if (100 * pFour < r)
            return Move{D.opponent.pcOpenFour->x, D.opponent.pcOpenFour->y, iz, 0};
    }

    // Steps 7 and 8. A uniform pick among the n best-rated free cells.
    D.GenerateMoves(1, true);
    const int q = cCandidates.GetCurSize();
    if (q == 0) {
        const MoveDescription &cell = D.MoveCell(D.own);
        return Move{cell.x, cell.y, iz, 0};
    }
    return cCandidates[q - 1 - EngineRandom::Random(q < n ? q : n)];
}

PriceSplit Pole::CalcPrice(std::int32_t /*x*/, std::int32_t /*y*/, std::int32_t sign,
                           std::int32_t value) const
{
    // Step 1. Who has more in his stones, squashed into -22..22.
    DoskaDescription D(const_cast<Pole &>(*this), KREST, ACTIVE);
    const double diff = static_cast<double>(D.own.iStoneValueSum - D.opponent.iStoneValueSum);
    const int adj = static_cast<int>(std::atan(0.02 * diff) * 0.6366199048125918 * 0.15 * 150.0);

    // Step 2. The mover's base share from the search result.
    int base = 75;
    bool adjust = true;
    if (sign == FREE) {
        adjust = false;
    } else if (value >= WinValue) {
        base = 150;
        adjust = false;
    } else if (value <= -WinValue) {
        base = 0;
        adjust = false;
    } else if (value <= -InitiativeBonus) {
        base = static_cast<int>((1.0 - 0.66) * 150.0);
    } else if (value >= InitiativeBonus) {
        base = static_cast<int>(0.66 * 150.0);
    }

    // Steps 3 and 4.
    if (sign == NOL)
        base = 150 - base;
    if (adjust)
        base += adj;
    return PriceSplit{base, 150 - base};
}
