#pragma once

// Turns a tune's note data into the tracks of a MIDI file: one track per
// melody voice, a bass and a chord pad that follow the chords, and a drum
// track on the General MIDI percussion channel.

#include "MidiFile.h"
#include "Tunes.h"

#include <stdexcept>
#include <string>
#include <vector>

inline constexpr int TicksPerQuarter = 480;

// Note data that does not parse or whose bars do not add up.
class TuneError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

struct Arrangement {
    std::vector<MidiTrack> tracks;
    int bars = 0;
    double seconds = 0; // playing time of the notes, without the last note's ring
};

// Throws TuneError naming the tune and the token for faulty note data.
Arrangement Arrange(const Tune &tune);
