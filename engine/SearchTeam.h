#pragma once

// What the two threads of a search share (see SearchHelper.h): a board for
// each to help on, which of them has nothing to do, and the nodes whose
// moves they share. The nodes and the flags are guarded by the mutex, except
// `open`, which the search reads at every node without taking it; a spare
// board is set up under the mutex and then searched only by the thread it
// was handed to.
//
// Why a search with a helper decides exactly as one without: the same move,
// the same value and the same count of calls.
//
// 1. SearchNode reads the bound it is given only in its cut-off tests (CutOff
//    in its `take`), and ShareSiblings takes the values strictly in order,
//    each move started with the bound known then (share.known), which is
//    never tighter than the one it is taken with: a value is taken as it is
//    when its bound is the one known now or StillHolds shows its search never
//    came near the new one, and otherwise the owner searches the move again
//    with the bound known now. SearchSibling leaves the board's count of calls
//    as it was and a move's calls are added only when its value is taken, so
//    moves started past a cut-off and searches done over count for nothing.
// 2. Of the engine only PickNearTheTop, at the root once ShareSiblings has
//    returned, and FindEasyMove, which searches nothing, draw from
//    EngineRandom, every node below the root being searched with pickRandom
//    false; and a node takes its moves back exactly and copies its candidates
//    before its children reuse them, so nothing searched earlier on a board
//    reaches the next move. The one thing a board remembers from move to move
//    is its own leaf cache, whose hits give a leaf what a fresh sum-up gives
//    it, as that depends on the stones alone (for the remembered five see
//    RememberedLeafTotals): which board searched what changes only the time
//    and RememberedLeaves, short of two sets of stones sharing a 64-bit key.
// 3. The one mutex is never held while searching or waiting (ShareSiblings,
//    HelpWith and HelperLoop let go of it around every search, and waits go
//    through `changed`), and a thread waits at a node only in ShareSiblings,
//    for its own share: for a move the other thread started, or in `release`
//    for that thread to leave HelpWith, which it does only with its moves
//    recorded or the share failed. Moves are handed only to an idle thread,
//    the helper in HelperLoop or the owner's thread inside `wait` (never in
//    `release`, and never the helper while it waits at a node), and the
//    owner's thread searches them on spare[0], whose nodes never share and so
//    never wait: every chain of waits ends at a thread that is searching.
// 4. ShareSiblings sets `moves` (and depth, child, parentValue) before it
//    takes the mutex to hand the share over and never again, and the other
//    thread finds the share through `handed` under that mutex; the node's
//    buffer behind `moves` outlives every reader (ShareSiblings returns only
//    once share.helpers is 0, and only then may PickNearTheTop sort it), and
//    meanwhile the owner writes only the value of a move already taken, the
//    other thread reading a move only as it starts one it claimed from
//    share.next. Everything else in the share is read and written under the
//    mutex.
// 5. A copy (`other = *this` in ShareSiblings) carries the whole board, the
//    description list in its order too, and of SearchState the settings, the
//    stop flag's value and the count of calls, never pOuterStop, which
//    ShareSiblings points at the owner's stop flag before clearing the copy's
//    own. The leaf cache, the SearchHelper and the TeamSeat are never copied
//    (an assignment keeps the target's; a copy starts empty, without a thread,
//    outside any team), so a spare keeps its own cache, never starts a thread
//    (only Pole::Search does) and keeps the seat SearchTeam gave it; the log
//    pointer goes across null, as moves are handed out only between moves.
//
// What can still differ is what ends a search early. A search cut short by a
// stop request or the clock decides by when it stopped, with a helper or
// without (the stop `release` sends only reaches moves no longer wanted), and
// an exception on either board ends the search with it (share.failure), even
// one thrown by a move that searching alone would have cut off before.

#include "Pole.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

// One of a node's moves shared between the threads of a search team.
struct SharedSibling {
    enum State { Waiting, Running, Done } state = Waiting;
    std::int32_t bound = 0; // the bound it was searched with
    std::int32_t value = 0;
    std::int64_t uncutBest = NoCutOffTest; // see Pole::SearchNode
    std::uint64_t calls = 0;               // the calls its search took, counted once it is taken
};

// A node's moves after the first, being searched by the two threads: each
// with the bound known when it starts, taken strictly in order by the thread
// that owns the node (SiblingSharing.cpp).
struct SiblingShare {
    const Move *moves = nullptr;
    std::int32_t depth = 0; // of the node
    eSearchMode child = PASSIVE;
    std::int32_t parentValue = 0;
    std::vector<SharedSibling> siblings;
    int next = -1;          // the next move no one has started
    std::int32_t known = 0; // the bound once every move taken so far
    bool over = false;      // nothing more to start
    int helpers = 0;        // threads handed the node and not yet done with it
    std::exception_ptr failure;
};

struct SearchTeam {
    // The board each thread helps on: [0] a second board for the owner's
    // thread, [1] the helper thread's.
    Pole spare[2];
    std::mutex mutex;
    std::condition_variable changed;
    // A thread with nothing to do, that can be handed a node's moves: the
    // owner's thread waiting at a node of its own board for a move the
    // helper searches (its second board is free then), the helper between
    // tasks.
    bool idle[2] = {};
    std::atomic<bool> open[2] = {}; // idle and not yet handed anything
    SiblingShare *handed[2] = {};
    // The moves each thread searched for the other's nodes; guarded by the
    // mutex, only for statistics.
    std::uint64_t helped[2] = {};
    bool quit = false;
    // The owner's stop flag, which stops the spare boards as well.
    const std::atomic<bool> *ownerStop = nullptr;
    // Last, so that the thread starts once everything it uses exists.
    std::thread thread;

    SearchTeam();
    ~SearchTeam();

  private:
    void HelperLoop();
};
