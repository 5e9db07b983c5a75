#include "MidiFile.h"

#include <algorithm>
#include <fstream>

namespace
{

void PutVarLen(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    std::uint8_t bytes[5];
    int n = 0;
    bytes[n++] = v & 0x7F;
    while (v >>= 7)
        bytes[n++] = 0x80 | (v & 0x7F);
    while (n > 0)
        out.push_back(bytes[--n]);
}

void Put32(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(v >> shift));
}

bool IsNoteOff(const MidiEvent &e)
{
    const std::uint8_t kind = e.bytes[0] & 0xF0;
    return kind == 0x80 || (kind == 0x90 && e.bytes.size() > 2 && e.bytes[2] == 0);
}

std::vector<std::uint8_t> TrackChunk(const MidiTrack &track)
{
    std::vector<MidiEvent> events = track.events;
    std::stable_sort(events.begin(), events.end(), [](const MidiEvent &a, const MidiEvent &b) {
        if (a.tick != b.tick)
            return a.tick < b.tick;
        return IsNoteOff(a) && !IsNoteOff(b);
    });
    std::vector<std::uint8_t> body;
    if (!track.name.empty()) {
        body.insert(body.end(), {0x00, 0xFF, 0x03});
        PutVarLen(body, std::uint32_t(track.name.size()));
        body.insert(body.end(), track.name.begin(), track.name.end());
    }
    std::uint32_t now = 0;
    for (const MidiEvent &e : events) {
        PutVarLen(body, e.tick - now);
        now = e.tick;
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    }
    body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00}); // end of track
    std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
    Put32(chunk, std::uint32_t(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

} // namespace

bool WriteMidiFile(const std::string &path, const std::vector<MidiTrack> &tracks,
                   int ticksPerQuarter)
{
    std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    file.push_back(std::uint8_t(tracks.size() >> 8));
    file.push_back(std::uint8_t(tracks.size() & 0xFF));
    file.push_back(std::uint8_t(ticksPerQuarter >> 8));
    file.push_back(std::uint8_t(ticksPerQuarter & 0xFF));
    for (const MidiTrack &track : tracks) {
        const std::vector<std::uint8_t> chunk = TrackChunk(track);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(file.data()), std::streamsize(file.size()));
    return bool(out);
}
