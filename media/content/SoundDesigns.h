#pragma once

// The fourteen event sounds of the game, synthesised from recipes: a soft
// click for a move, a buzz for a refused one, a falling glide for taking a
// move back, a rising chime for a new game, five bright winning and five low
// losing sounds. Indexed like the sound events of the options record.

#include <array>
#include <vector>

inline constexpr int SoundSampleRate = 22050;
// Every sound is scaled to this peak: clearly audible, well below clipping.
inline constexpr float SoundPeak = 0.7f;

struct SoundDesign {
    const char *file; // the default file name of the event
    double seconds;   // exact length
};

inline constexpr std::array<SoundDesign, 14> SoundDesigns = {{
    {"MakeMove.wav", 0.09},
    {"BadMove.wav", 0.32},
    {"BackMove.wav", 0.22},
    {"NewGame.wav", 0.70},
    {"Lose1.wav", 0.90},
    {"Lose2.wav", 1.40},
    {"Lose3.wav", 1.20},
    {"Lose4.wav", 1.00},
    {"Lose5.wav", 1.30},
    {"Win1.wav", 1.00},
    {"Win2.wav", 1.10},
    {"Win3.wav", 1.00},
    {"Win4.wav", 1.20},
    {"Win5.wav", 1.10},
}};

// The number of samples of sound index at SoundSampleRate.
int SoundLength(int index);

// The samples of sound index (0..13), peak SoundPeak.
std::vector<float> SynthesizeSound(int index);
