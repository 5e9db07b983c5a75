#pragma once

// What a search keeps beside the board: its limits, the phase and the
// evaluation it uses, the stop flag another thread may set and a count of
// its calls. The board holds one, so that a copied board searches alike.

#include "Types.h"

#include <atomic>
#include <cstdint>

enum ePriceModes : std::int32_t { PriceRunningSums = 0, PriceFreeCells = 1, PriceStones = 2 };

// Evaluation coefficients c0, c1, c2, c3, e0, e1.
struct Coefficients {
    std::int32_t c[4] = {1, 1, 0, 0};
    std::int32_t e[2] = {0, 0};
};

// The settings of a search: plain values, copied with the board by default.
struct SearchSettings {
    std::int32_t iRootSide = KREST; // the side the values are seen from
    std::int32_t iLevel = 0;
    std::int64_t iTimeLimit = 0; // ClockMs() past which every node stops; 0 for none
    Coefficients cCurrent;
    bool bAttackPhase = false;
    std::int32_t ePriceMode = PriceStones;
    // Leaves worked out without making their move; off only to check them
    // against the moves made.
    bool bLeafShortcut = true;
    // Whether deep searches share their nodes' moves with a helper thread.
    bool bShare = true;
};

struct SearchState : SearchSettings {
    // On a cache line of its own: a helper thread reads it at every node,
    // and the fields around it change at every node.
    alignas(64) std::atomic<bool> bStop{false};
    // The stop flag of the board a helper searches for, which stops it too;
    // a board's own, never copied.
    alignas(64) const std::atomic<bool> *pOuterStop = nullptr;
    std::uint64_t iCalls = 0; // Pole::Search calls; only for statistics

    SearchState() = default;
    SearchState(const SearchState &other) { *this = other; }
    // The settings, the stop flag's value and the count; never pOuterStop.
    SearchState &operator=(const SearchState &other)
    {
        static_cast<SearchSettings &>(*this) = other;
        bStop.store(other.bStop.load(std::memory_order_relaxed), std::memory_order_relaxed);
        iCalls = other.iCalls;
        return *this;
    }

    bool StopRequested() const
    {
        return bStop.load(std::memory_order_relaxed) ||
               (pOuterStop != nullptr && pOuterStop->load(std::memory_order_relaxed));
    }
};
