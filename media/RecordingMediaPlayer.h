#pragma once

// A player for tests: plays nothing, writes down every call and keeps the
// state a real player would have, so that the program's sound and music
// rules can be checked without an audio device. It registers itself while
// it lives.

#include "MediaPlayer.h"
#include "MidiLength.h"

#include <QCoreApplication>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class RecordingMediaPlayer : public IMediaPlayer
{
  public:
    struct Wave {
        std::string path;
        bool interrupt;
        bool operator==(const Wave &) const = default;
    };

    RecordingMediaPlayer() { RegisterMediaPlayer(this); }
    ~RecordingMediaPlayer() override { UnregisterMediaPlayer(this); }

    void PlayWave(const std::string &path, bool interrupt) override
    {
        waves.push_back({path, interrupt});
    }
    void StopWave() override { ++waveStops; }

    // A missing file cannot be opened, as on the real player.
    int OpenMusic(const std::string &path) override
    {
        CloseMusic();
        opened.push_back(path);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            return 0;
        openPath = path;
        openLength = MidiFilePlayingTime(path);
        openDevice = ++lastDevice;
        return openDevice;
    }
    void PlayMusicFromStart(int device, QObject *receiver) override
    {
        if (device == 0 || device != openDevice)
            return;
        ++starts;
        playing = true;
        played = {};
        myReceiver = receiver;
    }
    void CloseMusic() override
    {
        if (openDevice != 0)
            ++closes;
        openDevice = 0;
        openPath.clear();
        playing = false;
        myReceiver = nullptr;
    }

    // The playing piece reaches its end: its notice is posted as the real
    // player posts it, to be handled by the event loop.
    bool FinishMusic()
    {
        if (!playing || !myReceiver)
            return false;
        playing = false;
        QCoreApplication::postEvent(myReceiver, new MusicEndEvent(openDevice));
        return true;
    }

    // The playing piece plays on for the given time, by a clock of this
    // player's own. Once past its last note (its length read from the file)
    // and the ring the real player allows it, it ends as FinishMusic ends it.
    // A piece of unknown length never ends this way.
    bool PlayFor(std::chrono::microseconds time)
    {
        if (!playing || !openLength)
            return false;
        played += time;
        return played >= *openLength + LastNoteRing && FinishMusic();
    }

    // The file name (without folder) of the open piece; empty when none.
    std::string OpenPiece() const
    {
        return openPath.empty() ? std::string()
                                : std::filesystem::path(openPath).filename().string();
    }

    std::vector<Wave> waves;
    int waveStops = 0;
    std::vector<std::string> opened; // every path OpenMusic was given
    std::string openPath;
    std::optional<std::chrono::microseconds> openLength; // of the open piece
    std::chrono::microseconds played{};                  // since the playing piece started
    int openDevice = 0;
    int lastDevice = 0;
    int starts = 0; // PlayMusicFromStart calls that started the piece
    int closes = 0; // pieces closed
    bool playing = false;

  private:
    QObject *myReceiver = nullptr;
};
