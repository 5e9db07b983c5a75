#include "TimeControl.h"

#include "Types.h"

#include <algorithm>

namespace
{

// Time kept back for waking up, printing the move and the pipe to the
// manager: 30 ms and 4 % of the time, at most a second.
long long Margin(long long available)
{
    return std::min(30 + available / 25, 1000LL);
}

// The moves a side is still expected to play: a game seldom fills more than
// a fraction of the board, so the estimate shrinks with the free cells and
// never drops below a reserve.
long long MovesToPlay(int stones)
{
    return std::max(10LL, static_cast<long long>(CellCount - stones) / 8);
}

} // namespace

TurnBudget BudgetForTurn(const ManagerClock &clock, int stones)
{
    const bool matchClock = clock.timeoutMatch > 0 && clock.timeLeft >= 0;
    long long available = clock.timeoutTurn;
    if (matchClock)
        available = std::min(available, clock.timeLeft);
    TurnBudget budget;
    budget.deadline = std::max(0LL, available - Margin(available));
    budget.target = budget.deadline;
    if (matchClock) {
        // Spend the move's share, and let a promising pass run to twice that.
        budget.target = std::min(budget.target, clock.timeLeft / MovesToPlay(stones));
        budget.deadline = std::min(budget.deadline, 2 * budget.target);
    }
    return budget;
}

bool StartAnotherPass(const TurnBudget &budget, long long elapsed, long long last,
                      long long previous)
{
    if (elapsed >= budget.target)
        return false;
    // Each pass costs a few times the one before; the observed growth,
    // within sane bounds, predicts the next.
    const long long growth = previous > 0 ? std::clamp(last / previous, 2LL, 8LL) : 4;
    const long long predicted = last * growth;
    return elapsed + predicted <= budget.deadline || 4 * elapsed < 3 * budget.target;
}
