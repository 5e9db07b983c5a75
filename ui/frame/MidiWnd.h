#pragma once

// The music's hidden window: a child object of the main frame that owns at
// most one open piece on the player's sequencer and receives its end notice.
// At the end it plays the piece again when it loops, or asks its frame for
// the next piece (message 2022).

#include <QObject>

#include <cstdint>
#include <string>

class MidiWnd : public QObject
{
  public:
    enum Flags : std::uint32_t {
        Loop = 1, // bit 0: play the piece again at its end
        Play = 2, // bit 1: start playing at once
    };

    MidiWnd() = default;
    ~MidiWnd() override;

    // Opens the MIDI file on the registered player, closing every piece
    // open before; with Play in flags it starts at once. False when the
    // file cannot be opened: nothing plays and nothing is reported.
    bool Open(QObject *parentFrame, const std::string &path, std::uint32_t flags);
    // Closes the open piece, if any.
    void Close();
    // Plays the open piece from its start, with its end notice to this window.
    void PlayFromStart();

    std::uint32_t Flags() const { return myFlags; }
    int Device() const { return myDevice; }

  protected:
    bool event(QEvent *event) override;

  private:
    std::uint32_t myFlags = 0;
    int myDevice = 0; // the open piece's device; 0 when none
};
