// The search: a move's two phases, the node search with its threat probe,
// the timed deepening and the weak levels' easy pick.

#include "DoskaDescription.h"
#include "Random.h"
#include "SearchTeam.h"

namespace
{

// Room for a node's candidates without constructing 361 moves per node.
struct CandidateBuffer {
    union {
        Move move[CellCount];
    };
    CandidateBuffer() {}
};

bool Maximizing(eSearchMode m)
{
    return m == ACTIVE || m == ATTACK;
}

// The shallowest node worth sharing with the other thread of a team; its
// children are never leaves (see ChildValue).
constexpr std::int32_t ShareFromDepth = 5;
static_assert(ShareFromDepth > 1);

bool ThreatNode(eSearchMode m)
{
    return m == ATTACK || m == DEFENCE;
}

eSearchMode ChildMode(eSearchMode m)
{
    return m == PASSIVE ? ACTIVE : m == ACTIVE ? PASSIVE : m == ATTACK ? DEFENCE : ATTACK;
}

// Whether a node stops at the best value found so far.
bool CutOff(eSearchMode m, std::int32_t best, std::int32_t bound)
{
    return Maximizing(m) ? best >= bound || best == WinValue : best <= bound || best == -WinValue;
}

// Whether a node whose children are all searched hands the decision back: a
// phase that only finds the obvious.
bool HandsBack(eSearchMode m, std::int32_t best, bool attackPhase)
{
    return (best == -WinValue && m == ACTIVE && attackPhase) ||
           (best == WinValue && m == PASSIVE && !attackPhase);
}

// What a node returns once it is known to be won, or out of depth.
std::int32_t OutcomeOf(const DoskaDescription &D, eSearchMode m)
{
    if (D.own.bWin)
        return Maximizing(m) ? WinValue : -WinValue;
    return ThreatNode(m) ? 0 : D.own.iValue;
}

} // namespace

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
    // Threat searches keep their moves to themselves (see Step 8).
    SearchTeam *team = nullptr;
    if (mySeat.team == nullptr && mySearch.bShare && d >= ShareFromDepth && !ThreatNode(m))
        team = myHelper.Team(*this);
    if (team == nullptr)
        return SearchNode(iz, d, b, m, pickRandom, true);
    // A deep search takes its seat in the team for as long as it runs.
    mySeat.team = team;
    mySeat.thread = 0;
    mySeat.mayShare = true;
    struct Leave {
        TeamSeat &seat;
        ~Leave()
        {
            seat.team = nullptr;
            seat.mayShare = false;
        }
    } leave{mySeat};
    return SearchNode(iz, d, b, m, pickRandom, true);
}

Move Pole::SearchNode(std::int32_t iz, std::int32_t d, std::int32_t b, eSearchMode m,
                      bool pickRandom, bool needCell, std::int64_t *uncutBest)
{
    ++mySearch.iCalls;
    const bool maximizing = Maximizing(m);
    const bool threatNode = ThreatNode(m);

    // Step 1. Threat probe: a forced win by threats ends the node at once.
    if (!threatNode && d >= 0 && d < 20 && ThreatDepth[d] >= 1) {
        // A win found by threats comes with its cell from a winning cell or
        // a candidate, never from a fallback, so the probe need not look one up.
        Move r = SearchNode(iz, ThreatDepth[d], NothingFound, ATTACK, false, false);
        if (r.iValue == WinValue)
            return Move{r.x, r.y, r.iZnak, maximizing ? WinValue : -WinValue};
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
    if (D.own.iStatus == ForcedMove::BlockFive)
        ++d;

    // Steps 4 and 5. A sure win; a leaf: out of depth, told to stop or out of time.
    if (D.own.bWin || d < 1 || mySearch.StopRequested() || PastTimeLimit())
        return fallback(OutcomeOf(D, m));

    // Step 6. Candidates, copied because the children reuse cCandidates.
    D.GenerateMoves(d, false);
    const int n = cCandidates.GetCurSize();
    if (n == 0)
        return fallback(OutcomeOf(D, m));
    CandidateBuffer buffer;
    Move *L = buffer.move;
    const Move *source = cCandidates.Data();
    for (int i = 0; i < n; ++i)
        L[i] = source[i];
    if (d == 1 && myLeafCache.Allocated()) // leaves: ask early for what is remembered
        for (int i = 0; i < n; ++i)
            myLeafCache.Prefetch(KeyAfter(L[i]));

    // Step 7. No best move yet; the children are of the opposite kind.
    std::int32_t best = maximizing ? -NothingFound : NothingFound;
    Move bestMove{0, 0, FREE, 0};
    const eSearchMode child = ChildMode(m);

    // Step 8. Best-rated candidates first, with a one-sided cut-off. A deep
    // node, once its first move has set the bound, shares the others with
    // the other thread of its search team if that has nothing to do: they
    // are taken in the same order with the same bounds, so nothing but the
    // time changes. Threat searches are too small to be worth handing over.
    auto take = [&](int i, std::int32_t value) {
        L[i].iValue = value;
        if (maximizing ? value > best : value < best) {
            best = value;
            bestMove = L[i];
        }
        if (CutOff(m, best, b))
            return true;
        if (uncutBest != nullptr)
            *uncutBest = best;
        return false;
    };
    auto bound = [&] { return m == ATTACK ? 0 : best; };
    const int shareFrom =
        mySeat.mayShare && !threatNode && d >= ShareFromDepth && n >= 3 ? n - 2 : -1;
    int stoppedAt = -1;
    for (int i = n - 1; i >= 0; --i) {
        if (i == shareFrom &&
            mySeat.team->open[1 - mySeat.thread].load(std::memory_order_relaxed)) {
            stoppedAt = ShareSiblings(L, i, d, child, D.own.iValue, take, bound);
            break;
        }
        Move made = L[i];
        made.iValue = D.own.iValue;
        if (take(i, ChildValue(made, d, bound(), child))) {
            stoppedAt = i;
            break;
        }
    }
    if (stoppedAt >= 0)
        return Move{L[stoppedAt].x, L[stoppedAt].y, L[stoppedAt].iZnak, best};

    // Step 9. At the root, a random pick among the moves close to the top.
    const Move choice = pickRandom ? PickNearTheTop(L, n) : bestMove;

    // Step 10. A phase that only finds the obvious hands the decision back.
    if (HandsBack(m, best, mySearch.bAttackPhase))
        return fallback(0);

    // Step 11. The chosen cell with the best value found.
    return Move{choice.x, choice.y, choice.iZnak, best};
}

// Inlined into the node's loop, as most children are searched from there.
[[gnu::always_inline]] inline std::int32_t Pole::ChildValue(const Move &made, std::int32_t d,
                                                            std::int32_t bound, eSearchMode child,
                                                            std::int64_t *uncutBest)
{
    std::int32_t value;
    if (d > 1 || !LeafValue(made, child, bound, value)) {
        DescriptionLog log;
        MakeMoveLogged(made, log);
        value =
            SearchNode(Opponent(made.iZnak), d - 1, bound, child, false, false, uncutBest).iValue;
        BackMoveLogged(log);
    }
    return value;
}

void Pole::SearchSibling(const SiblingShare &share, int i, SharedSibling &result)
{
    Move made = share.moves[i];
    made.iValue = share.parentValue;
    const std::uint64_t before = mySearch.iCalls;
    result.uncutBest = NoCutOffTest;
    result.value = ChildValue(made, share.depth, result.bound, share.child, &result.uncutBest);
    result.calls = mySearch.iCalls - before;
    mySearch.iCalls = before;
}

// Most children at depth 0 are leaves: they take their value from the
// summary alone, so the summary is worked out from what the move would change
// instead of making it and taking it back, or taken from the leaf cache when
// the same stones were summed up before. A child with a five to block
// searches one step deeper with the block as its only candidate; when that
// position is a leaf in turn, it is worked out the same way one move further,
// with the child's move put on the lines only. Anything else is left to
// SearchNode (false, nothing counted).
bool Pole::LeafValue(const Move &made, eSearchMode mode, std::int32_t bound, std::int32_t &value)
{
    if (mySearch.ePriceMode != PriceStones || !mySearch.bLeafShortcut)
        return false; // the other evaluations need sums a leaf does not keep
    const std::int32_t side = Opponent(made.iZnak);

    // In a threat search a leaf is worth 0, and with the root side's opponent
    // to move it keeps the value of the move before it, unless the side to
    // move has won or has a five to block. A move only takes cells from the
    // other side, so a side without a winning cell gets none; and a mover
    // without a five has one after the move only if a line of the move gives
    // one. Such leaves need no sum-up at all.
    if ((ThreatNode(mode) || side != mySearch.iRootSide) && !HasWinningCell(side) &&
        cSummary.iCount[ViewOf(made.iZnak)][DescriptionTotals::Five] == 0 && !GivesFive(made)) {
        ++mySearch.iCalls;
        value = ThreatNode(mode) ? 0 : made.iValue;
        return true;
    }
    const Kletka *five = nullptr;
    const DescriptionTotals after = RememberedLeafTotals(made, &five);
    DoskaDescription D(*this, side, mode, after, made);
    if (D.own.iStatus != ForcedMove::BlockFive) {
        ++mySearch.iCalls;
        value = OutcomeOf(D, mode);
        return true;
    }

    // The child (SearchNode at depth 1 after Step 3). The five to block is
    // the move's own: the side that made it had none before, or the node
    // above would have been a sure win.
    if (five == nullptr || cSummary.iCount[ViewOf(made.iZnak)][DescriptionTotals::Five] != 0)
        return false;
    if (mySearch.StopRequested() || PastTimeLimit()) {
        ++mySearch.iCalls;
        value = OutcomeOf(D, mode);
        return true;
    }
    const Move block{five->x, five->y, side, D.own.iValue};
    const eSearchMode next = ChildMode(mode);
    const DescriptionTotals blocked = RememberedBlockTotals(made, block, after);
    DoskaDescription G(*this, made.iZnak, next, blocked, block);
    if (G.own.iStatus == ForcedMove::BlockFive)
        return false;
    mySearch.iCalls += 2;
    // The child's Steps 7 to 11 with its one candidate.
    const std::int32_t r = OutcomeOf(G, next);
    const std::int32_t none = Maximizing(mode) ? -NothingFound : NothingFound;
    const std::int32_t best = (Maximizing(mode) ? r > none : r < none) ? r : none;
    value = !CutOff(mode, best, bound) && HandsBack(mode, best, mySearch.bAttackPhase) ? 0 : best;
    return true;
}

Move Pole::FindMove(std::int32_t iz, std::int32_t level)
{
    // Step 1. Check the side.
    if (iz == FREE)
        throw xParam("Pole::FindMove : iz=FREE");
    mySearch.iLevel = level;
    mySearch.iRootSide = iz;
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
        if (D.own.iStatus == ForcedMove::BlockFive) {
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
    mySearch.cCurrent = AttackSet;
    mySearch.bAttackPhase = true;
    Move r = Search(iz, level, NothingFound, ACTIVE, true);
    if (r.iValue > InitiativeBonus)
        return r;

    // Step 6. Defence phase.
    mySearch.cCurrent = DefenceSet;
    mySearch.bAttackPhase = false;
    if (level > 0)
        --level;
    return Search(iz, level, NothingFound, ACTIVE, true);
}

Move Pole::FindMoveInTime(std::int32_t iz, std::int32_t seconds)
{
    // Step 1. Check the side and the time.
    if (iz == FREE)
        throw xParam("Pole::FindMove : iz=FREE");
    if (seconds < 0)
        throw xParam("Pole::FindMoveInTime : Seconds<0");

    // Step 2. A hard limit for every node, and a soft one for starting another level.
    const std::int64_t t = ClockMs();
    mySearch.iTimeLimit = t + 1000 * std::int64_t(seconds);
    const std::int64_t soft = t + 1000 * std::int64_t(seconds) - (2000 * std::int64_t(seconds)) / 3;

    // Steps 3 and 4. Deepen until the time is spent.
    Move result;
    try {
        result = FindMove(iz, 0);
        for (std::int32_t level = 1;; ++level) {
            Move r = FindMove(iz, level);
            // A level cut short, by the clock or a stop request, is dropped.
            if (ClockMs() > mySearch.iTimeLimit || IsStopRequested())
                break;
            result = r;
            if (r.iValue == WinValue)
                break;
            if (ClockMs() > soft || level >= 18)
                break;
        }
    } catch (...) {
        mySearch.iTimeLimit = 0;
        throw;
    }

    // Step 5. Clear the limit for the next search.
    mySearch.iTimeLimit = 0;
    return result;
}

Move Pole::FindEasyMove(std::int32_t iz, std::int32_t level)
{
    // Step 1. Seed the easy pick.
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

    // Steps 3 to 6. Take a win, block a five, answer an open four, each
    // unless the dice say it is overlooked.
    DoskaDescription D(*this, iz, ACTIVE);
    if (D.own.bWin) {
        int r = EngineRandom::Random(100);
        if (r > 0)
            return Move{D.own.pcMove->x, D.own.pcMove->y, iz, WinValue};
    }
    if (D.own.iStatus == ForcedMove::BlockFive) {
        int r = EngineRandom::Random(100);
        if (100 * pFive < r)
            return Move{D.opponent.pcFive->x, D.opponent.pcFive->y, iz, 0};
    }
    if (D.own.iStatus == ForcedMove::AnswerOpenFour) {
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
