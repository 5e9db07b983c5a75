// How long a MIDI file plays, read from its own events: through tempo
// changes in another track, running status, system-exclusive messages and
// SMPTE time; damaged files have no length.

#include "MidiLength.h"
#include "MidiFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>

namespace
{

using Bytes = std::vector<unsigned char>;

// A file of the given division and tracks, each given as its raw events.
Bytes File(int division, std::initializer_list<Bytes> tracks)
{
    Bytes b{'M',
            'T',
            'h',
            'd',
            0,
            0,
            0,
            6,
            0,
            1,
            0,
            static_cast<unsigned char>(tracks.size()),
            static_cast<unsigned char>(division >> 8),
            static_cast<unsigned char>(division)};
    for (const Bytes &events : tracks) {
        b.insert(b.end(), {'M', 'T', 'r', 'k', 0, 0, static_cast<unsigned char>(events.size() >> 8),
                           static_cast<unsigned char>(events.size())});
        b.insert(b.end(), events.begin(), events.end());
    }
    return b;
}

long long Ms(const std::optional<std::chrono::microseconds> &time)
{
    return time ? time->count() / 1000 : -1;
}

} // namespace

TEST(MidiLengthTest, TheLastEventOfAnyTrackThroughEveryTempoChange)
{
    // Track 0 doubles the tempo after two quarters; track 1 plays four
    // quarters: one second at 120 bpm, then half a second at 240.
    QTemporaryDir dir;
    MidiTrack tempo, notes;
    tempo.events.push_back({960, {0xFF, 0x51, 3, 0x03, 0xD0, 0x90}}); // 250000 us a quarter
    notes.events.push_back({0, {0x90, 60, 100}});
    notes.events.push_back({1920, {0x80, 60, 0}});
    const std::string path = dir.filePath("tempo.mid").toStdString();
    ASSERT_TRUE(WriteMidiFile(path, {tempo, notes}, 480));
    EXPECT_EQ(Ms(MidiFilePlayingTime(path)), 1500);

    // Running status and a system-exclusive message in between; the tempo
    // change after the last note changes nothing.
    const Bytes running{0x00, 0x90, 60, 100, 0x60, 62, 100, 0x00, 0xF0, 2,    0x7E, 0xF7,
                        0x60, 0x80, 60, 0,   0x00, 62, 0,   0x00, 0xFF, 0x2F, 0};
    const Bytes lateTempo{0x81, 0x40, 0xFF, 0x51, 3, 0x03, 0xD0, 0x90, 0x00, 0xFF, 0x2F, 0};
    EXPECT_EQ(Ms(MidiPlayingTime(File(96, {lateTempo, running}))), 1000); // 192 ticks at 120 bpm

    // 25 frames of 40 ticks a second: SMPTE time knows no tempo.
    const Bytes smpte{0x87, 0x68, 0x90, 60, 100, 0x00, 0xFF, 0x2F, 0}; // tick 1000
    EXPECT_EQ(Ms(MidiPlayingTime(File(0xE728, {lateTempo, smpte}))), 1000);
    EXPECT_EQ(Ms(MidiFilePlayingTime(dir.filePath("missing.mid").toStdString())), -1);
}

TEST(MidiLengthTest, ADamagedFileHasNoLength)
{
    const Bytes whole{0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0};
    ASSERT_EQ(Ms(MidiPlayingTime(File(96, {whole}))), 500);
    Bytes cut = File(96, {whole});
    cut.resize(cut.size() - 2);
    EXPECT_EQ(Ms(MidiPlayingTime(cut)), -1) << "a chunk longer than the file";
    const Bytes cutEvent{0x00, 0x90, 60};
    EXPECT_EQ(Ms(MidiPlayingTime(File(96, {cutEvent}))), -1) << "an event cut short";
    const Bytes noStatus{0x00, 60, 100};
    EXPECT_EQ(Ms(MidiPlayingTime(File(96, {noStatus}))), -1) << "running status without a status";
    const Bytes endless{0x80, 0x80, 0x80, 0x80, 0x00};
    EXPECT_EQ(Ms(MidiPlayingTime(File(96, {endless}))), -1) << "a delta longer than four bytes";
    Bytes oneTrackMissing = File(96, {whole});
    oneTrackMissing[11] = 2;
    EXPECT_EQ(Ms(MidiPlayingTime(oneTrackMissing)), -1);
    EXPECT_EQ(Ms(MidiPlayingTime(File(0, {whole}))), -1) << "no division";
}
