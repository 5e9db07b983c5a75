#pragma once

// Which picture strip each sign is drawn with. The side that made the first
// move of the game always gets the set's first strip (X, or the black
// stone), whoever that side is, so the pictures follow who began.

#include "DivuzOptions.h"
#include "Types.h"

#include <cstdint>
#include <utility>

// The strips of KREST and NOL for the sign set; false for a set the layout
// does not have.
inline bool ChooseSignStrips(const PoleWndLayout &layout, int signSet, bool isPlayerFirst,
                             std::int32_t playerSign, int &krestBitmap, int &nolBitmap)
{
    // For each set and each "player first" flag, the strip of KREST when the
    // player plays KREST; the other sign takes its partner.
    constexpr int T[4] = {1, 0, 3, 2};
    if (signSet < 0 || signSet > MaxSignSet)
        return false;
    int i = T[(isPlayerFirst ? 1 : 0) + 2 * signSet];
    int j = T[i];
    if (playerSign == NOL)
        std::swap(i, j);
    krestBitmap = layout.SignBitmaps[i];
    nolBitmap = layout.SignBitmaps[j];
    return true;
}
