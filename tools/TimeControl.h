#pragma once

// How long the command-line engine thinks about a move, in milliseconds,
// from the clock the tournament manager announces. The engine deepens its
// search pass by pass; these rules say how long it may go on and whether
// another pass is worth starting.

// The manager's clock as its INFO lines set it; the protocol reader has
// already refused negative values and clamped large ones.
struct ManagerClock {
    long long timeoutTurn = 5000; // per move; 0: answer as fast as possible
    long long timeoutMatch = 0;   // for the whole match; 0: no limit
    long long timeLeft = -1;      // what remains of the match; -1: not told
};

struct TurnBudget {
    long long target = 0;   // what this move should take
    long long deadline = 0; // when the search is stopped, whatever it is doing
};

// The budget for a move with `stones` stones on the board. The deadline
// keeps a margin for answering before the turn time and the match clock run
// out; with a match clock the target is the move's share of what is left.
TurnBudget BudgetForTurn(const ManagerClock &clock, int stones);

// Whether to start another pass `elapsed` ms into the move, the last pass
// having taken `last` ms and the one before it `previous` ms. A pass that
// the deadline cuts short is thrown away, so one is started when it should
// end before the deadline, or, in the first three quarters of the target,
// when it may: time not spent on a move without a match clock is lost anyway.
bool StartAnotherPass(const TurnBudget &budget, long long elapsed, long long last,
                      long long previous);
