#pragma once

// A second thread for a board's searches. Deep enough nodes share their
// moves after the first with the other thread whenever it has nothing to do
// (SiblingSharing.cpp); this holds what that takes: the helper thread, a
// board for each thread to help on and what the two threads tell each other.
// Started on first use; a board that never searches deep enough never
// starts one.

#include <cstdint>
#include <memory>

class Pole;
struct SearchTeam;

class SearchHelper
{
  public:
    SearchHelper();
    // A copy starts without a thread and an assignment keeps the target's:
    // the thread belongs to the board that started it.
    SearchHelper(const SearchHelper &);
    SearchHelper &operator=(const SearchHelper &);
    ~SearchHelper();

    // The team for a search of `owner`, started if need be; none on a
    // machine without a second processor, or when no thread can be started.
    SearchTeam *Team(Pole &owner);
    // The moves the helper thread took from this board's nodes since it
    // started; only for statistics (0 with no thread).
    std::uint64_t HelpedMoves() const;

  private:
    std::unique_ptr<SearchTeam> my;
};

// Where a board sits in a team: none, or the thread it is searched on
// (0 the board's own, 1 the helper) and whether its nodes may hand out
// moves. A board's own, never copied.
struct TeamSeat {
    SearchTeam *team = nullptr;
    int thread = 0;
    bool mayShare = false;

    TeamSeat() = default;
    TeamSeat(const TeamSeat &) {}
    TeamSeat &operator=(const TeamSeat &) { return *this; }
};
