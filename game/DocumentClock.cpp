// The two clocks, advanced by the view's 100 ms pulse.

#include "DivuzDoc.h"

namespace
{

// Per Mode: which clock a pulse advances while the player is to move and
// while a request is out (0 the computer's, 1 the player's, 2 none).
constexpr int pulseTable[ModeCount][2] = {{1, 0}, {2, 2}, {2, 2}, {0, 0}, {2, 2}, {1, 0}};

} // namespace

int CDivuzDoc::WhichPulse() const
{
    // A finished game stops both clocks; so does a mode no table knows.
    if (myData.GameMode != InProgress || !IsValidMode(myData.Mode))
        return 2;
    return pulseTable[myData.Mode][myData.IsThinking ? 1 : 0];
}

void CDivuzDoc::OnTimePulse()
{
    // Steps 1 and 2. Pick the clock that runs now.
    std::int32_t *clock = nullptr;
    switch (WhichPulse()) {
    case 0:
        clock = &myData.ComputerTime;
        break;
    case 1:
        clock = &myData.PlayerTime;
        break;
    case 2:
        return;
    default:
        throw xProgramme("CDivuzDoc::OnTimePulse : strange WhichPulse");
    }
    ++*clock;

    // Step 3. The clock window repaints once per whole second.
    if (*clock % 10 == 0) {
        myData.SoundEvent = SoundSecond;
        UpdateAllViews();
    }
}
