// A node's moves after the first, shared between the two threads of a search
// team. Each move is searched with the bound known when it starts, and the
// values are taken strictly in order by the thread that owns the node. A move
// started before an earlier one tightened the bound keeps its value if its
// search never came near the new bound, and is searched again otherwise; so
// every value, the move chosen and the count of calls are what searching the
// moves one after the other gives.
//
// Who may hand moves to whom keeps each board to one search at a time: the
// helper thread takes moves only between tasks, on its own board; the
// owner's thread takes them only while it waits at a node of its own board,
// on its second board, whose nodes never hand out moves.

#include "SearchTeam.h"

namespace
{

// Whether a move searched with an earlier bound gives what the bound now
// would: a node reads its bound only in its cut-off tests, and its best value
// only ever moves one way, so if the best value at the last test that let it
// go on is short of the new bound, every test goes the same way. (A test that
// cut it off still does: the bound only ever tightens.)
bool StillHolds(const SharedSibling &s, eSearchMode child, std::int32_t bound)
{
    if (s.uncutBest == NoCutOffTest)
        return true;
    const bool maximizing = child == ACTIVE || child == ATTACK;
    return maximizing ? s.uncutBest < bound : s.uncutBest > bound;
}

} // namespace

void Pole::HelpWith(SiblingShare &share)
{
    using Sibling = SharedSibling;
    SearchTeam &team = *mySeat.team;
    std::unique_lock lock(team.mutex);
    while (!share.over && share.next >= 0) {
        const int i = share.next--;
        share.siblings[i].state = Sibling::Running;
        ++team.helped[mySeat.thread];
        Sibling done{Sibling::Done, share.known};
        lock.unlock();
        try {
            SearchSibling(share, i, done);
        } catch (...) {
            lock.lock();
            share.failure = std::current_exception();
            share.over = true;
            break;
        }
        lock.lock();
        share.siblings[i] = done;
        team.changed.notify_all();
    }
    // The owner may leave the node, and `share` with it, once this is seen.
    --share.helpers;
    team.changed.notify_all();
}

int Pole::ShareSiblings(const Move *L, int from, std::int32_t d, eSearchMode child,
                        std::int32_t parentValue,
                        const std::function<bool(int, std::int32_t)> &take,
                        const std::function<std::int32_t()> &bound)
{
    using Sibling = SharedSibling;
    SearchTeam &team = *mySeat.team;
    const int t = mySeat.thread;
    const int o = 1 - t;
    SiblingShare share;
    share.moves = L;
    share.depth = d;
    share.child = child;
    share.parentValue = parentValue;
    share.siblings.resize(from + 1);
    share.next = from;
    share.known = bound();

    std::unique_lock lock(team.mutex);
    // The other thread gets a copy of this board, if it still has nothing
    // to do; otherwise this thread goes through the moves alone.
    if (team.idle[o] && team.handed[o] == nullptr) {
        Pole &other = team.spare[o];
        other = *this;
        other.mySearch.pOuterStop = team.ownerStop;
        other.ClearStop();
        ++share.helpers;
        team.handed[o] = &share;
        team.open[o].store(false, std::memory_order_relaxed);
        team.changed.notify_all();
    }

    // With nothing to start, this thread waits for the move it is to take
    // next; the owner's thread takes moves handed to it meanwhile.
    const bool mayHelp = t == 0;
    auto wait = [&] {
        if (mayHelp) {
            team.idle[0] = true;
            team.open[0].store(true, std::memory_order_relaxed);
        }
        team.changed.wait(lock);
        if (!mayHelp)
            return;
        team.idle[0] = false;
        team.open[0].store(false, std::memory_order_relaxed);
        if (SiblingShare *handed = team.handed[0]) {
            team.handed[0] = nullptr;
            lock.unlock();
            team.spare[0].HelpWith(*handed);
            lock.lock();
        }
    };
    // However this ends, the other thread is stopped (a move it started may
    // no longer be needed) and waited for before `share` goes.
    auto release = [&] {
        if (!lock.owns_lock())
            lock.lock();
        share.over = true;
        if (share.helpers > 0)
            team.spare[o].RequestStop();
        team.changed.wait(lock, [&] { return share.helpers == 0; });
    };

    int stoppedAt = -1;
    try {
        for (int k = from; k >= 0 && share.failure == nullptr;) {
            const Sibling &s = share.siblings[k];
            if (s.state == Sibling::Done &&
                (s.bound == share.known || StillHolds(s, child, share.known))) {
                mySearch.iCalls += s.calls;
                if (take(k, s.value)) {
                    stoppedAt = k;
                    break;
                }
                share.known = bound();
                --k;
                continue;
            }
            int i;
            if (s.state == Sibling::Done)
                i = k; // its search went otherwise with the bound it had
            else if (share.next >= 0)
                i = share.next--;
            else {
                wait();
                continue;
            }
            share.siblings[i].state = Sibling::Running;
            Sibling done{Sibling::Done, share.known};
            lock.unlock();
            SearchSibling(share, i, done);
            lock.lock();
            share.siblings[i] = done;
        }
    } catch (...) {
        release();
        throw;
    }
    release();
    if (share.failure != nullptr)
        std::rethrow_exception(share.failure);
    return stoppedAt;
}
