#include "Arrangement.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace
{

constexpr int EighthTicks = TicksPerQuarter / 2;
constexpr int DrumChannel = 9;
constexpr int BassChannel = 1;
constexpr int PadChannel = 2;

std::vector<std::string> Tokens(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string token; in >> token;)
        out.push_back(token);
    return out;
}

// Pitch class of a note letter with its accidentals from text[pos];
// advances pos past them.
int PitchClass(const std::string &text, std::size_t &pos, const std::string &where)
{
    static const int Letters[7] = {9, 11, 0, 2, 4, 5, 7}; // A..G
    const char letter = char(std::toupper(static_cast<unsigned char>(text.at(pos))));
    if (letter < 'A' || letter > 'G')
        throw TuneError(where + ": bad note '" + text + "'");
    int pc = Letters[letter - 'A'];
    ++pos;
    while (pos < text.size() && (text[pos] == '#' || text[pos] == 'b')) {
        pc += text[pos] == '#' ? 1 : -1;
        ++pos;
    }
    return (pc + 12) % 12;
}

int Length(const std::string &token, std::size_t colon, const std::string &where)
{
    try {
        const int len = std::stoi(token.substr(colon + 1));
        if (len > 0)
            return len;
    } catch (const std::exception &) {
    }
    throw TuneError(where + ": bad length in '" + token + "'");
}

struct Note {
    int start;  // in eighths from the start of the piece
    int length; // in eighths
    int key;    // MIDI note number, -1 for a rest
};

// A melody's notes; checks every '|' against the bar length.
std::vector<Note> ParseMelody(const std::string &text, int barEighths, int startBar, int transpose,
                              const std::string &where)
{
    std::vector<Note> notes;
    int at = startBar * barEighths;
    for (const std::string &token : Tokens(text)) {
        if (token == "|") {
            if (at % barEighths != 0)
                throw TuneError(where + ": a bar does not add up before eighth " +
                                std::to_string(at));
            continue;
        }
        const std::size_t colon = token.find(':');
        if (colon == std::string::npos || colon == 0)
            throw TuneError(where + ": bad token '" + token + "'");
        const int len = Length(token, colon, where);
        const std::string name = token.substr(0, colon);
        int key = -1;
        if (name != "r") {
            std::size_t pos = 0;
            const int pc = PitchClass(name, pos, where);
            if (pos >= name.size() || !std::isdigit(static_cast<unsigned char>(name[pos])))
                throw TuneError(where + ": note without octave '" + token + "'");
            const int octave = std::stoi(name.substr(pos));
            key = 12 * (octave + 1) + pc + transpose;
        }
        notes.push_back({at, len, key});
        at += len;
    }
    return notes;
}

struct Chord {
    int start, length;
    int root; // pitch class
    bool minor;
};

std::vector<Chord> ParseChords(const std::string &text, const std::string &where)
{
    std::vector<Chord> chords;
    int at = 0;
    for (const std::string &token : Tokens(text)) {
        const std::size_t colon = token.find(':');
        if (colon == std::string::npos || colon == 0)
            throw TuneError(where + ": bad chord '" + token + "'");
        const std::string name = token.substr(0, colon);
        std::size_t pos = 0;
        const int root = PitchClass(name, pos, where);
        const bool minor = name.substr(pos) == "m";
        if (pos < name.size() && !minor)
            throw TuneError(where + ": unknown chord '" + token + "'");
        const int len = Length(token, colon, where);
        chords.push_back({at, len, root, minor});
        at += len;
    }
    return chords;
}

MidiEvent Short(int tick, int status, int a, int b)
{
    return {std::uint32_t(tick), {std::uint8_t(status), std::uint8_t(a), std::uint8_t(b)}};
}

MidiEvent ProgramChange(int channel, int program)
{
    return {0, {std::uint8_t(0xC0 | channel), std::uint8_t(program)}};
}

void AddNote(MidiTrack &track, int channel, int startTick, int lengthTicks, int key, int velocity)
{
    key = std::clamp(key, 0, 127);
    velocity = std::clamp(velocity, 1, 127);
    track.events.push_back(Short(startTick, 0x90 | channel, key, velocity));
    track.events.push_back(Short(startTick + lengthTicks, 0x80 | channel, key, 0));
}

// Volume and a little reverb for a channel.
void Mix(MidiTrack &track, int channel, int volume)
{
    track.events.push_back(Short(0, 0xB0 | channel, 7, volume));
    track.events.push_back(Short(0, 0xB0 | channel, 91, 40));
}

MidiEvent Meta(int type, const std::vector<std::uint8_t> &data)
{
    MidiEvent e{0, {}};
    e.bytes.reserve(3 + data.size());
    e.bytes.push_back(0xFF);
    e.bytes.push_back(std::uint8_t(type));
    e.bytes.push_back(std::uint8_t(data.size()));
    for (std::uint8_t b : data)
        e.bytes.push_back(b);
    return e;
}

MidiEvent Text(int type, const std::string &text)
{
    return Meta(type, std::vector<std::uint8_t>(text.begin(), text.end()));
}

} // namespace

Arrangement Arrange(const Tune &tune)
{
    Arrangement out;
    const std::string where = tune.file;
    const std::vector<Chord> chords = ParseChords(tune.chords, where + " chords");
    const int endEighth = chords.empty() ? 0 : chords.back().start + chords.back().length;
    if (endEighth % tune.barEighths != 0)
        throw TuneError(where + ": the chords do not fill whole bars");
    out.bars = endEighth / tune.barEighths;

    // Step 1. The conductor track: title, tempo and metre.
    MidiTrack conductor;
    conductor.name = tune.title;
    conductor.events.push_back(Text(0x01, tune.title + ", arranged for Divuz"));
    const int usPerQuarter = 60000000 / tune.tempo;
    conductor.events.push_back(
        Meta(0x51, {std::uint8_t(usPerQuarter >> 16), std::uint8_t(usPerQuarter >> 8),
                    std::uint8_t(usPerQuarter)}));
    int denominatorPower = 0;
    while ((1 << denominatorPower) < tune.timeSignatureBottom)
        ++denominatorPower;
    conductor.events.push_back(
        Meta(0x58, {std::uint8_t(tune.timeSignatureTop), std::uint8_t(denominatorPower), 24, 8}));
    out.tracks.push_back(conductor);

    // Step 2. The melody voices, each on a channel of its own, played a
    // little detached.
    int channel = 3;
    bool first = true;
    for (const TuneVoice &voice : tune.voices) {
        const int ch = first ? 0 : channel++;
        first = false;
        MidiTrack track;
        track.name = voice.name;
        track.events.push_back(ProgramChange(ch, voice.program));
        Mix(track, ch, 84);
        std::string notes;
        for (int i = 0; i < voice.times; ++i)
            notes += voice.notes + " ";
        for (const Note &n : ParseMelody(notes, tune.barEighths, voice.startBar, voice.transpose,
                                         where + " " + voice.name)) {
            if (n.start + n.length > endEighth)
                throw TuneError(where + " " + voice.name + ": notes run past the chords");
            if (n.key < 0)
                continue;
            // Louder on the first beat of a bar.
            const int accent = n.start % tune.barEighths == 0 ? 8 : 0;
            AddNote(track, ch, n.start * EighthTicks, n.length * EighthTicks - EighthTicks / 6,
                    n.key, voice.velocity + accent);
        }
        out.tracks.push_back(track);
    }

    // Step 3. Bass and pad follow the chords: the bass walks its cell
    // through each chord from the root; the pad holds the triad.
    MidiTrack bass, pad;
    bass.name = "Bass";
    pad.name = "Chords";
    bass.events.push_back(ProgramChange(BassChannel, tune.bassProgram));
    pad.events.push_back(ProgramChange(PadChannel, tune.padProgram));
    Mix(bass, BassChannel, 84);
    Mix(pad, PadChannel, 48);
    std::vector<std::pair<int, int>> cell; // (length, interval)
    for (const std::string &token : Tokens(tune.bassCell)) {
        const std::size_t colon = token.find(':');
        if (colon == std::string::npos)
            throw TuneError(where + ": bad bass cell '" + token + "'");
        cell.emplace_back(std::stoi(token.substr(0, colon)), std::stoi(token.substr(colon + 1)));
    }
    for (std::size_t c = 0; c < chords.size(); ++c) {
        const Chord &chord = chords[c];
        const bool last = c + 1 == chords.size();
        const int bassRoot = 40 + (chord.root - 4 + 12) % 12; // E2 .. D#3
        if (last || cell.empty()) {
            AddNote(bass, BassChannel, chord.start * EighthTicks, chord.length * EighthTicks,
                    bassRoot, 100);
        } else {
            int at = chord.start, step = 0;
            while (at < chord.start + chord.length) {
                const auto [len, interval] = cell[step++ % cell.size()];
                const int l = std::min(len, chord.start + chord.length - at);
                AddNote(bass, BassChannel, at * EighthTicks, l * EighthTicks - EighthTicks / 8,
                        bassRoot + interval, step == 1 ? 100 : 86);
                at += l;
            }
        }
        const int padRoot = 55 + (chord.root - 7 + 12) % 12; // G3 .. F#4
        for (int interval : {0, chord.minor ? 3 : 4, 7})
            AddNote(pad, PadChannel, chord.start * EighthTicks, chord.length * EighthTicks - 10,
                    padRoot + interval, 52);
    }
    out.tracks.push_back(bass);
    out.tracks.push_back(pad);

    // Step 4. The drum bar under every bar but the last, which ends the
    // piece with a cymbal.
    MidiTrack drums;
    drums.name = "Drums";
    Mix(drums, DrumChannel, 72);
    struct Hit {
        int offset, key, velocity;
    };
    std::vector<Hit> bar;
    for (const std::string &token : Tokens(tune.drums)) {
        int offset, key, velocity;
        char c1, c2;
        std::istringstream in(token);
        if (!(in >> offset >> c1 >> key >> c2 >> velocity) || offset >= tune.barEighths)
            throw TuneError(where + ": bad drum hit '" + token + "'");
        bar.push_back({offset, key, velocity});
    }
    for (int b = 0; b + 1 < out.bars; ++b)
        for (const Hit &h : bar)
            AddNote(drums, DrumChannel, (b * tune.barEighths + h.offset) * EighthTicks,
                    EighthTicks / 2, h.key, h.velocity);
    const int lastBar = (out.bars - 1) * tune.barEighths * EighthTicks;
    AddNote(drums, DrumChannel, lastBar, TicksPerQuarter, 36, 100);
    AddNote(drums, DrumChannel, lastBar, TicksPerQuarter, 49, 90);
    out.tracks.push_back(drums);

    out.seconds = endEighth * 30.0 / tune.tempo;
    return out;
}
