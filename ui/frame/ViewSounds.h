#pragma once

// Which wave file a document update sounds with: the table of event codes
// and game results, kept apart from the view so it can be read and tested
// on its own.

#include <cstdint>
#include <functional>

struct SoundChoice {
    int index = -1;         // into SoundNames; -1 for silence
    bool interrupt = false; // stops a playing sound; otherwise dropped while one plays

    bool operator==(const SoundChoice &) const = default;
};

// The sound of event code soundEvent (0..5) with the game's GameMode (0..3,
// read for a move only). draw gives 0..4 for the five winning or losing
// sounds and is called only for them. Throws xProgramme "COrbeView::Sounds :
// Strange myData" for an event code outside 0..5 and "COrbeView::Sounds :
// Unknown GameMode" for a move with a GameMode outside 0..3.
SoundChoice ChooseSound(std::int32_t soundEvent, std::int32_t gameMode,
                        const std::function<int()> &draw);
