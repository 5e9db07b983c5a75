// divuz-audiogen FOLDER: writes the program's sounds into FOLDER/Sound and
// its music into FOLDER/Music, from the recipes and note data of this
// folder. The build runs it; nothing is downloaded or copied.

#include "Arrangement.h"
#include "SoundDesigns.h"
#include "Tunes.h"
#include "WaveFile.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: divuz-audiogen FOLDER\n");
        return 2;
    }
    const fs::path folder = argv[1];
    std::error_code error;
    fs::create_directories(folder / "Sound", error);
    fs::create_directories(folder / "Music", error);

    for (int i = 0; i < int(SoundDesigns.size()); ++i) {
        const fs::path path = folder / "Sound" / SoundDesigns[i].file;
        if (!WriteWaveFile(path.string(), SynthesizeSound(i), SoundSampleRate)) {
            std::fprintf(stderr, "divuz-audiogen: cannot write %s\n", path.c_str());
            return 1;
        }
    }

    for (const Tune &tune : DivuzTunes()) {
        try {
            const Arrangement a = Arrange(tune);
            // A piece shorter than a minute would change too often.
            if (a.seconds < 60) {
                std::fprintf(stderr, "divuz-audiogen: %s lasts only %.1f s\n", tune.file.c_str(),
                             a.seconds);
                return 1;
            }
            const fs::path path = folder / "Music" / tune.file;
            if (!WriteMidiFile(path.string(), a.tracks, TicksPerQuarter)) {
                std::fprintf(stderr, "divuz-audiogen: cannot write %s\n", path.c_str());
                return 1;
            }
        } catch (const TuneError &e) {
            std::fprintf(stderr, "divuz-audiogen: %s\n", e.what());
            return 1;
        }
    }
    return 0;
}
