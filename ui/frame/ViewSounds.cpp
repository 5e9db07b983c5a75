#include "ViewSounds.h"

#include "Errors.h"
#include "Records.h"

namespace
{

// Indexes of SoundNames.
constexpr int MakeMoveSound = 0, BadMoveSound = 1, BackMoveSound = 2, NewGameSound = 3;
constexpr int FirstLoseSound = 4, FirstWinSound = 9;

} // namespace

SoundChoice ChooseSound(std::int32_t soundEvent, std::int32_t gameMode,
                        const std::function<int()> &draw)
{
    switch (soundEvent) {
    case SoundNone:
    case SoundSecond: // the clock's second is silent
        return {};
    case SoundNewGame:
        return {NewGameSound, false};
    case SoundBack:
        return {BackMoveSound, false};
    case SoundBadMove:
        return {BadMoveSound, false};
    case SoundMove:
        break;
    default:
        throw xProgramme("COrbeView::Sounds : Strange myData");
    }
    // A move: the game's result decides, and the end of a game always sounds.
    switch (gameMode) {
    case InProgress:
        return {MakeMoveSound, false};
    case PlayerWon:
        return {FirstWinSound + draw(), true};
    case ComputerWon:
        return {FirstLoseSound + draw(), true};
    case Draw:
        return {};
    default:
        throw xProgramme("COrbeView::Sounds : Unknown GameMode");
    }
}
