#include "Tunes.h"

// Four traditional tunes. Each is long enough for a minute of music: the
// tune is repeated with a change of instrument, octave or voice.

namespace
{

std::string Times(const std::string &s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s + " ";
    return out;
}

// Korobeiniki, a Russian folk song, 4/4 in A minor.
Tune Korobeiniki()
{
    const std::string a = "E5:2 B4:1 C5:1 D5:2 C5:1 B4:1 | A4:2 A4:1 C5:1 E5:2 D5:1 C5:1 | "
                          "B4:3 C5:1 D5:2 E5:2 | C5:2 A4:2 A4:2 r:2 | "
                          "r:1 D5:2 F5:1 A5:2 G5:1 F5:1 | E5:3 C5:1 E5:2 D5:1 C5:1 | "
                          "B4:2 B4:1 C5:1 D5:2 E5:2 | C5:2 A4:2 A4:2 r:2 | ";
    const std::string b = "E5:4 C5:4 | D5:4 B4:4 | C5:4 A4:4 | G#4:4 B4:4 | "
                          "E5:4 C5:4 | D5:4 B4:4 | C5:2 E5:2 A5:4 | G#5:8 | ";
    const std::string chordsA = "E:8 Am:8 E:8 Am:8 Dm:8 Am:8 E:8 Am:8 ";
    const std::string chordsB = "Am:8 E:8 Am:8 E:8 Am:8 E:8 Am:8 E:8 ";
    const std::string tune = a + a + b;
    Tune t;
    t.file = "Korobeiniki.mid";
    t.title = "Korobeiniki (traditional, Russia)";
    t.tempo = 144;
    t.barEighths = 8;
    t.timeSignatureTop = 4;
    t.timeSignatureBottom = 4;
    t.voices = {
        {"Clarinet", 71, 0, 96, 0, tune},
        {"Accordion", 21, 0, 92, 24, tune},
        {"Violin", 40, 12, 84, 48, tune},
        {"Clarinet (low)", 71, 0, 70, 48, tune},
    };
    t.chords = Times(chordsA + chordsA + chordsB, 3) + "Am:8";
    t.bassCell = "2:0 2:7 2:12 2:7";
    t.bassProgram = 32;
    t.padProgram = 21;
    t.drums = "0:36:100 0:42:70 1:42:50 2:38:80 2:42:60 3:42:50 "
              "4:36:95 4:42:70 5:42:50 6:38:85 6:42:60 7:42:50";
    // A last chord to end on.
    for (TuneVoice &v : t.voices)
        if (v.startBar == 48)
            v.notes += "A4:8 |";
    return t;
}

// Greensleeves, an English folk tune, 3/4 in A minor, with its pick-up.
Tune Greensleeves()
{
    const std::string verse = "C5:4 D5:2 | E5:3 F5:1 E5:2 | D5:4 B4:2 | G4:3 A4:1 B4:2 | "
                              "C5:4 A4:2 | A4:3 G#4:1 A4:2 | B4:4 G#4:2 | E4:4 A4:2 | "
                              "C5:4 D5:2 | E5:3 F5:1 E5:2 | D5:4 B4:2 | G4:3 A4:1 B4:2 | "
                              "C5:3 B4:1 A4:2 | G#4:3 F#4:1 G#4:2 | A4:6 | A4:6 | ";
    const std::string chorus = "G5:6 | G5:3 F#5:1 E5:2 | D5:4 B4:2 | G4:3 A4:1 B4:2 | "
                               "C5:4 A4:2 | A4:3 G#4:1 A4:2 | B4:4 G#4:2 | E4:6 | "
                               "G5:6 | G5:3 F#5:1 E5:2 | D5:4 B4:2 | G4:3 A4:1 B4:2 | "
                               "C5:3 B4:1 A4:2 | G#4:3 F#4:1 G#4:2 | A4:6 | ";
    const std::string verseChords = "Am:6 C:6 G:6 Em:6 Am:6 F:6 E:6 E:6 "
                                    "Am:6 C:6 G:6 Em:6 Am:6 E:6 Am:6 Am:6 ";
    const std::string chorusChords = "C:6 C:6 G:6 Em:6 Am:6 F:6 E:6 E:6 "
                                     "C:6 C:6 G:6 Em:6 Am:6 E:6 Am:6 ";
    // Bar 0 is the pick-up; the tune's last bar carries the next pick-up.
    Tune t;
    t.file = "Greensleeves.mid";
    t.title = "Greensleeves (traditional, England)";
    t.tempo = 108;
    t.barEighths = 6;
    t.timeSignatureTop = 3;
    t.timeSignatureBottom = 4;
    t.voices = {
        {"Recorder", 74, 0, 92, 0, "r:4 A4:2 | " + verse + chorus + "A4:4 A4:2 |"},
        {"Nylon guitar", 24, 0, 96, 33, verse + chorus + "A4:4 A4:2 |"},
        {"Oboe", 68, 0, 90, 65, verse + chorus + "A4:6 |"},
    };
    t.chords = "Am:6 " + Times(verseChords + chorusChords + "Am:6 ", 3);
    t.bassCell = "2:0 2:7 2:12";
    t.bassProgram = 32;
    t.padProgram = 48;
    t.drums = "0:36:90 2:42:55 4:42:55 4:37:45";
    return t;
}

// Frère Jacques, a French round, 4/4 in F: three voices enter two bars apart.
Tune FrereJacques()
{
    const std::string round = "F4:2 G4:2 A4:2 F4:2 | F4:2 G4:2 A4:2 F4:2 | "
                              "A4:2 Bb4:2 C5:4 | A4:2 Bb4:2 C5:4 | "
                              "C5:1 D5:1 C5:1 Bb4:1 A4:2 F4:2 | C5:1 D5:1 C5:1 Bb4:1 A4:2 F4:2 | "
                              "F4:2 C4:2 F4:4 | F4:2 C4:2 F4:4 | ";
    Tune t;
    t.file = "FrereJacques.mid";
    t.title = "Frère Jacques (traditional, France), a round";
    t.tempo = 116;
    t.barEighths = 8;
    t.timeSignatureTop = 4;
    t.timeSignatureBottom = 4;
    t.voices = {
        {"Harpsichord", 6, 12, 90, 0, Times(round, 4), 1},
        {"Flute", 73, 12, 88, 2, Times(round, 4), 1},
        {"Bassoon", 70, 0, 92, 4, Times(round, 4), 1},
    };
    // The round stands on one chord; the bass walks between F and C.
    std::string chords;
    for (int bar = 0; bar < 36; ++bar)
        chords += "F:4 C:4 ";
    t.chords = chords + "F:8";
    t.bassCell = "2:0 2:7";
    t.bassProgram = 32;
    t.padProgram = 48;
    t.drums = "0:36:85 2:37:55 4:36:80 6:37:55 0:44:45 2:44:45 4:44:45 6:44:45";
    return t;
}

// Ah ! vous dirai-je, maman, a French folk tune, 4/4 in C, three times over:
// the theme, an octave higher on the marimba, and on flute with strings.
Tune VousDiraiJe()
{
    const std::string theme =
        "C5:2 C5:2 G5:2 G5:2 | A5:2 A5:2 G5:4 | F5:2 F5:2 E5:2 E5:2 | D5:2 D5:2 C5:4 | "
        "G5:2 G5:2 F5:2 F5:2 | E5:2 E5:2 D5:4 | G5:2 G5:2 F5:2 F5:2 | E5:2 E5:2 D5:4 | "
        "C5:2 C5:2 G5:2 G5:2 | A5:2 A5:2 G5:4 | F5:2 F5:2 E5:2 E5:2 | D5:2 D5:2 C5:4 | ";
    const std::string chords = "C:8 F:4 C:4 F:4 C:4 G:4 C:4 "
                               "C:4 F:4 C:4 G:4 C:4 F:4 C:4 G:4 "
                               "C:8 F:4 C:4 F:4 C:4 G:4 C:4 ";
    Tune t;
    t.file = "VousDiraiJe.mid";
    t.title = "Ah ! vous dirai-je, maman (traditional, France)";
    t.tempo = 96;
    t.barEighths = 8;
    t.timeSignatureTop = 4;
    t.timeSignatureBottom = 4;
    t.voices = {
        {"Flute", 73, 0, 90, 0, theme},
        {"Marimba", 12, 12, 100, 12, theme},
        {"Flute and strings", 73, 0, 92, 24, theme + "C5:8 |"},
        {"Strings", 48, -12, 70, 24, theme + "C4:8 |"},
    };
    t.chords = Times(chords, 3) + "C:8";
    t.bassCell = "2:0 2:7";
    t.bassProgram = 33;
    t.padProgram = 0;
    t.drums = "0:36:85 0:42:55 1:42:40 2:38:70 2:42:55 3:42:40 "
              "4:36:80 4:42:55 5:42:40 6:38:70 6:42:55 7:42:40";
    return t;
}

} // namespace

std::vector<Tune> DivuzTunes()
{
    return {Korobeiniki(), Greensleeves(), FrereJacques(), VousDiraiJe()};
}
