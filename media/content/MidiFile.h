#pragma once

// Standard MIDI files of format 1: a list of tracks of timed events.

#include <cstdint>
#include <string>
#include <vector>

struct MidiEvent {
    std::uint32_t tick;
    std::vector<std::uint8_t> bytes; // status and data, or 0xFF type length data for a meta event
};

struct MidiTrack {
    std::string name;
    std::vector<MidiEvent> events; // any order; sorted by tick when written
};

// Writes the tracks with the given resolution; false when the file cannot be
// written. At equal ticks, note-offs go before everything else so that a
// repeated note is struck again.
bool WriteMidiFile(const std::string &path, const std::vector<MidiTrack> &tracks,
                   int ticksPerQuarter);
