#include "Pole.h"

#include "LinePatternTable.h"
#include "Neighbours.h"

#include <chrono>
#include <cstring>

namespace
{

// The (dense) code of an empty board: every digit free except those that
// point off it.
std::uint16_t EmptyCode(int x, int y, int dir)
{
    std::uint16_t code = 0;
    for (int j = 7; j >= 0; --j) {
        int p = j < 4 ? j - 4 : j - 3;
        int px = x + p * DirDx[dir];
        int py = y + p * DirDy[dir];
        bool onBoard = px >= 0 && py >= 0 && px < BoardSize && py < BoardSize;
        code = static_cast<std::uint16_t>(3 * code + (onBoard ? 2 : 0));
    }
    return code;
}

// What a stone adds to the summary: its own side's values and the other
// side's weights over its four lines, which it blocks. Both are sums over the
// lines, so a stone's description keeps none of it: a line that changes class
// changes the summary by its own difference (DescribeStone), and a stone that
// leaves takes away what its lines give at that moment.
void StoneSums(const Kletka &cell, std::int32_t znak, std::int32_t &value, std::int32_t &block)
{
    const int v = ViewOf(znak);
    value = 0;
    block = 0;
    for (int dir = 0; dir < 4; ++dir) {
        value += LineValue[cell.iClass[v][dir]];
        block += LineWeight[cell.iClass[1 - v][dir]];
    }
}

} // namespace

const std::int32_t Pole::ThreatDepth[20] = {0,  0,  0, 4, 5, 6, 7, 8, 9, 11,
                                            12, 13, 0, 0, 0, 0, 0, 0, 0, 0};
const Coefficients Pole::AttackSet = {{32768, 1, 32, 1024}, {32, 1}};
const Coefficients Pole::DefenceSet = {{32, 1024, 32768, 1}, {1, 32}};

int DescriptionSummary::Last(int view, Category c) const
{
    for (int w = Words - 1; w >= 0; --w)
        if (const std::uint64_t bits = cMembers[w][view][c]; bits != 0)
            return 64 * w + 63 - __builtin_clzll(bits);
    return -1;
}

std::int64_t ClockMs()
{
    using namespace std::chrono;
    static const auto start = steady_clock::now();
    return duration_cast<milliseconds>(steady_clock::now() - start).count() + 1;
}

Pole::Pole() : cDescriptions(CellCount), cCandidates(CellCount), cDoneMoves(CellCount)
{
    // Border cells start with every digit free, as if the board went on:
    // each stone lowers one digit of theirs once, so their codes stay in
    // the table's range too.
    for (Kletka &k : myCells) {
        k.iNear = BorderNear;
        for (auto &view : k.LineCode)
            for (auto &code : view)
                code = DenseCodeCount - 1;
    }
    for (int y = 0; y < BoardSize; ++y)
        for (int x = 0; x < BoardSize; ++x) {
            Kletka &k = myCells[Padded(x, y)];
            k.x = static_cast<std::int8_t>(x);
            k.y = static_cast<std::int8_t>(y);
            k.iNear = 0;
            for (int dir = 0; dir < 4; ++dir) {
                const std::uint16_t code = EmptyCode(x, y, dir);
                k.LineCode[0][dir] = code;
                k.LineCode[1][dir] = code;
                k.iClass[0][dir] = DenseClassTable[code];
                k.iClass[1][dir] = DenseClassTable[code];
            }
        }
}

void Pole::Clear()
{
    *this = Pole();
}

void Pole::SetPosition(const BoundedList<Move> &moves)
{
    Clear();
    for (int i = 0; i < moves.GetCurSize(); ++i)
        MakeMove(moves[i]);
}

const Kletka &Pole::Cell(int x, int y) const
{
    if (x < 0 || y < 0 || x >= BoardSize || y >= BoardSize)
        throw xParam("Index out of range.");
    return myCells[Padded(x, y)];
}

bool Pole::CodesInRange() const
{
    for (const Kletka &k : myCells)
        for (const auto &view : k.LineCode)
            for (std::uint16_t code : view)
                if (code >= DenseCodeCount)
                    return false;
    return true;
}

// A logged move keeps what it changes among the descriptions it found; the
// ones it adds go again when it is taken back.
void Pole::LogDescription(int slot)
{
    if (myLog != nullptr && slot < myLog->firstNew) {
        myLog->index[myLog->count] = slot;
        myLog->saved[myLog->count++] = cDescriptions.Data()[slot];
    }
}

// The cell was taken or freed: out of the summary as it was, in as it is.
// Kept apart, as it happens once a move, so that describing a neighbour, some
// seventeen times a move, stays a light call.
[[gnu::noinline]] void Pole::DescribeTakenOrFreed(const Kletka &cell)
{
    MoveDescription &d = cDescriptions.Data()[cell.iDesc];
    LogDescription(cell.iDesc);
    Account(d, cell.iDesc, -1);
    d.iZnak = cell.iZnak;
    if (cell.iZnak == FREE) {
        DescribeClasses(cell, d);
    } else {
        d.side[0] = d.side[1] = SideLines{};
    }
    Account(d, cell.iDesc, +1);
}

[[gnu::noinline]] void Pole::Describe(const Kletka &cell, unsigned views)
{
    MoveDescription &d = cDescriptions.Data()[cell.iDesc];
    if (d.iZnak != cell.iZnak) {
        DescribeTakenOrFreed(cell);
        return;
    }
    LogDescription(cell.iDesc);
    // Otherwise only the points of view whose lines changed are described
    // again, and only what changed goes into the summary. Spelt out for each
    // set of views, so that each is straight code; kept out of line, as
    // inlined into the unrolled neighbour loop it would crowd the
    // instruction cache (8 % slower when tried).
    auto describe = [&](int view) {
        SideLines &lines = d.side[view];
        const unsigned was = lines.iCategories;
        DescribeSide(cell.iClass[view], lines);
        const unsigned is = lines.iCategories;
        if (was != is)
            Recategorize(view, cell.iDesc, was, is);
    };
    if (views == BothViews) {
        describe(0);
        describe(1);
    } else {
        describe(views == 1 ? 0 : 1);
    }
}

void Pole::DescribeStone(const Kletka &cell, int dir, unsigned wasKrest, unsigned wasNol)
{
    // Selected rather than indexed, so that the old classes stay in registers.
    const int v = ViewOf(cell.iZnak);
    const unsigned wasOwn = v == 0 ? wasKrest : wasNol;
    const unsigned wasOther = v == 0 ? wasNol : wasKrest;
    cSummary.iStoneValueSum[v] += LineValue[cell.iClass[v][dir]] - LineValue[wasOwn];
    cSummary.iStoneBlockSum[v] += LineWeight[cell.iClass[1 - v][dir]] - LineWeight[wasOther];
}

// Moves a free cell's slot between the category sets of one point of view.
void Pole::Recategorize(int view, int slot, unsigned was, unsigned is)
{
    const std::uint64_t bit = std::uint64_t(1) << (slot & 63);
    std::uint64_t *sets = cSummary.cMembers[slot >> 6][view];
    for (unsigned changed = was ^ is; changed != 0; changed &= changed - 1) {
        const int c = __builtin_ctz(changed);
        cSummary.iCount[view][c] += (is >> c) & 1 ? 1 : -1;
        sets[c] ^= bit;
    }
}

// Adds (sign +1) or removes (-1) what one description contributes to the summary.
void Pole::Account(const MoveDescription &d, int slot, std::int32_t sign)
{
    DescriptionSummary &s = cSummary;
    if (d.iZnak != FREE) {
        std::int32_t value, block;
        StoneSums(myCells[Padded(d.x, d.y)], d.iZnak, value, block);
        s.iStoneValueSum[ViewOf(d.iZnak)] += sign * value;
        s.iStoneBlockSum[ViewOf(d.iZnak)] += sign * block;
        return;
    }
    for (int view = 0; view < 2; ++view) {
        const unsigned mask = d.side[view].iCategories;
        if (mask != 0)
            Recategorize(view, slot, sign > 0 ? 0 : mask, sign > 0 ? mask : 0);
    }
}

void Pole::TakeSlot(Kletka &cell)
{
    if (cDescriptions.GetCurSize() >= cDescriptions.GetSize())
        throw xParam("Stack is full.");
    cell.iDesc = cDescriptions.GetCurSize();
    MoveDescription fresh;
    fresh.x = cell.x;
    fresh.y = cell.y;
    cDescriptions.Push(fresh);
}

void Pole::GiveSlotBack(Kletka &cell, bool account)
{
    const MoveDescription &top = cDescriptions.Top();
    if (top.x != cell.x || top.y != cell.y)
        throw xParam("Pole::DelKletka - Moves are different.");
    if (account)
        Account(top, cell.iDesc, -1);
    cDescriptions.Pop();
    cell.iDesc = -1;
}

void Pole::AddToSums(const Kletka &cell, std::int32_t sign, int direction)
{
    const MoveDescription &d = cDescriptions.Data()[cell.iDesc];
    const std::int32_t k = d.side[0].iWeightSum * direction;
    const std::int32_t n = d.side[1].iWeightSum * direction;
    if (sign == KREST) {
        mySums[0] += k;
        mySums[1] += n;
    } else {
        mySums[2] += n;
        mySums[3] += k;
    }
}

void Pole::MakeMove(const Move &cM)
{
    // Every check comes before the first change, so a refused move changes nothing.
    if (cM.x < 0 || cM.x >= BoardSize || cM.y < 0 || cM.y >= BoardSize)
        throw xParam("Index out of range.");
    Kletka &cell = myCells[Padded(cM.x, cM.y)];
    if (cell.iZnak != FREE)
        throw xMove();
    if (cM.iZnak != KREST && cM.iZnak != NOL)
        throw xParam("Pole::MakeMove : cM.iZnak=FREE");
    if (cDoneMoves.GetCurSize() >= cDoneMoves.GetSize())
        throw xParam("Stack is full.");

    if (cell.iDesc != -1)
        AddToSums(cell, cM.iZnak, +1);
    cell.iZnak = cM.iZnak;
    AddKletka(Padded(cM.x, cM.y));
    cDoneMoves.Push(cM);
    myStoneHash ^= StoneKey(Padded(cM.x, cM.y), ViewOf(cM.iZnak));
}

void Pole::AddKletka(int a)
{
    Kletka &cell = myCells[a];
    if (cell.iNear++ == 0)
        TakeSlot(cell);
    if (cell.iDesc != -1)
        Describe(cell, BothViews);

    if (cell.iZnak == KREST)
        AddToNeighbours<0>(&cell);
    else
        AddToNeighbours<1>(&cell);
}

// With the point of view fixed and the neighbours at fixed offsets from the
// stone's cell, every access in the unrolled loop is a constant displacement.
template <int Own> void Pole::AddToNeighbours(Kletka *stone)
{
    constexpr int Other = 1 - Own;
#pragma GCC unroll 32
    for (const Neighbour &nb : Neighbours) {
        Kletka &n = stone[nb.offset];
        // Only a point of view whose class of the line changed is described again.
        std::uint8_t was[2];
        was[Own] = n.iClass[Own][nb.dir];
        was[Other] = n.iClass[Other][nb.dir];
        ShiftLine<Own, +1>(n, nb);
        unsigned changed = (was[Own] != n.iClass[Own][nb.dir] ? 1u << Own : 0u) |
                           (was[Other] != n.iClass[Other][nb.dir] ? 1u << Other : 0u);
        if (nb.near && n.iNear++ == 0) {
            TakeSlot(n);
            changed = BothViews;
        }
        if (changed != 0 && n.iDesc != -1) {
            if (n.iZnak == FREE)
                Describe(n, changed);
            else
                DescribeStone(n, nb.dir, was[0], was[1]);
        }
    }
}

void Pole::MakeMoveLogged(const Move &cM, DescriptionLog &log)
{
    static_assert(DescriptionLog::MaxDescribed == 1 + Neighbours.size(),
                  "a move describes its own cell and each neighbour at most once");
    log.count = 0;
    log.firstNew = cDescriptions.GetCurSize();
    // The move takes at most a slot for every cell it describes.
    constexpr int Words = DescriptionSummary::Words;
    const int words = (log.firstNew + DescriptionLog::MaxDescribed + 63) / 64;
    log.words = words < Words ? words : Words;
    std::memcpy(log.members, cSummary.cMembers, log.words * sizeof(DescriptionSummary::SetWords));
    log.totals = cSummary;
    myLog = &log;
    try {
        MakeMove(cM);
    } catch (...) {
        myLog = nullptr;
        throw;
    }
    myLog = nullptr;
}

void Pole::BackMoveLogged(const DescriptionLog &log)
{
    BackMoveImpl(&log);
}

void Pole::BackMove()
{
    BackMoveImpl(nullptr);
}

void Pole::BackMoveImpl(const DescriptionLog *log)
{
    if (cDoneMoves.GetCurSize() < 1)
        throw xParam("Stack is empty.");
    const Move cM = cDoneMoves.Top();
    cDoneMoves.Pop();
    if (cM.x < 0 || cM.x >= BoardSize || cM.y < 0 || cM.y >= BoardSize)
        throw xParam("Pole::BackMove:Bad move");
    Kletka &cell = myCells[Padded(cM.x, cM.y)];
    if (cell.iZnak == FREE)
        throw xParam("Pole::BackMove:Place to backmove is free");
    cell.iZnak = FREE;
    const int a = Padded(cM.x, cM.y);
    myStoneHash ^= StoneKey(a, ViewOf(cM.iZnak));
    if (log == nullptr)
        cM.iZnak == KREST ? DelKletka<true, 0>(a) : DelKletka<true, 1>(a);
    else
        cM.iZnak == KREST ? DelKletka<false, 0>(a) : DelKletka<false, 1>(a);
    if (log != nullptr) {
        for (int i = 0; i < log->count; ++i)
            cDescriptions.Data()[log->index[i]] = log->saved[i];
        static_cast<DescriptionTotals &>(cSummary) = log->totals;
        std::memcpy(cSummary.cMembers, log->members,
                    log->words * sizeof(DescriptionSummary::SetWords));
    }
    if (cell.iDesc != -1) {
        if (cM.iZnak != KREST && cM.iZnak != NOL)
            throw xParam("BackMove : cM.iZnak=FREE");
        AddToSums(cell, cM.iZnak, -1);
    }
}

// Taking a logged move back leaves the descriptions and the summary to the log.
// Own is the point of view of the stone taken back.
template <bool Describing, int Own> void Pole::DelKletka(int a)
{
    Kletka &cell = myCells[a];
#pragma GCC unroll 32
    for (int i = 31; i >= 0; --i) {
        const Neighbour &nb = Neighbours[i];
        Kletka &n = (&cell)[nb.offset];
        const std::uint8_t was[2] = {n.iClass[0][nb.dir], n.iClass[1][nb.dir]};
        ShiftLine<Own, -1>(n, nb);
        if (nb.near && --n.iNear == 0)
            GiveSlotBack(n, Describing);
        if (Describing && n.iDesc != -1) {
            if (n.iZnak == FREE)
                Describe(n, BothViews);
            else
                DescribeStone(n, nb.dir, was[0], was[1]);
        }
    }
    if (--cell.iNear == 0)
        GiveSlotBack(cell, Describing);
    if (Describing && cell.iDesc != -1)
        Describe(cell, BothViews);
}

std::int32_t Pole::CheckVictory(BoundedList<Place> &out) const
{
    const int count = cDoneMoves.GetCurSize();
    BoundedList<Place> lines[2] = {BoundedList<Place>(count), BoundedList<Place>(count)};
    for (int i = 0; i < count; ++i) {
        const Move &m = cDoneMoves[i];
        if (m.iZnak != KREST && m.iZnak != NOL)
            throw xParam("Pole::CheckVictory : cDoneMoves[i].iZnak!=KREST or NOL");
        const Kletka &cell = Cell(m.x, m.y);
        MoveDescription d;
        DescribeCell(cell, d);
        if (d.Of(m.iZnak).iMax >= FiveWeight)
            lines[ViewOf(m.iZnak)].Push(Place{m.x, m.y, m.iZnak});
    }
    if (lines[0].GetCurSize() > 0) {
        out = lines[0];
        return KREST;
    }
    if (lines[1].GetCurSize() > 0) {
        out = lines[1];
        return NOL;
    }
    return FREE;
}

bool Pole::PastTimeLimit() const
{
    return mySearch.iTimeLimit != 0 && ClockMs() > mySearch.iTimeLimit;
}
