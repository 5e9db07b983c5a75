#pragma once

// What the two threads of a search share (see SearchHelper.h): a board for
// each to help on, which of them has nothing to do, and the nodes whose
// moves they share. The nodes and the flags are guarded by the mutex, except
// `open`, which the search reads at every node without taking it; a spare
// board is set up under the mutex and then searched only by the thread it
// was handed to.

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
