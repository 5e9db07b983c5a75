#pragma once

// The three things the program asks of its sound hardware: play a wave file
// asynchronously, either dropped while another wave plays (the no-stop
// option) or interrupting it; play a MIDI piece from its start and report
// its successful end; close the piece. The program reaches the player that
// is registered (the application's SDL2_mixer one, or a test's recording
// one); with none registered everything stays silent.

#include <QEvent>

#include <string>

class QObject;

// Posted by a player to the receiver of PlayMusicFromStart when the piece
// has played to its end; a piece that is closed sends none.
class MusicEndEvent : public QEvent
{
  public:
    explicit MusicEndEvent(int device) : QEvent(EventType()), myDevice(device) {}

    // The device the piece was played on, as OpenMusic returned it.
    int Device() const { return myDevice; }

    static QEvent::Type EventType();

  private:
    int myDevice;
};

class IMediaPlayer
{
  public:
    virtual ~IMediaPlayer() = default;

    // Starts the wave file and returns at once. Without interrupt the sound
    // is dropped while another wave plays; with it the playing wave stops.
    // A missing or unreadable file plays nothing and reports nothing.
    virtual void PlayWave(const std::string &path, bool interrupt) = 0;
    // Stops the playing wave, if any.
    virtual void StopWave() = 0;

    // Closes the open piece, if any, and opens the MIDI file. Returns the
    // device (non-zero), or 0 when there is nothing to play: the file is
    // missing or no sound font is found. Nothing plays yet.
    virtual int OpenMusic(const std::string &path) = 0;
    // Plays the open piece of device from its start; when it has played to
    // its end, a MusicEndEvent for device is posted to receiver.
    virtual void PlayMusicFromStart(int device, QObject *receiver) = 0;
    // Stops and closes the open piece at once; no end notice follows.
    virtual void CloseMusic() = 0;

  protected:
    IMediaPlayer() = default;
    IMediaPlayer(const IMediaPlayer &) = default;
    IMediaPlayer &operator=(const IMediaPlayer &) = default;
};

// Makes player the one the program uses; a later registration replaces it.
void RegisterMediaPlayer(IMediaPlayer *player);
// Removes player if it is the registered one.
void UnregisterMediaPlayer(IMediaPlayer *player);
// The registered player, or one that plays nothing. User-interface thread.
IMediaPlayer &CurrentMediaPlayer();
