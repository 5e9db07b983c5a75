#pragma once

// The engine's board: 19 x 19 cells with the line codes around every cell,
// the moves made so far and a running description of every cell near the
// stones. Moves are made and taken back incrementally and exactly inversely;
// the search does this thousands of times per move.

#include "Containers.h"
#include "LeafCache.h"
#include "SearchHelper.h"
#include "SearchState.h"
#include "Types.h"

#include <climits>
#include <cstdint>
#include <functional>

// The cells lie in rows of PaddedStride with a border of four cells all
// round, so that the cells along a line are fixed offsets apart and a stone
// near the edge updates its border neighbours like any other; they are never
// described.
constexpr int PaddedBorder = 4;
constexpr int PaddedStride = BoardSize + 2 * PaddedBorder;
constexpr int PaddedCellCount = PaddedStride * PaddedStride;
constexpr int Padded(int x, int y)
{
    return x + PaddedBorder + PaddedStride * (y + PaddedBorder);
}

// Kinds of search node.
enum eSearchMode : std::int32_t { PASSIVE = 0, ACTIVE = 1, ATTACK = 2, DEFENCE = 3 };

// The sums and counts of the summary below; a logged move keeps a copy of
// them to take back.
struct DescriptionTotals {
    // The categories of a free cell, by its highest and second highest weight.
    enum Category : int {
        Five,          // highest weight 64
        OpenFour,      // 56
        Four,          // 32 or 48
        DoubleFour,    // a four whose second highest weight is a four too
        FourThree,     // a four whose second highest weight is a three (24 or 28)
        DoubleThree,   // highest and second highest both a three
        ThreeOrBetter, // highest weight 24 or more
        Lively,        // highest weight 12 or more: the only cells a search filter can accept
        CategoryCount
    };

    std::int32_t iStoneValueSum[2] = {};
    std::int32_t iStoneBlockSum[2] = {};
    std::int32_t iCount[2][CategoryCount] = {};

    bool operator==(const DescriptionTotals &) const = default;
};

// Totals over the description list, kept up to date whenever a description
// changes, so that summing up the board for a search node does not have to
// walk every described cell. Index 0 of the per-side arrays is KREST's point
// of view, 1 NOL's; the category sets hold free cells only, one bit per slot
// of the description list, so the lowest bit is the first cell in list order.
// The sets are stored word by word, every set's first 64 slots first, so that
// the words a search has in use are one block to save and restore.
struct DescriptionSummary : DescriptionTotals {
    static constexpr int Words = (CellCount + 63) / 64;
    using SetWords = std::uint64_t[2][CategoryCount];

    SetWords cMembers[Words] = {};

    // The slot of the last member in list order, or -1.
    int Last(int view, Category c) const;
    bool operator==(const DescriptionSummary &) const = default;
};

struct PriceSplit {
    std::int32_t iKrest = 75;
    std::int32_t iNol = 75;
};

struct SiblingShare;
struct SharedSibling;

// What SearchNode reports for a node that made no cut-off test.
constexpr std::int64_t NoCutOffTest = INT64_MIN;

class Pole
{
  public:
    Pole();

    void Clear();
    void SetPosition(const BoundedList<Move> &moves);
    void MakeMove(const Move &cM);
    void BackMove();
    std::int32_t CheckVictory(BoundedList<Place> &out) const;

    Move FindMove(std::int32_t iz, std::int32_t level);
    Move FindMoveInTime(std::int32_t iz, std::int32_t seconds);
    Move FindEasyMove(std::int32_t iz, std::int32_t level);
    Move Search(std::int32_t iz, std::int32_t depth, std::int32_t bound, eSearchMode mode,
                bool pickRandom);

    PriceSplit CalcPrice(std::int32_t x, std::int32_t y, std::int32_t sign,
                         std::int32_t value) const;

    // Readers for the description, the search and the tests.
    const Kletka &Cell(int x, int y) const;
    // Whether every cell's codes, the border's too, are within the class
    // table; the board's consistency checks use it.
    bool CodesInRange() const;
    const BoundedList<MoveDescription> &Descriptions() const { return cDescriptions; }
    const BoundedList<Move> &DoneMoves() const { return cDoneMoves; }
    const BoundedList<Move> &Candidates() const { return cCandidates; }
    BoundedList<Move> &Candidates() { return cCandidates; }
    const std::int32_t *RunningSums() const { return mySums; }
    const DescriptionSummary &Summary() const { return cSummary; }
    // The summary's totals as making cM (on a free cell) would leave them,
    // worked out without making it: all but the Lively counts, which a
    // search leaf does not read. With lastFive, also the
    // last cell in list order where cM's side would have five, or null (exact
    // when that side has no such cell before the move).
    DescriptionTotals LeafTotalsAfter(const Move &cM, const Kletka **lastFive = nullptr) const;
    // Whether a side has a free cell that can win: a five, an open four, a
    // double four, a four-three or a double three. A move of the other side
    // never gives it one.
    bool HasWinningCell(std::int32_t side) const;
    // Whether cM (on a free cell) would give its side a free cell with a five
    // it did not have; may say so of a border cell, never misses one.
    bool GivesFive(const Move &cM) const;
    std::int32_t RootSide() const { return mySearch.iRootSide; }
    std::int32_t Level() const { return mySearch.iLevel; }
    bool PhaseFlag() const { return mySearch.bAttackPhase; }
    const Coefficients &CurrentCoefficients() const { return mySearch.cCurrent; }
    std::int32_t PriceMode() const { return mySearch.ePriceMode; }
    // Chooses the evaluation directly, as FindMove does for its two phases.
    void SetEvaluation(const Coefficients &coefficients, bool attackPhase, std::int32_t rootSide)
    {
        mySearch.cCurrent = coefficients;
        mySearch.bAttackPhase = attackPhase;
        mySearch.iRootSide = rootSide;
    }
    void SetPriceMode(std::int32_t mode) { mySearch.ePriceMode = mode; }
    void SetLeafShortcut(bool on) { mySearch.bLeafShortcut = on; }
    // Whether deep searches share their nodes' moves with a helper thread
    // when the machine has two processors (on by default); the outcome and
    // the count of calls are the same either way.
    void SetSharing(bool on) { mySearch.bShare = on; }
    std::int64_t TimeLimit() const { return mySearch.iTimeLimit; }

    // Set from another thread to make a running search return at its next node.
    void RequestStop() { mySearch.bStop.store(true, std::memory_order_relaxed); }
    void ClearStop() { mySearch.bStop.store(false, std::memory_order_relaxed); }
    bool IsStopRequested() const { return mySearch.bStop.load(std::memory_order_relaxed); }

    // Pole::Search calls since construction; only for statistics.
    std::uint64_t SearchCalls() const { return mySearch.iCalls; }
    // Moves of this board's nodes that the helper thread searched; only for
    // statistics, and 0 until a search starts the helper.
    std::uint64_t HelpedMoves() const { return myHelper.HelpedMoves(); }
    // Leaves whose totals were remembered from an earlier sum-up; only for
    // statistics.
    std::uint64_t RememberedLeaves() const { return myLeafCache.Hits(); }

    static const std::int32_t ThreatDepth[20];
    static const Coefficients AttackSet;
    static const Coefficients DefenceSet;

  private:
    // The descriptions that a move changed, as they were, and the summary
    // before it: its totals and the words of the category sets that the
    // slots in use (and those the move can take) lie in. The search takes its
    // moves back by restoring them, which gives exactly what describing the
    // cells again would, at a fraction of the cost.
    struct DescriptionLog {
        // A stone describes itself and its 32 neighbours once each.
        static constexpr int MaxDescribed = 33;
        int count = 0;
        int firstNew = 0; // slots from here on were taken by the move
        int words = 0;    // the words of the category sets saved
        std::int32_t index[MaxDescribed];
        union {
            MoveDescription saved[MaxDescribed];
        };
        DescriptionSummary::SetWords members[DescriptionSummary::Words];
        DescriptionTotals totals;
        DescriptionLog() {}
    };
    void MakeMoveLogged(const Move &cM, DescriptionLog &log);
    void BackMoveLogged(const DescriptionLog &log);
    void BackMoveImpl(const DescriptionLog *log);

    // Leaves worked out without making their move (LeafProbe.cpp). The
    // totals cM would leave from `base`; FromClasses: on the board with its
    // last move put on the lines only, `base` being the totals that move leaves.
    template <bool FromClasses>
    DescriptionTotals TotalsAfter(const Move &cM, const DescriptionTotals &base,
                                  const Kletka **lastFive) const;
    template <int Own, bool FromClasses>
    void CountMove(const Kletka *stone, DescriptionTotals &t, const Kletka **lastFive) const;
    // A stone put on (and lifted from) the lines around it and nothing else,
    // as far as a sum-up around `around`, a neighbour of the stone, reads them.
    void PutOnLines(const Move &cM, const Kletka &around);
    void LiftFromLines(const Move &cM, const Kletka &around);
    std::uint32_t SharedWith(const Move &cM, const Kletka &around) const;
    // Whether a cell is one of a move's neighbours (see Neighbours.h).
    bool NearOnALine(const Move &cM, const Kletka &cell) const;
    template <int Own, int Sign>
    void ShiftStone(Kletka *stone, std::int8_t znak, std::uint32_t which);
    template <int Own> bool GivesFiveOn(const Kletka *stone) const;
    // LeafTotalsAfter, and the totals of a leaf forced to block a five after
    // the block, taken from the leaf cache where they were worked out before
    // (LeafCache.cpp).
    std::uint64_t KeyAfter(const Move &cM) const;
    DescriptionTotals RememberedLeafTotals(const Move &cM, const Kletka **lastFive);
    DescriptionTotals RememberedBlockTotals(const Move &made, const Move &block,
                                            const DescriptionTotals &afterMade);
    // The value of a child at depth 0 after `made`, when it can be had
    // without making the move; see Search.cpp.
    bool LeafValue(const Move &made, eSearchMode mode, std::int32_t bound, std::int32_t &value);
    // The value of the child after `made` for a node at depth d > 1 or 1
    // (uncutBest, as for SearchNode, only for d > 1).
    std::int32_t ChildValue(const Move &made, std::int32_t d, std::int32_t bound, eSearchMode child,
                            std::int64_t *uncutBest = nullptr);
    // A node's moves L[from] down to L[0], shared with the other thread of
    // the search team when it has nothing to do (SiblingSharing.cpp): each
    // searched with the bound `bound` gives once the moves before it are
    // taken, and told the parent's value; `take` gets their values in order
    // until it says to stop. Returns the move it stopped at, or -1.
    int ShareSiblings(const Move *L, int from, std::int32_t d, eSearchMode child,
                      std::int32_t parentValue, const std::function<bool(int, std::int32_t)> &take,
                      const std::function<std::int32_t()> &bound);
    // Searches moves of a node shared by the other thread until none is left.
    void HelpWith(SiblingShare &share);
    // One of them on this board (see SharedSibling); the board's own
    // count of calls is left as it was.
    void SearchSibling(const SiblingShare &share, int i, SharedSibling &result);
    friend class SearchHelper;
    friend struct SearchTeam;

    void AddKletka(int a);
    template <int Own> void AddToNeighbours(Kletka *stone);
    template <bool Describing, int Own> void DelKletka(int a);
    void TakeSlot(Kletka &cell);
    // Without `account` the summary is left to be restored by the caller.
    void GiveSlotBack(Kletka &cell, bool account);
    void LogDescription(int slot);
    // Describes a free cell again from its classes, or a cell that was just
    // taken or freed; `views` has bit 0 set when KREST's classes changed,
    // bit 1 for NOL's.
    static constexpr unsigned BothViews = 3;
    void Describe(const Kletka &cell, unsigned views);
    void DescribeTakenOrFreed(const Kletka &cell);
    // A stone whose line in direction dir changed from the classes it had
    // for each point of view.
    void DescribeStone(const Kletka &cell, int dir, unsigned wasKrest, unsigned wasNol);
    void Account(const MoveDescription &d, int slot, std::int32_t sign);
    void Recategorize(int view, int slot, unsigned was, unsigned is);
    // Search with a flag telling whether the caller uses the returned cell
    // or only its value; most nodes need only the value. With uncutBest, also
    // the best value at the node's last cut-off test that let it go on
    // (NoCutOffTest for none; the caller sets it): the bound is read nowhere
    // else, so a tighter bound that this value does not reach gives the same
    // search.
    Move SearchNode(std::int32_t iz, std::int32_t depth, std::int32_t bound, eSearchMode mode,
                    bool pickRandom, bool needCell, std::int64_t *uncutBest = nullptr);
    void AddToSums(const Kletka &cell, std::int32_t sign, int direction);
    bool PastTimeLimit() const;

    BoundedList<MoveDescription> cDescriptions;
    Kletka myCells[PaddedCellCount];
    BoundedList<Move> cCandidates;
    BoundedList<Move> cDoneMoves;
    std::int32_t mySums[4] = {};
    DescriptionSummary cSummary;
    SearchState mySearch;
    DescriptionLog *myLog = nullptr; // the log of the move being made, if any
    std::uint64_t myStoneHash = 0;   // the key of the stones on the board
    LeafCache myLeafCache;
    SearchHelper myHelper; // the team this board's searches use
    TeamSeat mySeat;       // the team this board is being searched in, if any
};

// Sorts n > 0 moves ascending by value and picks one at random from the top,
// reaching down as long as each next move is within 33 of the one above it.
Move PickNearTheTop(Move *moves, int n);

// Milliseconds of a steady process clock (never 0, which means "no limit").
std::int64_t ClockMs();
