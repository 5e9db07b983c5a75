#pragma once

// How long a standard MIDI file plays: the time from its start to its last
// event, through every tempo change. The synthesizer that plays it reports
// the end only once the last note's release has died away, seconds later;
// the program reports the end at this time instead, so the next piece or the
// repeat follows without dead air. Standard library only.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// How long the last note may ring before the piece counts as ended: enough
// for its release to be heard, far less than the seconds the synthesizer
// takes to fall silent.
inline constexpr std::chrono::milliseconds LastNoteRing{300};

// The time of the last event of any track (its end of track), the tempo map
// taken from every track; nullopt for bytes that are no complete MIDI file
// (a missing chunk, an event cut short, an unknown division).
std::optional<std::chrono::microseconds> MidiPlayingTime(const std::vector<unsigned char> &bytes);

// As above for the file at path; nullopt when it cannot be read.
std::optional<std::chrono::microseconds> MidiFilePlayingTime(const std::string &path);
