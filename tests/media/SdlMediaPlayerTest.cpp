// The real player on SDL's dummy audio driver, which consumes sound in real
// time: a wave plays for its length, the no-stop and interrupting kinds
// behave, a piece's end reaches the user-interface thread as message 2022
// through the music window, and missing or damaged files or a missing sound
// font give silence and nothing else. Every file is made here and kept
// short.

#include "SdlMediaPlayer.h"
#include "DivuzCommands.h"
#include "DivuzEvents.h"
#include "MidiFile.h"
#include "MidiLength.h"
#include "MidiWnd.h"
#include "SoundFont.h"
#include "WaveFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <fstream>
#include <functional>
#include <thread>

namespace
{

bool PumpUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    return true;
}

// Stands in for the main frame: keeps the commands it is sent, and the
// thread it was sent them on.
class FrameStandIn : public QObject
{
  public:
    bool event(QEvent *event) override
    {
        if (event->type() != DivuzCommandEvent::EventType())
            return QObject::event(event);
        commands.push_back(static_cast<DivuzCommandEvent *>(event)->Command());
        onMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        return true;
    }
    std::vector<int> commands;
    bool onMainThread = false;
};

class SdlMediaPlayerTest : public testing::Test
{
  protected:
    std::string File(const char *name) const { return myDir.filePath(name).toStdString(); }

    // A sine tone of the given length.
    std::string Tone(const char *name, double seconds, double hz)
    {
        std::vector<float> s(std::size_t(seconds * 22050));
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = 0.5f * float(std::sin(2 * 3.14159265 * hz * double(i) / 22050));
        WriteWaveFile(File(name), s, 22050);
        return File(name);
    }

    // Two short piano notes, a tenth of a second in all (at the files'
    // default of 120 quarter notes a minute).
    static constexpr int ShortPieceMs = 100;
    std::string ShortPiece(const char *name)
    {
        MidiTrack track;
        track.events.push_back({0, {0xC0, 0}});
        track.events.push_back({0, {0x90, 60, 100}});
        track.events.push_back({48, {0x80, 60, 0}});
        track.events.push_back({48, {0x90, 64, 100}});
        track.events.push_back({96, {0x80, 64, 0}});
        WriteMidiFile(File(name), {track}, 480);
        return File(name);
    }
    // Long enough for a short piece's end, had it been sent, to arrive: its
    // last note, its ring and a good margin.
    static constexpr int PastTheEndMs = ShortPieceMs + int(LastNoteRing.count()) + 250;

    QTemporaryDir myDir;
};

} // namespace

TEST_F(SdlMediaPlayerTest, AWavePlaysForItsLengthAndEnds)
{
    SdlMediaPlayer player;
    const std::string tone = Tone("tone.wav", 0.2, 440);
    player.PlayWave(tone, false);
    EXPECT_EQ(player.PlayingWave(), tone);
    ASSERT_TRUE(player.IsAudioOpen());
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(PumpUntil([&] { return player.PlayingWave().empty(); }, 3000));
    EXPECT_GT(timer.elapsed(), 100);
}

TEST_F(SdlMediaPlayerTest, ANoStopWaveIsDroppedWhileOnePlaysAndAnInterruptingOneTakesOver)
{
    SdlMediaPlayer player;
    const std::string move = Tone("move.wav", 2.0, 440);
    const std::string next = Tone("next.wav", 0.2, 660);
    const std::string win = Tone("win.wav", 0.5, 880);
    player.PlayWave(move, false);
    player.PlayWave(next, false); // still playing: dropped
    EXPECT_EQ(player.PlayingWave(), move);
    player.PlayWave(win, true);
    EXPECT_EQ(player.PlayingWave(), win);
    player.StopWave();
    EXPECT_EQ(player.PlayingWave(), "");
}

TEST_F(SdlMediaPlayerTest, MissingOrDamagedWavesPlayNothing)
{
    SdlMediaPlayer player;
    std::ofstream(File("damaged.wav")) << "RIFF, but nothing after it";
    player.PlayWave(File("missing.wav"), true);
    EXPECT_EQ(player.PlayingWave(), "");
    player.PlayWave(File("damaged.wav"), true);
    EXPECT_EQ(player.PlayingWave(), "");
}

TEST_F(SdlMediaPlayerTest, APieceThatEndsAsksTheFrameForTheNextOnTheUserInterfaceThread)
{
    if (FindSoundFont().empty())
        GTEST_SKIP() << "no sound font installed";
    SdlMediaPlayer player;
    RegisterMediaPlayer(&player);
    FrameStandIn frame;
    MidiWnd music;
    QElapsedTimer played;
    played.start();
    ASSERT_TRUE(music.Open(&frame, ShortPiece("short.mid"), MidiWnd::Play));
    EXPECT_EQ(music.parent(), &frame);
    EXPECT_EQ(music.objectName(), "MidiWnd");
    EXPECT_TRUE(player.IsMusicPlaying());
    // The end comes soon after the last note, not seconds later when the
    // synthesizer's tail has died away.
    ASSERT_TRUE(PumpUntil([&] { return !frame.commands.empty(); }, 15000));
    EXPECT_GE(played.elapsed(), ShortPieceMs - 50);
    EXPECT_LE(played.elapsed(), ShortPieceMs + 1500) << "the end came long after the last note";
    EXPECT_EQ(frame.commands, std::vector<int>{WM_NEXT_MUSIC});
    EXPECT_TRUE(frame.onMainThread);
    music.Close();
    UnregisterMediaPlayer(&player);
}

TEST_F(SdlMediaPlayerTest, ALoopingPieceStartsAgainInsteadOfEnding)
{
    if (FindSoundFont().empty())
        GTEST_SKIP() << "no sound font installed";
    SdlMediaPlayer player;
    RegisterMediaPlayer(&player);
    FrameStandIn frame;
    MidiWnd music;
    ASSERT_TRUE(music.Open(&frame, ShortPiece("loop.mid"), MidiWnd::Play | MidiWnd::Loop));
    // Through the first end into the second round.
    PumpUntil([] { return false; }, PastTheEndMs);
    EXPECT_TRUE(player.IsMusicPlaying());
    EXPECT_TRUE(frame.commands.empty());
    music.Close();
    EXPECT_FALSE(player.IsMusicPlaying());
    UnregisterMediaPlayer(&player);
}

TEST_F(SdlMediaPlayerTest, AClosedPieceSendsNoEnd)
{
    if (FindSoundFont().empty())
        GTEST_SKIP() << "no sound font installed";
    SdlMediaPlayer player;
    RegisterMediaPlayer(&player);
    FrameStandIn frame;
    MidiWnd music;
    ASSERT_TRUE(music.Open(&frame, ShortPiece("closed.mid"), MidiWnd::Play));
    EXPECT_TRUE(player.IsMusicPlaying());
    music.Close();
    PumpUntil([] { return false; }, PastTheEndMs);
    EXPECT_TRUE(frame.commands.empty());
    UnregisterMediaPlayer(&player);
}

TEST_F(SdlMediaPlayerTest, MissingDamagedFilesAndAMissingSoundFontGiveSilenceAndNoMessage)
{
    FrameStandIn frame;
    std::ofstream(File("damaged.mid")) << "MThd and then nonsense";
    const std::string piece = ShortPiece("good.mid");
    {
        SdlMediaPlayer player;
        RegisterMediaPlayer(&player);
        MidiWnd music;
        EXPECT_FALSE(music.Open(&frame, File("missing.mid"), MidiWnd::Play));
        EXPECT_FALSE(player.IsMusicPlaying());
        music.Open(&frame, File("damaged.mid"), MidiWnd::Play); // opens, but stays silent
        EXPECT_FALSE(player.IsMusicPlaying());
        UnregisterMediaPlayer(&player);
    }
    {
        QTemporaryDir noFonts;
        SdlMediaPlayer player(FindSoundFont({noFonts.path().toStdString()}));
        EXPECT_EQ(player.SoundFont(), "");
        RegisterMediaPlayer(&player);
        MidiWnd music;
        EXPECT_FALSE(music.Open(&frame, piece, MidiWnd::Play));
        EXPECT_FALSE(player.IsMusicPlaying());
        UnregisterMediaPlayer(&player);
    }
    PumpUntil([] { return false; }, PastTheEndMs);
    EXPECT_TRUE(frame.commands.empty());
}

TEST_F(SdlMediaPlayerTest, TheProgramStillEndsOnSigintAndSigterm)
{
    SdlMediaPlayer player;
    player.PlayWave(Tone("signal.wav", 0.05, 440), false);
    player.Flush();
    ASSERT_TRUE(player.IsAudioOpen());
    // SDL leaves the signals alone: their default action still ends the program.
    for (int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {
        };
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
    }
}
