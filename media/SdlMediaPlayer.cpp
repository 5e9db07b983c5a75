#include "SdlMediaPlayer.h"

#include "AlsaMessages.h"
#include "MidiLength.h"
#include "SoundFont.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QCoreApplication>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <optional>
#include <vector>

namespace
{

// SDL2_mixer is one per process, and so is its music hook.
std::atomic<SdlMediaPlayer *> hookOwner{nullptr};

constexpr int WaveChannel = 0;
constexpr int Frequency = 44100;
constexpr int ChunkSize = 1024; // about 23 ms: a click sounds at once

using Clock = std::chrono::steady_clock;

bool Exists(const std::string &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::uint32_t BigEndian(const std::vector<unsigned char> &b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | b[at + i];
    return v;
}

// The chunk structure of a standard MIDI file: a header and as many whole
// track chunks as it announces. The decoder takes some damaged files as
// pieces that play nothing; those are refused here instead.
bool IsWellFormedMidi(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), {}};
    if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" ||
        BigEndian(b, 4, 4) != 6 || BigEndian(b, 8, 2) > 2)
        return false;
    const std::uint32_t tracks = BigEndian(b, 10, 2);
    std::size_t at = 14;
    for (std::uint32_t t = 0; t < tracks; ++t) {
        if (at + 8 > b.size() || std::string(b.begin() + at, b.begin() + at + 4) != "MTrk")
            return false;
        at += 8 + std::size_t(BigEndian(b, at + 4, 4));
        if (at > b.size())
            return false;
    }
    return tracks > 0;
}

} // namespace

// Lives on the worker thread; only the worker touches it.
struct SdlMediaPlayer::Worker {
    bool tried = false; // the device was tried once
    bool open = false;
    Mix_Chunk *wave = nullptr;
    std::string wavePath;
    Mix_Music *music = nullptr;
    int musicDevice = 0;
    // How long the open piece plays, from its own events; when the playing
    // piece counts as ended. Unknown for a piece whose events cannot be
    // read: then the synthesizer's own end notice is all there is.
    std::optional<std::chrono::microseconds> musicLength;
    std::optional<Clock::time_point> musicEnd;

    bool EnsureAudio(const std::string &soundFont)
    {
        if (tried)
            return open;
        tried = true;
        // SDL would otherwise take SIGINT and SIGTERM for its own event
        // queue, which this program never reads: the game could not be
        // stopped by a signal any more.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SilenceAlsaMessages();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        Mix_Init(MIX_INIT_MID);
        if (Mix_OpenAudio(Frequency, AUDIO_S16SYS, 2, ChunkSize) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        Mix_AllocateChannels(1);
        if (!soundFont.empty())
            Mix_SetSoundFonts(soundFont.c_str());
        Mix_HookMusicFinished(&SdlMediaPlayer::OnMusicFinished);
        open = true;
        return true;
    }

    void FreeWave()
    {
        if (wave) {
            Mix_HaltChannel(WaveChannel);
            Mix_FreeChunk(wave);
            wave = nullptr;
        }
        wavePath.clear();
    }

    void FreeMusic()
    {
        if (music) {
            Mix_HaltMusic();
            Mix_FreeMusic(music);
            music = nullptr;
        }
        musicDevice = 0;
        musicLength.reset();
        musicEnd.reset();
    }

    void Shutdown()
    {
        if (!open)
            return;
        FreeMusic();
        FreeWave();
        Mix_HookMusicFinished(nullptr);
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        open = false;
    }
};

SdlMediaPlayer::SdlMediaPlayer() : SdlMediaPlayer(FindSoundFont()) {}

SdlMediaPlayer::SdlMediaPlayer(std::string soundFont) : mySoundFont(std::move(soundFont))
{
    hookOwner.store(this);
    myThread = std::thread([this] { Run(); });
}

SdlMediaPlayer::~SdlMediaPlayer()
{
    {
        std::lock_guard lock(myMusicMutex);
        myOpenDevice = 0;
        myReceiver = nullptr;
    }
    {
        std::lock_guard lock(myQueueMutex);
        myQuit = true;
    }
    myQueueSignal.notify_one();
    myThread.join();
    SdlMediaPlayer *self = this;
    hookOwner.compare_exchange_strong(self, nullptr);
}

void SdlMediaPlayer::Post(std::function<void(Worker &)> command)
{
    {
        std::lock_guard lock(myQueueMutex);
        myQueue.push_back(std::move(command));
    }
    myQueueSignal.notify_one();
}

void SdlMediaPlayer::Run()
{
    Worker worker;
    for (;;) {
        std::function<void(Worker &)> command;
        {
            std::unique_lock lock(myQueueMutex);
            const auto ready = [this] { return myQuit || !myQueue.empty(); };
            if (worker.musicEnd)
                myQueueSignal.wait_until(lock, *worker.musicEnd, ready);
            else
                myQueueSignal.wait(lock, ready);
            if (myQueue.empty() && myQuit)
                break; // quit, and nothing is left to do
            if (myQueue.empty()) {
                // The playing piece has reached its last note.
                worker.musicEnd.reset();
                lock.unlock();
                ReportMusicEnd();
                continue;
            }
            command = std::move(myQueue.front());
            myQueue.pop_front();
        }
        // Step 1. The device opens at the first command, once.
        const bool audio = worker.EnsureAudio(mySoundFont);
        myAudioOpen.store(audio);
        // Step 2. Without a device every command is silence; a flush still
        // has to be answered.
        command(worker);
    }
    myPlayingDevice.store(0);
    worker.Shutdown();
    myAudioOpen.store(false);
}

void SdlMediaPlayer::PlayWave(const std::string &path, bool interrupt)
{
    Post([path, interrupt](Worker &w) {
        if (!w.open)
            return;
        // No-stop: a wave that still plays keeps the channel.
        if (!interrupt && Mix_Playing(WaveChannel))
            return;
        w.FreeWave();
        w.wave = Mix_LoadWAV(path.c_str());
        if (!w.wave)
            return; // missing or unreadable: nothing plays
        if (Mix_PlayChannel(WaveChannel, w.wave, 0) < 0)
            w.FreeWave();
        else
            w.wavePath = path;
    });
}

void SdlMediaPlayer::StopWave()
{
    Post([](Worker &w) {
        if (w.open)
            w.FreeWave();
    });
}

int SdlMediaPlayer::OpenMusic(const std::string &path)
{
    CloseMusic();
    if (mySoundFont.empty() || !Exists(path))
        return 0;
    int device;
    {
        std::lock_guard lock(myMusicMutex);
        device = ++myLastDevice;
        myOpenDevice = device;
    }
    Post([path, device](Worker &w) {
        if (!w.open)
            return;
        w.FreeMusic();
        // A damaged file fails here: the piece stays silent, and no end
        // notice will ever come for it.
        if (!IsWellFormedMidi(path))
            return;
        w.music = Mix_LoadMUS(path.c_str());
        if (w.music) {
            w.musicDevice = device;
            w.musicLength = MidiFilePlayingTime(path);
        }
    });
    return device;
}

void SdlMediaPlayer::PlayMusicFromStart(int device, QObject *receiver)
{
    {
        std::lock_guard lock(myMusicMutex);
        if (device == 0 || device != myOpenDevice)
            return;
        myReceiver = receiver;
    }
    Post([this, device](Worker &w) {
        if (!w.open || !w.music || w.musicDevice != device)
            return;
        // The hook of a halted piece must not count as its end.
        myPlayingDevice.store(0);
        Mix_HaltMusic();
        myPlayingDevice.store(device);
        w.musicEnd.reset();
        if (Mix_PlayMusic(w.music, 0) != 0)
            myPlayingDevice.store(0);
        else if (w.musicLength)
            w.musicEnd = Clock::now() + *w.musicLength + LastNoteRing;
    });
}

void SdlMediaPlayer::CloseMusic()
{
    {
        std::lock_guard lock(myMusicMutex);
        myOpenDevice = 0;
        myReceiver = nullptr;
    }
    Post([this](Worker &w) {
        myPlayingDevice.store(0);
        if (w.open)
            w.FreeMusic();
    });
}

void SdlMediaPlayer::OnMusicFinished()
{
    // The audio thread: the synthesizer has fallen silent. Mostly the end
    // was reported at the last note already, and this finds nothing to do.
    if (SdlMediaPlayer *self = hookOwner.load())
        self->ReportMusicEnd();
}

void SdlMediaPlayer::ReportMusicEnd()
{
    // Whoever comes first, the piece's last note or the synthesizer's
    // silence, takes the device that was playing and posts its end; a piece
    // that was halted has no playing device any more.
    const int device = myPlayingDevice.exchange(0);
    if (device == 0)
        return;
    std::lock_guard lock(myMusicMutex);
    if (myReceiver && device == myOpenDevice)
        QCoreApplication::postEvent(myReceiver, new MusicEndEvent(device));
}

void SdlMediaPlayer::Flush()
{
    std::promise<void> done;
    std::future<void> finished = done.get_future();
    Post([&done](Worker &) { done.set_value(); });
    finished.wait();
}

std::string SdlMediaPlayer::PlayingWave() const
{
    // Read on the worker, where the wave lives.
    auto *self = const_cast<SdlMediaPlayer *>(this);
    std::promise<std::string> answer;
    std::future<std::string> result = answer.get_future();
    self->Post([&answer](Worker &w) {
        answer.set_value(w.open && w.wave && Mix_Playing(WaveChannel) ? w.wavePath : std::string());
    });
    return result.get();
}

bool SdlMediaPlayer::IsMusicPlaying() const
{
    auto *self = const_cast<SdlMediaPlayer *>(this);
    std::promise<bool> answer;
    std::future<bool> result = answer.get_future();
    self->Post([&answer](Worker &w) { answer.set_value(w.open && w.music && Mix_PlayingMusic()); });
    return result.get();
}
