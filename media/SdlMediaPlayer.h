#pragma once

// The real player: SDL2_mixer, with MIDI through its FluidSynth decoder and
// a packaged General MIDI sound font. A piece ends at its last note (its
// length read from the file) plus a short ring, not when the synthesizer
// has fallen silent seconds later. Every call of the interface only
// queues a command and returns; one worker thread of the player carries the
// commands out in order, so loading a piece or a wave never holds up the
// user-interface thread. The audio device opens on the first command; when
// it cannot be opened everything stays silent and nothing is reported.

#include "MediaPlayer.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class SdlMediaPlayer : public IMediaPlayer
{
  public:
    // The sound font is looked for in the standard folders.
    SdlMediaPlayer();
    // As above with the sound font given; empty means no music at all.
    explicit SdlMediaPlayer(std::string soundFont);
    ~SdlMediaPlayer() override;

    SdlMediaPlayer(const SdlMediaPlayer &) = delete;
    SdlMediaPlayer &operator=(const SdlMediaPlayer &) = delete;

    void PlayWave(const std::string &path, bool interrupt) override;
    void StopWave() override;
    int OpenMusic(const std::string &path) override;
    void PlayMusicFromStart(int device, QObject *receiver) override;
    void CloseMusic() override;

    // For tests and benchmarks: waits until every command queued so far has
    // been carried out.
    void Flush();
    // The wave file playing now, empty when none plays.
    std::string PlayingWave() const;
    // Whether the open piece is playing.
    bool IsMusicPlaying() const;
    // Whether the audio device is open; false before the first command and
    // after a failure.
    bool IsAudioOpen() const { return myAudioOpen.load(); }
    const std::string &SoundFont() const { return mySoundFont; }

  private:
    struct Worker; // the worker thread's own state: device, wave, piece

    void Post(std::function<void(Worker &)> command);
    void Run();
    static void OnMusicFinished(); // SDL's hook, on the audio thread
    // Posts the end of the playing piece, once: from the worker at the
    // piece's last note, or from the hook when the synthesizer is silent.
    void ReportMusicEnd();

    const std::string mySoundFont;
    Worker *myWorkerState = nullptr;

    std::mutex myQueueMutex;
    std::condition_variable myQueueSignal;
    std::deque<std::function<void(Worker &)>> myQueue;
    bool myQuit = false;

    // The device of the open piece (0: none) and where its end goes. The
    // hook reads both under the mutex; the user-interface thread changes
    // them before it queues the command that stops the piece, so the hook
    // that a stopped piece causes posts nothing.
    mutable std::mutex myMusicMutex;
    int myOpenDevice = 0;
    QObject *myReceiver = nullptr;
    int myLastDevice = 0;
    // The device whose piece is playing; the hook takes it.
    std::atomic<int> myPlayingDevice{0};
    std::atomic<bool> myAudioOpen{false};

    std::thread myThread;
};
