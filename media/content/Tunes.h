#pragma once

// The note data of the music: traditional tunes (all in the public domain),
// written down here and arranged for melody, bass, chords and drums.
//
// Notation. A melody is a list of "NOTE:LEN" tokens: NOTE is a letter, an
// optional '#' or 'b' and an octave (C4 is middle C), or 'r' for a rest;
// LEN counts eighth notes. '|' closes a bar and is checked against the bar
// length. Chords are "NAME:LEN" tokens: a root letter, optional '#'/'b' and
// 'm' for minor. Drums are "OFFSET:KEY:VELOCITY" tokens of one bar.

#include <string>
#include <vector>

// One melody voice: its notes repeated `times`, from bar `startBar`, on a
// General MIDI program.
struct TuneVoice {
    std::string name;
    int program;
    int transpose; // semitones
    int velocity;
    int startBar;
    std::string notes;
    int times = 1;
};

struct Tune {
    std::string file; // e.g. "Korobeiniki.mid"
    std::string title;
    int tempo;      // quarter notes per minute
    int barEighths; // bar length in eighths: 8 for 4/4, 6 for 3/4
    int timeSignatureTop, timeSignatureBottom;
    std::vector<TuneVoice> voices;
    std::string chords;   // over the whole piece, from bar 0
    std::string bassCell; // "LEN:INTERVAL" tokens, repeated through each chord
    int bassProgram;
    int padProgram;
    std::string drums; // one bar, repeated under the whole piece
};

std::vector<Tune> DivuzTunes();
