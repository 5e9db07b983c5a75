// The chances split shown beside the board: how the 150 points of the two
// players' chances are shared after a search.

#include "Pole.h"

#include <cmath>

PriceSplit Pole::CalcPrice(std::int32_t /*x*/, std::int32_t /*y*/, std::int32_t sign,
                           std::int32_t value) const
{
    // Step 1. Who has more in his stones, squashed into -22..22. The board's
    // summary keeps each side's sum of its stones' values.
    const std::int32_t *stones = cSummary.iStoneValueSum;
    const double diff = static_cast<double>(stones[ViewOf(KREST)] - stones[ViewOf(NOL)]);
    const int adj = static_cast<int>(std::atan(0.02 * diff) * 0.6366199048125918 * 0.15 * 150.0);

    // Step 2. The mover's base share from the search result.
    int base = 75;
    bool adjust = true;
    if (sign == FREE) {
        adjust = false;
    } else if (value >= WinValue) {
        base = 150;
        adjust = false;
    } else if (value <= -WinValue) {
        base = 0;
        adjust = false;
    } else if (value <= -InitiativeBonus) {
        base = static_cast<int>((1.0 - 0.66) * 150.0);
    } else if (value >= InitiativeBonus) {
        base = static_cast<int>(0.66 * 150.0);
    }

    // Step 3. Shares are given from KREST's side, then the stones' adjustment.
    if (sign == NOL)
        base = 150 - base;
    if (adjust)
        base += adj;
    return PriceSplit{base, 150 - base};
}
