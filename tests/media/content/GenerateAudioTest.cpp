// The generated sounds and pieces, as the build left them beside the
// program: every wave decodes to its designed length with a healthy peak,
// and every piece is a MIDI file of at least a minute whose opening renders
// through the sound font to audible music. The openings are rendered offline
// with SDL's file-writing audio driver, as fast as the synthesizer goes,
// through the same decoder and sound font the game plays them with.

#include "MidiLength.h"
#include "SoundDesigns.h"
#include "SoundFont.h"
#include "Tunes.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{

const fs::path ProgramFolder = DIVUZ_PROGRAM_DIR;

struct Level {
    double seconds = 0; // from the first to the last audible sample
    double peak = 0;    // 0..1 of full scale
    double rms = 0;
};

Level Measure(const std::vector<std::int16_t> &samples, int channels, int rate)
{
    Level level;
    double sum = 0;
    for (std::int16_t s : samples) {
        level.peak = std::max(level.peak, std::fabs(s / 32768.0));
        sum += double(s) * s;
    }
    if (!samples.empty())
        level.rms = std::sqrt(sum / samples.size()) / 32768.0;
    // The driver writes silence while the piece loads and until the loop
    // notices its end; only the audible span counts.
    const auto audible = [](std::int16_t s) { return std::abs(int(s)) > 32; };
    const auto first = std::find_if(samples.begin(), samples.end(), audible);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), audible);
    if (first != samples.end())
        level.seconds = double(std::distance(first, last.base())) / channels / rate;
    return level;
}

constexpr int RenderRate = 44100;
constexpr int RenderChannels = 2;

// Renders the piece's first seconds through SDL2_mixer into a raw file and
// reads them back: 16-bit stereo at 44.1 kHz.
std::vector<std::int16_t> RenderOffline(const fs::path &midi, const std::string &soundFont,
                                        const fs::path &raw, double seconds)
{
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    std::vector<std::int16_t> samples;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return samples;
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(RenderRate, AUDIO_S16LSB, RenderChannels, 4096) == 0) {
        Mix_SetSoundFonts(soundFont.c_str());
        if (Mix_Music *music = Mix_LoadMUS(midi.c_str())) {
            // Without a delay the driver renders as fast as it can, silence
            // too while nothing plays: the piece starts at what it has
            // written by now.
            std::error_code error;
            const std::uintmax_t end = fs::file_size(raw, error) +
                                       std::uintmax_t(seconds * RenderRate * RenderChannels * 2);
            Mix_PlayMusic(music, 0);
            while (Mix_PlayingMusic() && fs::file_size(raw, error) < end)
                SDL_Delay(5);
            Mix_FreeMusic(music);
        }
        Mix_CloseAudio();
    }
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    std::ifstream in(raw, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    samples.resize(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] =
            std::int16_t(std::uint8_t(bytes[2 * i]) | (std::uint8_t(bytes[2 * i + 1]) << 8));
    return samples;
}

} // namespace

TEST(GeneratedSoundsTest, EveryWaveDecodesToItsLengthWithAHealthyPeak)
{
    for (int i = 0; i < int(SoundDesigns.size()); ++i) {
        const fs::path path = ProgramFolder / "Sound" / SoundDesigns[i].file;
        SCOPED_TRACE(path.string());
        SDL_AudioSpec format;
        Uint8 *buffer = nullptr;
        Uint32 bytes = 0;
        ASSERT_NE(SDL_LoadWAV(path.c_str(), &format, &buffer, &bytes), nullptr) << SDL_GetError();
        EXPECT_EQ(format.freq, SoundSampleRate);
        EXPECT_EQ(format.channels, 1);
        ASSERT_EQ(format.format, AUDIO_S16LSB);
        std::vector<std::int16_t> samples(bytes / 2);
        std::memcpy(samples.data(), buffer, samples.size() * 2);
        SDL_FreeWAV(buffer);

        const Level level = Measure(samples, 1, format.freq);
        EXPECT_EQ(int(samples.size()), SoundLength(i));
        EXPECT_GT(level.peak, 0.5); // well above silence: about -3 dBFS
        EXPECT_LT(level.peak, 0.9); // and below clipping
        EXPECT_GT(level.rms, 0.03);
        std::printf("%-14s %5.2f s  peak %5.1f dBFS  rms %5.1f dBFS\n", SoundDesigns[i].file,
                    level.seconds, 20 * std::log10(level.peak), 20 * std::log10(level.rms));
    }
}

TEST(GeneratedSoundsTest, NoTwoSoundsAreTheSame)
{
    std::vector<std::vector<float>> sounds;
    for (int i = 0; i < int(SoundDesigns.size()); ++i)
        sounds.push_back(SynthesizeSound(i));
    for (std::size_t i = 0; i < sounds.size(); ++i)
        for (std::size_t j = i + 1; j < sounds.size(); ++j)
            EXPECT_NE(sounds[i], sounds[j]) << i << " " << j;
}

TEST(GeneratedMusicTest, AtLeastFourPiecesEachAValidMidiFile)
{
    int pieces = 0;
    for (const Tune &tune : DivuzTunes()) {
        const fs::path path = ProgramFolder / "Music" / tune.file;
        SCOPED_TRACE(path.string());
        std::ifstream in(path, std::ios::binary);
        char header[14] = {};
        ASSERT_TRUE(in.read(header, 14));
        EXPECT_EQ(std::string(header, 4), "MThd");
        EXPECT_EQ(header[9], 1); // format 1
        ++pieces;
    }
    EXPECT_GE(pieces, 4);
}

TEST(GeneratedMusicTest, EveryPieceLastsAMinuteAndOpensWithAudibleMusic)
{
    const std::string font = FindSoundFont();
    ASSERT_FALSE(font.empty()) << "no sound font under /usr/share/sounds/sf2 or sf3";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    const fs::path raw = fs::temp_directory_path() / ("divuz-render-" + std::to_string(getpid()));
    for (const Tune &tune : DivuzTunes()) {
        const fs::path path = ProgramFolder / "Music" / tune.file;
        SCOPED_TRACE(path.string());
        const auto length = MidiFilePlayingTime(path.string());
        ASSERT_TRUE(length.has_value());
        EXPECT_GE(*length, std::chrono::minutes(1));
        // The opening has every voice of the arrangement; the whole piece
        // renders in seconds, too long for every run of the tests.
        const std::vector<std::int16_t> samples = RenderOffline(path, font, raw, 8);
        const Level level = Measure(samples, RenderChannels, RenderRate);
        std::printf("%-18s %6.1f s, opening %4.1f s  peak %5.1f dBFS  rms %5.1f dBFS  (%s)\n",
                    tune.file.c_str(), std::chrono::duration<double>(*length).count(),
                    level.seconds, 20 * std::log10(std::max(level.peak, 1e-9)),
                    20 * std::log10(std::max(level.rms, 1e-9)), font.c_str());
        EXPECT_GE(level.seconds, 6.0);
        EXPECT_GT(level.rms, 0.01); // music, not silence (about -40 dBFS)
        EXPECT_LT(level.peak, 1.0); // and no clipping
    }
    if (!std::getenv("DIVUZ_KEEP_RENDER"))
        fs::remove(raw);
}

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
