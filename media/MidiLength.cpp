#include "MidiLength.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>

namespace
{

// A quarter note lasts half a second until the first tempo event says
// otherwise.
constexpr std::int64_t DefaultTempoUs = 500000;

constexpr unsigned char MetaEvent = 0xFF;
constexpr unsigned char SystemExclusive = 0xF0;
constexpr unsigned char SystemExclusiveEscape = 0xF7;
constexpr unsigned char TempoMeta = 0x51;

std::uint32_t BigEndian(const std::vector<unsigned char> &b, std::size_t at, int count)
{
    std::uint32_t v = 0;
    for (int i = 0; i < count; ++i)
        v = (v << 8) | b[at + i];
    return v;
}

// Reads the bytes of one chunk body front to back; every read is checked.
class Reader
{
  public:
    Reader(const std::vector<unsigned char> &bytes, std::size_t begin, std::size_t end)
        : myBytes(bytes), myAt(begin), myEnd(end)
    {
    }

    bool AtEnd() const { return myAt >= myEnd; }
    bool Byte(unsigned char &value)
    {
        if (AtEnd())
            return false;
        value = myBytes[myAt++];
        return true;
    }
    bool Skip(std::uint32_t count)
    {
        if (count > myEnd - myAt)
            return false;
        myAt += count;
        return true;
    }
    // A variable-length quantity: at most four bytes of seven bits each.
    bool Quantity(std::uint32_t &value)
    {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            unsigned char b = 0;
            if (!Byte(b))
                return false;
            value = (value << 7) | (b & 0x7Fu);
            if ((b & 0x80u) == 0)
                return true;
        }
        return false;
    }
    std::size_t Position() const { return myAt; }
    // The number in count bytes at a position already read past.
    std::uint32_t BigEndianAt(std::size_t at, int count) const
    {
        return BigEndian(myBytes, at, count);
    }

  private:
    const std::vector<unsigned char> &myBytes;
    std::size_t myAt;
    std::size_t myEnd;
};

// The data bytes that follow a channel message's status byte.
int DataBytes(unsigned char status)
{
    const unsigned char kind = status & 0xF0u;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// Walks one track: its last tick into lastTick (the latest of all tracks),
// its tempo changes (microseconds a quarter note) into tempi by tick.
bool ReadTrack(Reader track, std::uint64_t &lastTick, std::map<std::uint64_t, std::int64_t> &tempi)
{
    std::uint64_t tick = 0;
    unsigned char running = 0;
    while (!track.AtEnd()) {
        std::uint32_t delta = 0;
        unsigned char status = 0;
        if (!track.Quantity(delta) || !track.Byte(status))
            return false;
        tick += delta;
        if (status == MetaEvent) {
            unsigned char type = 0;
            std::uint32_t length = 0;
            if (!track.Byte(type) || !track.Quantity(length))
                return false;
            const std::size_t data = track.Position();
            if (!track.Skip(length))
                return false;
            if (type == TempoMeta && length == 3)
                tempi[tick] = track.BigEndianAt(data, 3);
            running = 0;
        } else if (status == SystemExclusive || status == SystemExclusiveEscape) {
            std::uint32_t length = 0;
            if (!track.Quantity(length) || !track.Skip(length))
                return false;
            running = 0;
        } else if (status & 0x80u) {
            running = status;
            if (!track.Skip(DataBytes(status)))
                return false;
        } else {
            // Running status: this byte is the first data byte.
            if (running == 0 || !track.Skip(DataBytes(running) - 1))
                return false;
        }
    }
    lastTick = std::max(lastTick, tick);
    return true;
}

} // namespace

std::optional<std::chrono::microseconds> MidiPlayingTime(const std::vector<unsigned char> &bytes)
{
    // Step 1. The header: its length, the number of tracks, the division.
    if (bytes.size() < 14 || std::string(bytes.begin(), bytes.begin() + 4) != "MThd" ||
        BigEndian(bytes, 4, 4) != 6)
        return std::nullopt;
    const std::uint32_t tracks = BigEndian(bytes, 10, 2);
    const std::uint32_t division = BigEndian(bytes, 12, 2);
    if (tracks == 0 || division == 0)
        return std::nullopt;

    // Step 2. Every track: the last tick of all, and the tempo map.
    std::uint64_t lastTick = 0;
    std::map<std::uint64_t, std::int64_t> tempi;
    std::size_t at = 14;
    for (std::uint32_t t = 0; t < tracks; ++t) {
        if (at + 8 > bytes.size() ||
            std::string(bytes.begin() + at, bytes.begin() + at + 4) != "MTrk")
            return std::nullopt;
        const std::size_t end = at + 8 + std::size_t(BigEndian(bytes, at + 4, 4));
        if (end > bytes.size() || !ReadTrack(Reader(bytes, at + 8, end), lastTick, tempi))
            return std::nullopt;
        at = end;
    }

    // Step 3. Ticks into time. A division with its top bit set counts frames
    // of SMPTE time and knows no tempo.
    if (division & 0x8000u) {
        const int framesPerSecond = -static_cast<std::int8_t>(division >> 8);
        const int ticksPerFrame = int(division & 0xFFu);
        if (framesPerSecond <= 0 || ticksPerFrame == 0)
            return std::nullopt;
        return std::chrono::microseconds(std::int64_t(lastTick) * 1000000 /
                                         (framesPerSecond * ticksPerFrame));
    }
    double microseconds = 0;
    std::uint64_t tick = 0;
    std::int64_t tempo = DefaultTempoUs;
    for (const auto &[change, newTempo] : tempi) {
        if (change >= lastTick)
            break;
        microseconds += double(change - tick) * double(tempo) / division;
        tick = change;
        tempo = newTempo;
    }
    microseconds += double(lastTick - tick) * double(tempo) / division;
    return std::chrono::microseconds(std::int64_t(microseconds));
}

std::optional<std::chrono::microseconds> MidiFilePlayingTime(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    return MidiPlayingTime(bytes);
}
