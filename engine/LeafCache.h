#pragma once

// Leaf totals remembered by position. What a search leaf reads of the board's
// totals (the stone sums and the category counts up to ThreeOrBetter) depends
// on nothing but the stones on the board, so a position met again, by moves
// in another order, in the other phase or in the next pass of a deepening
// search, takes them from here instead of summing them up again.

#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>

// A set of stones is keyed by the XOR of one key per stone (by its cell on
// the padded board and its point of view).
constexpr std::uint64_t StoneKey(int cell, int view)
{
    std::uint64_t x = 2 * std::uint64_t(cell) + std::uint64_t(view) + 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

class LeafCache
{
  public:
    // The categories remembered: Five up to ThreeOrBetter.
    static constexpr int Categories = 7;

    // A cache line each.
    struct alignas(64) Entry {
        std::uint64_t key = 0; // 0 for an empty slot
        std::int32_t iStoneValueSum[2];
        std::int32_t iStoneBlockSum[2];
        std::int16_t iCount[2][Categories];
        // The cell (on the padded board) where the leaf's side would have
        // five, or NoFive.
        std::int16_t iFive;
    };
    static constexpr std::int16_t NoFive = INT16_MIN;

    LeafCache() = default;
    // A copy starts empty and an assignment keeps what the target had: what
    // is remembered holds for any board, but sharing it would tie two boards,
    // and the threads that search them, together.
    LeafCache(const LeafCache &) {}
    LeafCache &operator=(const LeafCache &) { return *this; }

    // Whether the table is in use: only once enough leaves have asked for it
    // to pay for clearing it, since most boards search little or not at all.
    bool InUse() { return myEntries != nullptr || (++myAsked >= WorthFrom && Allocate()); }
    bool Allocated() const { return myEntries != nullptr; }
    // The slot for a key, once in use.
    Entry &Slot(std::uint64_t key) { return myEntries[key & (Size - 1)]; }
    // Asks for the slot to be brought into the cache ahead of its use.
    void Prefetch(std::uint64_t key) const { __builtin_prefetch(&myEntries[key & (Size - 1)]); }
    // Whether a slot holds what was remembered for the key (never for key 0,
    // the mark of an empty slot).
    bool Holds(const Entry &e, std::uint64_t key)
    {
        const bool held = key != 0 && e.key == key;
        myHits += held;
        return held;
    }
    // Leaves whose totals came from the table; only for statistics.
    std::uint64_t Hits() const { return myHits; }

  private:
    bool Allocate();

    static constexpr std::size_t Size = std::size_t(1) << 15;
    static constexpr std::uint64_t WorthFrom = 1 << 15; // leaves
    std::unique_ptr<Entry[]> myEntries;
    std::uint64_t myAsked = 0;
    std::uint64_t myHits = 0;
};
