// Plays whole games through the real program with sounds and music on (the
// real SDL2_mixer player; run it with SDL_AUDIODRIVER=dummy under Xvfb) and
// measures how long the user-interface thread is held up:
//   - by each call into the player (a wave or a piece starting, a piece
//     closing): the target is under 5 ms. Both the wall time and the
//     thread's own CPU time of each call are taken: on a busy machine the
//     wall time also holds the time the thread waited for a processor,
//     which the CPU time leaves out;
//   - over the whole run, the longest gap between two turns of the event
//     loop, which also holds painting and the engine's replies.
// Usage: sound_latency_bench [GAMES]

#include "DivuzApp.h"
#include "DivuzDoc.h"
#include "ErrorReport.h"
#include "FrameCommands.h"
#include "MainFrame.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// CPU time of the calling thread, in milliseconds.
double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Passes every call on to the real player and times it.
class TimingPlayer : public IMediaPlayer
{
  public:
    explicit TimingPlayer(IMediaPlayer &inner) : myInner(inner) { RegisterMediaPlayer(this); }
    ~TimingPlayer() override { UnregisterMediaPlayer(this); }

    void PlayWave(const std::string &path, bool interrupt) override
    {
        Time([&] { myInner.PlayWave(path, interrupt); }, waves);
    }
    void StopWave() override
    {
        Time([&] { myInner.StopWave(); }, other);
    }
    int OpenMusic(const std::string &path) override
    {
        int device = 0;
        Time([&] { device = myInner.OpenMusic(path); }, pieces);
        return device;
    }
    void PlayMusicFromStart(int device, QObject *receiver) override
    {
        Time([&] { myInner.PlayMusicFromStart(device, receiver); }, other);
    }
    void CloseMusic() override
    {
        Time([&] { myInner.CloseMusic(); }, other);
    }

    struct Stat {
        int calls = 0;
        double longestMs = 0;    // wall time
        double longestCpuMs = 0; // the thread's CPU time
        std::vector<double> wallMs;
        double Median() const
        {
            if (wallMs.empty())
                return 0;
            std::vector<double> v = wallMs;
            std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
            return v[v.size() / 2];
        }
    };
    Stat waves, pieces, other;

  private:
    template <class F> void Time(F call, Stat &stat)
    {
        const double cpu = ThreadCpuMs();
        const auto start = Clock::now();
        call();
        const double wall = Ms(Clock::now() - start);
        stat.longestMs = std::max(stat.longestMs, wall);
        stat.longestCpuMs = std::max(stat.longestCpuMs, ThreadCpuMs() - cpu);
        stat.wallMs.push_back(wall);
        ++stat.calls;
    }
    IMediaPlayer &myInner;
};

} // namespace

int main(int argc, char **argv)
{
    ErrorGuard<QApplication> application(argc, argv);
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir home;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    SetErrorReporter([](const std::string &text) { std::fprintf(stderr, "%s\n", text.c_str()); });

    CDivuzApp app(DIVUZ_PROGRAM_DIR);
    TimingPlayer timing(app.Player());
    DivuzOptions options = app.GetOptions();
    options.Level = 0;
    options.WhoBeginsMode = 2;
    options.IsSoundOn = options.IsMusicOn = true;
    options.MusicMode = 1; // a new piece at every game: the most loading
    app.SetOptions(options);

    // The event loop's heartbeat: a zero timer runs at every turn of the loop.
    double longestGapMs = 0;
    auto last = Clock::now();
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        longestGapMs = std::max(longestGapMs, Ms(now - last));
        last = now;
    });

    app.InitInstance();
    beat.start(0);
    auto pump = [](int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
    auto data = [&app] {
        DataDivuzDoc d;
        app.Document()->GetData(d);
        return d;
    };

    int moves = 0;
    double longestNewGameMs = 0;
    std::srand(7);
    for (int game = 0; game < games; ++game) {
        // A new game stops the engine thread and starts another; timed
        // apart, so the loop gap below can be told from it.
        const auto start = Clock::now();
        app.MainFrame()->OnCommand(ID_NEW_GAME);
        longestNewGameMs = std::max(longestNewGameMs, Ms(Clock::now() - start));
        pump(200);
        // The player places stones near the centre until the game ends.
        for (int tries = 0; tries < 2000 && data().GameMode == 0; ++tries) {
            if (data().IsThinking) {
                pump(5);
                continue;
            }
            const int x = 4 + std::rand() % 11, y = 4 + std::rand() % 11;
            const DataDivuzDoc d = data();
            app.Document()->OnMakeMove({x, y, d.PlayerSign});
            ++moves;
            pump(120); // about a move sound's length apart
        }
        pump(1500); // the last sound rings out
        std::printf("game %d: result %d after %d clicks\n", game + 1, data().GameMode, moves);
    }
    beat.stop();
    app.Player().Flush();

    const auto report = [](const char *what, const TimingPlayer::Stat &s) {
        std::printf("%-13s %4d calls: wall median %.3f ms, longest %.3f ms; CPU longest %.3f ms\n",
                    what, s.calls, s.Median(), s.longestMs, s.longestCpuMs);
    };
    report("sound starts", timing.waves);
    report("music opens", timing.pieces);
    report("other calls", timing.other);
    std::printf("audio device open: %s\n", app.Player().IsAudioOpen() ? "yes" : "no");
    std::printf("longest event-loop gap over the run (painting and engine replies too): %.2f ms\n",
                longestGapMs);
    std::printf("longest new-game command (engine thread stopped and started, board repainted): "
                "%.2f ms\n",
                longestNewGameMs);
    const double worstWall =
        std::max({timing.waves.longestMs, timing.pieces.longestMs, timing.other.longestMs});
    const double worstCpu = std::max(
        {timing.waves.longestCpuMs, timing.pieces.longestCpuMs, timing.other.longestCpuMs});
    std::printf("longest block while sounds start: wall %.3f ms, CPU %.3f ms (target < 5 ms): "
                "%s\n",
                worstWall, worstCpu, worstCpu < 5 ? "ok" : "TOO LONG");
    if (worstWall >= 5)
        std::printf("(the wall time above 5 ms is time spent waiting for a processor; the load "
                    "average shows how busy the machine is)\n");
    app.ExitInstance();
    return worstCpu < 5 ? 0 : 1;
}
